#include "profiles/profile_columns.h"

#include "profiles/pages/maytag_columns.h"
#include "profiles/pages/wascomat_columns.h"
#include "setup/profile_types.h"

#include <array>

namespace profiles {
namespace {

constexpr ColumnKind T = ColumnKind::Text;
constexpr ColumnKind C = ColumnKind::Money;
constexpr ColumnKind B = ColumnKind::YesNo;
constexpr ColumnKind I = ColumnKind::Integer;

using Columns = std::vector<ProfileColumn>;

Columns concat(Columns a, const Columns& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Columns kDryerTimes = {{"DRYER RUN TIME", I}, {"HEAT TIME", I}, {"TOPOFF TIME", I}};

const Columns& retrofitColumns()
{
    static const Columns columns = {
        {"IDLE MESSAGE", T}, {"BUSY MESSAGE", T}, {"DISPLAY IDLE", B}, {"DISPLAY PRICE", B},
        {"SCROLL SPEED", I}, {"PULSES", I},       {"DEDUCTION", I},    {"BUSY DISPLAY TYPE", I},
    };
    return columns;
}

Columns electromechanicalColumns()
{
    Columns columns;
    for (const ProfileColumn& column : retrofitColumns())
        if (QLatin1String(column.name) != QLatin1String("PULSES"))
            columns.push_back(column);
    return concat(columns, kDryerTimes);
}

// Maytag Gen2 Advanced; LG drops the stack and adds its top-off.
Columns gen2AdvancedColumns(bool lg)
{
    Columns columns = {{"WASHER", B}, {"WASHERHORIZ", B}};
    if (!lg)
        columns.push_back({"WASHER DRYER STACK", B});
    columns.push_back({"DRYER", B});
    for (const char* name :
         {"VEND PRICE", "REG DRYER PRICE", "VEND COLD PRICE", "VEND WARM PRICE", "VEND HOT PRICE",
          "SPEC DRYER PRICE", "SPEC PRICE", "SPEC COLD PRICE", "SPEC WARM PRICE", "SPEC HOT PRICE",
          "SUPER CYCLE UPGRADE PRICE", "COIN1 VALUE", "COIN2 VALUE", "PENNY INCREMENT",
          "PENNY INCREMENT DRYER"})
        columns.push_back({name, C});
    for (const char* name : {"MACHINE SERIAL", "FINAL SPIN", "POSITION", "SPEC PRICE BEGIN",
                             "SPEC PRICE END", "NUM RINSES CYCLE", "TOP SPIN SPEED"})
        columns.push_back({name, T});
    for (const char* name :
         {"WASH", "RINSE", "DRY", "REGULAR DRY", "PREWASH", "SUPER CYCLE TYPE", "LOCATION MACHINE"})
        columns.push_back({name, I});
    for (const char* name :
         {"FIXED CYCLE",     "SPEC PRICING",  "ADD COINS",     "COIN SLIDE",   "CLEAR ESCROW NOT",
          "SUPER CYCLE",     "SUDS DETECT",   "DEBIT ONLY",    "COINS ONLY",   "ENHANCED DEBIT",
          "MAX EXTRACT NOT", "CYCLE PRICING", "DISPLAY PRICE", "ALL FEATURES", "SATURDAY",
          "SUNDAY",          "MONDAY",        "TUESDAY",       "WEDNESDAY",    "THURSDAY",
          "FRIDAY",          "ALL DAYS",      "SET SERIAL",    "SET POSITION", "SET PRICE",
          "SET CYCLE",       "RECORD USED",   "ALL CODES"})
        columns.push_back({name, B});
    if (lg) {
        columns.push_back({"TOPOFF PRICE", C});
        columns.push_back({"TOPOFF TIME", I});
    }
    return columns;
}

Columns advantechColumns()
{
    Columns columns = {{"WASHER", B}, {"DRYER", B}, {"DISABLE TOPOFF", B}};
    for (const char* name : {"HOT TEMP REDUCTION", "DRYER RUN TIME",   "ESTIMATED FILL TIME",
                             "EXTENDED COOL DOWN", "TOPOFF TIME",      "SETUP BYTE 1",
                             "SETUP BYTE 2",       "COIN1 PULSE MIN",  "COIN1 PULSE MAX",
                             "COIN2 PULSE MIN",    "COIN2 PULSE MAX",  "COIN SLIDE 1",
                             "COIN SLIDE 2",       "COIN PULSE DELAY", "SP1 DAY",
                             "SP1 START",          "SP1 DURATION",     "SP2 DAY",
                             "SP2 START",          "SP2 DURATION",     "SP3 DAY",
                             "SP3 START",          "SP3 DURATION",     "DECIMAL POINT"})
        columns.push_back({name, I});
    for (const char* name :
         {"COIN1 VALUE", "COIN2 VALUE", "VEND PRICE", "VEND WARM PRICE", "VEND HOT PRICE",
          "REG DRYER PRICE", "TOPOFF PRICE", "SPEC PRICE 1", "SPEC PRICE 2", "SPEC PRICE 3"})
        columns.push_back({name, C});
    for (const char* name : {"ACTIONSETTOPOFFPRICE", "ACTIONSETCYCLETOPOFF", "ACTIONSETREGPRICES",
                             "ACTIONSETSPCGPRICES", "ACTIONSETCOINVALUES", "ACTIONSETCYCLESLENGTH",
                             "ACTIONCLEARCOUNTERS", "ACTIONSETALL"})
        columns.push_back({name, B});
    return columns;
}

Columns mdcColumns()
{
    Columns columns;
    for (const char* name : {"CYCLE OPTION", "MACHINE TYPE", "COOL TIME", "HEAT TIME",
                             "TOPOFF TIME", "AUDIO TIME", "TEMP HIGH", "TEMP MED", "TEMP LOW",
                             "TEMP DELICATE", "TEMP UNIT", "AUDIO", "ACTIVE TIME"})
        columns.push_back({name, I});
    for (const char* name :
         {"WATER SAVER", "DISABLE TOPOFF", "TIME BASE PRICING", "CYCLE PRICING", "SATURDAY",
          "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY"})
        columns.push_back({name, B});
    for (const char* name : {"REG NORMAL PRICE", "REG DELICATE PRICE", "REG PERM PRESS PRICE",
                             "REG HEAVY PRICE", "SPEC NORMAL PRICE", "SPEC DELICATE PRICE",
                             "SPEC PERM PRESS PRICE", "SPEC HEAVY PRICE", "TOPOFF PRICE"})
        columns.push_back({name, C});
    columns.push_back({"SPEC PRICE BEGIN", T});
    columns.push_back({"SPEC PRICE END", T});
    return columns;
}

Columns allianceColumns()
{
    Columns columns;
    for (const char* name : {"MACHINE TYPE",
                             "AUDIO",
                             "TOPOFF TIME",
                             "TEMP HIGH",
                             "TEMP MED",
                             "TEMP LOW",
                             "TEMP DELICATE",
                             "HEATED CYCLE TIME",
                             "NOHEAT CYCLE TIME",
                             "COOLDOWN TIME HIGH",
                             "COOLDOWN TIME MED",
                             "COOLDOWN TIME LOW",
                             "COOLDOWN TIME DELICATE",
                             "TEMP UNIT",
                             "ACA TIER",
                             "WASH TIME NORMAL",
                             "WASH TIME PERM",
                             "WASH TIME DELICATE",
                             "RINSE TIME NORMAL",
                             "RINSE TIME PERM",
                             "RINSE TIME DELICATE",
                             "EXTRA RINSE TIME NORMAL",
                             "EXTRA RINSE TIME PERM",
                             "EXTRA RINSE TIME DELICATE",
                             "SPIN TIME NORMAL",
                             "SPIN TIME PERM",
                             "SPIN TIME DELICATE",
                             "EXTRA WASH TIME HEAVY",
                             "EXTRA RINSE TIME HEAVY",
                             "EXTRA WASH TIME MEDIUM",
                             "EXTRA RINSE TIME MEDIUM",
                             "EXTRA WASH TIME FLW",
                             "SETUP BYTE 2"})
        columns.push_back({name, I});
    for (const char* name :
         {"CYCLE PRICING", "DISABLE TOPOFF", "ACA MACHINE", "WARM RINSE ENABLED",
          "WARM RINSE ENABLED MEDIUM", "ENABLE HEAVY CYCLE", "MEDIUM MODE1 ACTIVE STATE",
          "MEDIUM MODE2 ACTIVE STATE", "MEDIUM CYCLE EXTRA RINSE", "MEDIUM CYCLE EXTRA WASH",
          "MEDIUM CYCLE WARM RINSE", "MEDIUM CYCLE PREWASH", "HEAVY MODE1 ACTIVE STATE",
          "HEAVY MODE2 ACTIVE STATE", "HEAVY CYCLE EXTRA RINSE", "HEAVY CYCLE EXTRA WASH",
          "HEAVY CYCLE WARM RINSE", "HEAVY CYCLE PREWASH"})
        columns.push_back({name, B});
    for (const char* name :
         {"VEND PRICE", "TOPOFF PRICE", "HEAVY ADDED PRICE", "MEDIUM ADDED PRICE",
          "REG HEAVY PRICE", "REG NORMAL PRICE", "REG PERM PRESS PRICE", "REG DELICATE PRICE",
          "NOHEAT PRICE", "PRICE1", "PRICE2", "PRICE3", "PRICE4", "PRICE5", "PRICE6", "PRICE7",
          "PRICE8", "PRICE9"})
        columns.push_back({name, C});
    return columns;
}

// The columns the pages of types 10-14 name themselves, in their places.
std::array<Columns, setup::kProfileTypeCount>
withPageColumns(std::array<Columns, setup::kProfileTypeCount> byType)
{
    for (int code : {setup::kMaytagMarlin, setup::kMaytagQuicksilver, setup::kMaytagMhn33})
        byType[size_t(code)] = maytagColumns(code);
    byType[size_t(setup::kWascomat)] = wascomatColumns();
    return byType;
}

const std::array<Columns, setup::kProfileTypeCount>& allTypeColumns()
{
    static const std::array<Columns, setup::kProfileTypeCount> columns = withPageColumns({
        retrofitColumns(),
        electromechanicalColumns(),
        kDryerTimes,
        {{"DISPLAY IDLE", B}, {"DISPLAY PRICE", B}, {"SCROLL SPEED", I}},
        {{"WASHER", B}, {"DRYER", B}, {"WASH", I}, {"RINSE", I}, {"DRY", I}},
        gen2AdvancedColumns(false),
        advantechColumns(),
        mdcColumns(),
        gen2AdvancedColumns(true),
        allianceColumns(),
        // 10-14: the pages of these types name their own columns.
        {},
        {},
        {},
        {{"FILE PATH", T}, {"SETUP BYTE 1", I}},
        {},
    });
    return columns;
}

} // namespace

const std::vector<ProfileColumn>& commonColumns()
{
    static const Columns columns = {
        {kColProfileName, T},  {kColVendPrice, C},          {kColTopoffPrice, C},
        {kColMaxCardValue, C}, {kColEnableTokens, B},       {kColClearCount, B},
        {kColLocation, B},     {kColLocationClustering, B}, {kColUserTransaction, B},
        {kColProfileType, T},
    };
    return columns;
}

const std::vector<ProfileColumn>& typeColumns(int code)
{
    static const Columns none;
    return setup::isValidProfileType(code) ? allTypeColumns()[size_t(code)] : none;
}

const std::vector<std::pair<ProfileColumn, QVariant>>& resetOnEditColumns()
{
    static const std::vector<std::pair<ProfileColumn, QVariant>> columns = [] {
        std::vector<std::pair<ProfileColumn, QVariant>> list;
        for (const char* name : {"IDLE MESSAGE", "BUSY MESSAGE"})
            list.push_back({{name, T}, QString()});
        for (const char* name : {"DISPLAY IDLE", "DISPLAY PRICE", "WASHER", "DRYER", "FIXED CYCLE"})
            list.push_back({{name, B}, false});
        for (const char* name : {"SCROLL SPEED", "PULSES", "DEDUCTION", "DRYER RUN TIME",
                                 "HEAT TIME", "TOPOFF TIME", "WASH", "RINSE", "DRY"})
            list.push_back({{name, I}, 0});
        return list;
    }();
    return columns;
}

std::optional<ColumnKind> columnKind(const QString& name)
{
    for (const ProfileColumn& column : commonColumns())
        if (name == QLatin1String(column.name))
            return column.kind;
    for (const Columns& columns : allTypeColumns())
        for (const ProfileColumn& column : columns)
            if (name == QLatin1String(column.name))
                return column.kind;
    return std::nullopt;
}

QVariant loadValue(const QVariant& stored, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
        return stored.typeId() == QMetaType::QString ? stored.toString() : QString();
    case ColumnKind::Integer:
        return stored.typeId() == QMetaType::Int ? stored.toInt() : 0;
    case ColumnKind::YesNo:
        return (stored.typeId() == QMetaType::Bool && stored.toBool()) ? 1 : 0;
    case ColumnKind::Money:
        return QVariant::fromValue(Currency::fromVariant(stored).value_or(Currency()));
    }
    return {};
}

QVariant saveValue(const QVariant& value, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
        return value.toString();
    case ColumnKind::Integer:
        return qint32(value.toInt());
    case ColumnKind::YesNo:
        return value.toInt() != 0 || (value.typeId() == QMetaType::Bool && value.toBool());
    case ColumnKind::Money:
        return QVariant::fromValue(Currency::fromVariant(value).value_or(Currency()));
    }
    return {};
}

QString textValue(const ColumnValues& values, const char* column, const QString& fallback)
{
    const auto it = values.constFind(QLatin1String(column));
    return it == values.cend() ? fallback : it->toString();
}

int intValue(const ColumnValues& values, const char* column, int fallback)
{
    const auto it = values.constFind(QLatin1String(column));
    return it == values.cend() ? fallback : it->toInt();
}

bool flagValue(const ColumnValues& values, const char* column, bool fallback)
{
    const auto it = values.constFind(QLatin1String(column));
    if (it == values.cend())
        return fallback;
    return it->typeId() == QMetaType::Bool ? it->toBool() : it->toInt() != 0;
}

int profileTypeFromText(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QString)
        return 0;
    bool ok = false;
    const int code = stored.toString().trimmed().toInt(&ok, 10);
    return ok ? code : 0;
}

} // namespace profiles
