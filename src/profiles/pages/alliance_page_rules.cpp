#include "profiles/pages/alliance_page_rules.h"
#include "profiles/card_limits.h"
#include "profiles/pages/cycle_pricing_tokens.h"

#include "fields/money_text.h"
#include "profiles/pages/mdc_page_rules.h"

#include <algorithm>

namespace profiles {
namespace {

using R = AlliancePageRules;

constexpr char kColMachineType[] = "MACHINE TYPE";
constexpr char kColAudio[] = "AUDIO";
constexpr char kColTopoffTime[] = "TOPOFF TIME";
constexpr std::array<const char*, 4> kColTemperatures = {"TEMP HIGH", "TEMP MED", "TEMP LOW",
                                                         "TEMP DELICATE"};
constexpr char kColHeatedTime[] = "HEATED CYCLE TIME";
constexpr char kColNoHeatTime[] = "NOHEAT CYCLE TIME";
constexpr std::array<const char*, 4> kColCoolDown = {"COOLDOWN TIME HIGH", "COOLDOWN TIME MED",
                                                     "COOLDOWN TIME LOW", "COOLDOWN TIME DELICATE"};
constexpr char kColTempUnit[] = "TEMP UNIT";
constexpr char kColTier[] = "ACA TIER";
// [setting][cycle]
constexpr std::array<std::array<const char*, 3>, 4> kColCycleSettings = {{
    {"WASH TIME NORMAL", "WASH TIME PERM", "WASH TIME DELICATE"},
    {"RINSE TIME NORMAL", "RINSE TIME PERM", "RINSE TIME DELICATE"},
    {"EXTRA RINSE TIME NORMAL", "EXTRA RINSE TIME PERM", "EXTRA RINSE TIME DELICATE"},
    {"SPIN TIME NORMAL", "SPIN TIME PERM", "SPIN TIME DELICATE"},
}};
constexpr char kColHeavyExtraWash[] = "EXTRA WASH TIME HEAVY";
constexpr char kColHeavyExtraRinse[] = "EXTRA RINSE TIME HEAVY";
constexpr char kColMediumExtraWash[] = "EXTRA WASH TIME MEDIUM";
constexpr char kColMediumExtraRinse[] = "EXTRA RINSE TIME MEDIUM";
constexpr char kColFlwExtraWash[] = "EXTRA WASH TIME FLW";
constexpr char kColMachineSize[] = "SETUP BYTE 2";
constexpr char kColCyclePricing[] = "CYCLE PRICING";
constexpr char kColDisableTopoff[] = "DISABLE TOPOFF";
constexpr char kColAcaMachine[] = "ACA MACHINE";
constexpr char kColWarmRinse[] = "WARM RINSE ENABLED";
constexpr char kColMediumWarmRinse[] = "WARM RINSE ENABLED MEDIUM";
constexpr char kColEnableHeavy[] = "ENABLE HEAVY CYCLE";
// In CycleOption order.
constexpr std::array<const char*, R::kCycleOptionCount> kColMediumOptions = {
    "MEDIUM CYCLE PREWASH",    "MEDIUM CYCLE EXTRA RINSE",  "MEDIUM CYCLE EXTRA WASH",
    "MEDIUM CYCLE WARM RINSE", "MEDIUM MODE1 ACTIVE STATE", "MEDIUM MODE2 ACTIVE STATE"};
constexpr std::array<const char*, R::kCycleOptionCount> kColHeavyOptions = {
    "HEAVY CYCLE PREWASH",    "HEAVY CYCLE EXTRA RINSE",  "HEAVY CYCLE EXTRA WASH",
    "HEAVY CYCLE WARM RINSE", "HEAVY MODE1 ACTIVE STATE", "HEAVY MODE2 ACTIVE STATE"};
constexpr char kColHeavyAddedPrice[] = "HEAVY ADDED PRICE";
constexpr char kColMediumAddedPrice[] = "MEDIUM ADDED PRICE";
// High, Medium, Low, Delicates, as the MDC page names its grid rows.
constexpr std::array<const char*, 4> kColDryerPrices = {
    "REG HEAVY PRICE", "REG NORMAL PRICE", "REG PERM PRESS PRICE", "REG DELICATE PRICE"};
constexpr char kColNoHeatPrice[] = "NOHEAT PRICE";
constexpr std::array<const char*, R::kWasherPriceCount> kColWasherPrices = {
    "PRICE1", "PRICE2", "PRICE3", "PRICE4", "PRICE5", "PRICE6", "PRICE7", "PRICE8", "PRICE9"};

// The record's price entries of the dryer's High, Medium, Low and Delicates.
constexpr std::array<int, 4> kDryerPriceEntry = {2, 0, 3, 1};
// Bits of the front-load cycle flags by option, per product line (-1: none).
constexpr std::array<int, R::kCycleOptionCount> kQuantumOptionBit = {0, 1, 2, 3, -1, -1};
constexpr std::array<int, R::kCycleOptionCount> kAcaOptionBit = {-1, 3, 2, 4, 0, 1};

constexpr std::array<int, 13> kMachineSizes = {18, 20, 25, 27,  30,  35, 40,
                                               50, 60, 80, 100, 125, 135};
constexpr std::array<const char*, R::kWasherPriceCount> kWasherPriceLabels = {
    "Normal Hot",      "Normal Warm",  "Normal Cold",   "Perm Press Hot", "Perm Press Warm",
    "Perm Press Cold", "Delicate Hot", "Delicate Warm", "Delicate Cold"};
constexpr std::array<const char*, 4> kDryerRowNames = {"high temperature", "medium temperature",
                                                       "low temperature", "delicates"};
constexpr std::array<const char*, 3> kCycleNames = {"Normal", "Perm Press", "Delicate"};
constexpr std::array<const char*, 4> kSettingNames = {"wash time", "rinse time", "extra rinse time",
                                                      "final spin time"};
// Longest minutes of each top-load cycle setting.
constexpr std::array<int, 4> kLongestSetting = {20, 10, 10, 15};

QString priceRangeText()
{
    return QStringLiteral("Please enter a value between $0.00 and %1")
        .arg(fields::formatMoney(R::kHighestPrice));
}

Check priceInRange(Currency price, const char* column, int control)
{
    if (price >= Currency() && price <= R::kHighestPrice)
        return std::nullopt;
    return inputError(column, control, priceRangeText());
}

// Every money field of the page with its column and control.
template <typename Visit> void forEachPrice(const R::Values& v, Visit&& visit)
{
    visit(v.vendPrice, kColVendPrice, R::kVendPriceControl);
    for (int i = 0; i < R::kWasherPriceCount; ++i)
        visit(v.washerPrices[size_t(i)], kColWasherPrices[size_t(i)], R::kWasherPriceControl + i);
    for (size_t i = 0; i < 4; ++i)
        visit(v.dryerPrices[i], kColDryerPrices[i], R::kDryerPriceControls[i]);
    visit(v.noHeatPrice, kColNoHeatPrice, R::kNoHeatPriceControl);
    visit(v.topoffPrice, kColTopoffPrice, R::kTopoffPriceControl);
    visit(v.heavy.price, kColHeavyAddedPrice, R::kHeavyAddedPriceControl);
    visit(v.medium.price, kColMediumAddedPrice, R::kMediumAddedPriceControl);
}

uint8_t optionBits(const R::AddedCycle& cycle, bool aca)
{
    const std::array<int, R::kCycleOptionCount>& bits = aca ? kAcaOptionBit : kQuantumOptionBit;
    uint8_t flags = 0;
    for (size_t o = 0; o < bits.size(); ++o)
        if (cycle.options[o] && bits[o] >= 0)
            flags |= uint8_t(1u << bits[o]);
    return flags;
}

void writeAddedPrices(const R::Values& v, STRUCT_laundry_setup& record)
{
    record.heavy_added_price = cents(v.heavy.price);
    record.medium_added_price = cents(v.medium.price);
}

void writeHeavyExtraTimes(const R::Values& v, STRUCT_laundry_setup& record)
{
    record.heavy_extra_wash_time = uint8_t(v.heavy.extraWash);
    record.heavy_extra_rinse_time = uint8_t(v.heavy.extraRinse);
}

void writeMediumExtraTimes(const R::Values& v, STRUCT_laundry_setup& record)
{
    record.medium_extra_wash_time = uint8_t(v.medium.extraWash);
    record.medium_extra_rinse_time = uint8_t(v.medium.extraRinse);
}

void writeCycleSettings(const R::Values& v, STRUCT_laundry_setup& record)
{
    for (size_t setting = 0; setting < 4; ++setting)
        for (size_t cycle = 0; cycle < 3; ++cycle)
            record.washer_cycle_settings[setting * 3 + cycle] =
                uint8_t(v.cycleSettings[setting][cycle]);
}

void writeDryerPages(const R::Values& v, STRUCT_laundry_setup& record)
{
    for (size_t row = 0; row < 4; ++row)
        record.mdc_prices[kDryerPriceEntry[row]] =
            v.cyclePricing ? cents(v.dryerPrices[row]) : uint16_t(0);
    record.dryer_noheat_price = v.cyclePricing ? cents(v.noHeatPrice) : uint16_t(0);
    if (v.topoff)
        record.topoff_price = cents(v.topoffPrice);
    record.topoff_time_alt = v.topoff ? uint8_t(v.topoffTime + 1) : uint8_t(1);
    record.heated_cycle_time = uint8_t(v.heatedCycleTime + 1);
    record.noheat_cycle_time = uint8_t(v.noHeatCycleTime + 1);
    record.temp_high = uint8_t(v.temperatures[0] + R::kTemperatureCodeBase);
    record.temp_med = uint8_t(v.temperatures[1] + R::kTemperatureCodeBase);
    record.temp_low = uint8_t(v.temperatures[2] + R::kTemperatureCodeBase);
    record.temp_delicate = uint8_t(v.temperatures[3] + R::kTemperatureCodeBase);
    for (size_t i = 0; i < 4; ++i)
        record.cool_down_times[i] = uint8_t(v.coolDownTimes[i] + 1);
}

void writeWasherPages(const R::Values& v, bool aca, STRUCT_laundry_setup& record)
{
    for (size_t i = 0; i < v.washerPrices.size(); ++i)
        record.alliance_washer_prices[i] = v.cyclePricing ? cents(v.washerPrices[i]) : uint16_t(0);
    // Washers have no top-off.
    record.topoff_time_alt = 1;
    const bool topLoad = v.machineType == R::kTopLoadWasher;
    writeAddedPrices(v, record);
    if (topLoad) {
        writeCycleSettings(v, record);
        writeHeavyExtraTimes(v, record);
        record.warm_rinse_enabled = v.heavy.warmRinse ? 1 : 0;
        if (aca) {
            writeMediumExtraTimes(v, record);
            record.medium_warm_rinse = v.medium.warmRinse ? 1 : 0;
        } else {
            record.enable_heavy_cycle = v.enableHeavyCycle ? 1 : 0;
        }
        return;
    }
    record.medium_cycle_flags = optionBits(v.medium, aca);
    record.heavy_cycle_flags = optionBits(v.heavy, aca);
    if (aca) {
        writeHeavyExtraTimes(v, record);
        writeMediumExtraTimes(v, record);
    } else {
        record.flw_extra_wash_time = uint8_t(v.flwExtraWash);
        record.setup_byte_2 = uint8_t(v.machineSize);
    }
}

Check checkAddedCycle(const R::AddedCycle& cycle, bool heavy)
{
    const QString name = heavy ? QStringLiteral("heavy") : QStringLiteral("medium");
    if (Check c =
            checkInRange(cycle.extraWash, 0, R::kExtraTimeCount - 1,
                         heavy ? kColHeavyExtraWash : kColMediumExtraWash,
                         heavy ? R::kHeavyExtraWashControl : R::kMediumExtraWashControl,
                         QStringLiteral("extra wash time of the %1 cycle in minutes").arg(name)))
        return c;
    return checkInRange(cycle.extraRinse, 0, R::kExtraTimeCount - 1,
                        heavy ? kColHeavyExtraRinse : kColMediumExtraRinse,
                        heavy ? R::kHeavyExtraRinseControl : R::kMediumExtraRinseControl,
                        QStringLiteral("extra rinse time of the %1 cycle in minutes").arg(name));
}

} // namespace

QString AlliancePageRules::pageName() const
{
    return QStringLiteral("IDD_DIALOG_CENTURION");
}

void AlliancePageRules::reset()
{
    values_ = Values{};
    values_.washerPrices.fill(Currency::fromCents(150));
    values_.dryerPrices.fill(Currency::fromCents(150));
    values_.noHeatPrice = Currency::fromCents(100);
    values_.medium.price = Currency::fromCents(25);
    values_.heavy.price = Currency::fromCents(50);
    tokens_ = false;
}

void AlliancePageRules::load(const ColumnValues& columns)
{
    const bool tokens = tokens_;
    reset();
    tokens_ = tokens;
    Values& v = values_;
    auto money = [&](const char* column, Currency fallback) {
        const auto it = columns.constFind(QLatin1String(column));
        return it == columns.cend() ? fallback : it->value<Currency>();
    };
    auto integer = [&](const char* column, int& value) {
        value = intValue(columns, column, value);
    };
    auto flag = [&](const char* column, bool& value) { value = flagValue(columns, column, value); };

    v.productLine = flagValue(columns, kColAcaMachine, false) ? 1 : 0;
    integer(kColMachineType, v.machineType);
    flag(kColCyclePricing, v.cyclePricing);
    v.audio = intValue(columns, kColAudio, v.audio ? 1 : 0) != 0;
    v.vendPrice = money(kColVendPrice, v.vendPrice);
    integer(kColTier, v.tier);
    if (v.tier == 0) // none chosen: the ACA line shows "A4"
        v.tier = 4;
    for (size_t i = 0; i < v.washerPrices.size(); ++i)
        v.washerPrices[i] = money(kColWasherPrices[i], v.washerPrices[i]);
    for (size_t i = 0; i < 4; ++i) {
        v.dryerPrices[i] = money(kColDryerPrices[i], v.dryerPrices[i]);
        integer(kColTemperatures[i], v.temperatures[i]);
        integer(kColCoolDown[i], v.coolDownTimes[i]);
    }
    v.noHeatPrice = money(kColNoHeatPrice, v.noHeatPrice);
    integer(kColTempUnit, v.temperatureUnit);
    integer(kColHeatedTime, v.heatedCycleTime);
    integer(kColNoHeatTime, v.noHeatCycleTime);
    v.topoff = !flagValue(columns, kColDisableTopoff, !v.topoff);
    v.topoffPrice = money(kColTopoffPrice, v.topoffPrice);
    integer(kColTopoffTime, v.topoffTime);
    for (size_t setting = 0; setting < 4; ++setting)
        for (size_t cycle = 0; cycle < 3; ++cycle)
            integer(kColCycleSettings[setting][cycle], v.cycleSettings[setting][cycle]);
    v.heavy.price = money(kColHeavyAddedPrice, v.heavy.price);
    v.medium.price = money(kColMediumAddedPrice, v.medium.price);
    integer(kColHeavyExtraWash, v.heavy.extraWash);
    integer(kColHeavyExtraRinse, v.heavy.extraRinse);
    integer(kColMediumExtraWash, v.medium.extraWash);
    integer(kColMediumExtraRinse, v.medium.extraRinse);
    flag(kColWarmRinse, v.heavy.warmRinse);
    flag(kColMediumWarmRinse, v.medium.warmRinse);
    flag(kColEnableHeavy, v.enableHeavyCycle);
    for (size_t o = 0; o < kCycleOptionCount; ++o) {
        flag(kColMediumOptions[o], v.medium.options[o]);
        flag(kColHeavyOptions[o], v.heavy.options[o]);
    }
    integer(kColFlwExtraWash, v.flwExtraWash);
    integer(kColMachineSize, v.machineSize);
}

ColumnValues AlliancePageRules::columns() const
{
    const Values& v = values_;
    ColumnValues c = {
        {kColMachineType, v.machineType},
        {kColAudio, int(v.audio)},
        {kColTopoffTime, v.topoffTime},
        {kColHeatedTime, v.heatedCycleTime},
        {kColNoHeatTime, v.noHeatCycleTime},
        {kColTempUnit, v.temperatureUnit},
        {kColTier, v.tier},
        {kColHeavyExtraWash, v.heavy.extraWash},
        {kColHeavyExtraRinse, v.heavy.extraRinse},
        {kColMediumExtraWash, v.medium.extraWash},
        {kColMediumExtraRinse, v.medium.extraRinse},
        {kColFlwExtraWash, v.flwExtraWash},
        {kColMachineSize, v.machineSize},
        {kColCyclePricing, int(v.cyclePricing)},
        {kColDisableTopoff, int(!v.topoff)},
        {kColAcaMachine, v.productLine},
        {kColWarmRinse, int(v.heavy.warmRinse)},
        {kColMediumWarmRinse, int(v.medium.warmRinse)},
        {kColEnableHeavy, int(v.enableHeavyCycle)},
        {kColNoHeatPrice, v.noHeatPrice.toVariant()},
    };
    for (size_t i = 0; i < 4; ++i) {
        c.insert(QLatin1String(kColTemperatures[i]), v.temperatures[i]);
        c.insert(QLatin1String(kColCoolDown[i]), v.coolDownTimes[i]);
    }
    for (size_t setting = 0; setting < 4; ++setting)
        for (size_t cycle = 0; cycle < 3; ++cycle)
            c.insert(QLatin1String(kColCycleSettings[setting][cycle]),
                     v.cycleSettings[setting][cycle]);
    for (size_t o = 0; o < kCycleOptionCount; ++o) {
        c.insert(QLatin1String(kColMediumOptions[o]), int(v.medium.options[o]));
        c.insert(QLatin1String(kColHeavyOptions[o]), int(v.heavy.options[o]));
    }
    forEachPrice(v, [&](const Currency& price, const char* column, int) {
        c.insert(QLatin1String(column), price.toVariant());
    });
    return c;
}

bool AlliancePageRules::isDryer() const
{
    return values_.machineType == kTumbler || values_.machineType == kDryer;
}

Check AlliancePageRules::checkBeforeSave() const
{
    const Values& v = values_;
    if (Check c = checkInRange(v.productLine, 0, 1, kColAcaMachine, kProductLineControl,
                               QStringLiteral("product line (0 Quantum, 1 ACA)")))
        return c;
    const std::vector<int> offered = machineTypes(v.productLine);
    if (std::ranges::find(offered, v.machineType) == offered.end()) {
        QStringList kinds;
        for (int type : offered)
            kinds << QStringLiteral("%1 (%2)").arg(type).arg(machineTypeName(type));
        return inputError(
            kColMachineType, kMachineKindControl,
            QStringLiteral("The %1 line makes no machine of type %2. Choose one of: %3.")
                .arg(aca() ? QStringLiteral("ACA") : QStringLiteral("Quantum"))
                .arg(v.machineType)
                .arg(kinds.join(QStringLiteral(", "))));
    }
    if (aca() && entryOfTier(v.tier) < 0)
        return inputError(
            kColTier, kTierControl,
            QStringLiteral("The ACA tier must be 1, 3 or 4 (\"A1\", \"A3\", \"A4\")."));
    Check price;
    forEachPrice(v, [&](const Currency& amount, const char* column, int control) {
        if (!price)
            price = priceInRange(amount, column, control);
    });
    if (price)
        return price;
    if (Check c = checkInRange(v.temperatureUnit, 0, 1, kColTempUnit, kTemperatureUnitControl,
                               QStringLiteral("temperature unit (0 Fahrenheit, 1 Celsius)")))
        return c;
    for (size_t i = 0; i < 4; ++i) {
        if (Check c = checkInRange(v.temperatures[i], 0, kTemperatureCount - 1, kColTemperatures[i],
                                   kTemperatureControls[i],
                                   QStringLiteral("%1 setting (a position in its list)")
                                       .arg(QLatin1String(kDryerRowNames[i]))))
            return c;
        if (Check c = checkInRange(v.coolDownTimes[i], 0, kCoolDownCount - 1, kColCoolDown[i],
                                   kCoolDownControls[i],
                                   QStringLiteral("%1 cool down time (minutes - 1)")
                                       .arg(QLatin1String(kDryerRowNames[i]))))
            return c;
    }
    if (Check c =
            checkInRange(v.heatedCycleTime, 0, kCycleTimeCount - 1, kColHeatedTime,
                         kHeatedTimeControl, QStringLiteral("heated cycle time (minutes - 1)")))
        return c;
    if (Check c =
            checkInRange(v.noHeatCycleTime, 0, kCycleTimeCount - 1, kColNoHeatTime,
                         kNoHeatTimeControl, QStringLiteral("no heat cycle time (minutes - 1)")))
        return c;
    if (Check c = checkInRange(v.topoffTime, 0, kTopoffTimeCount - 1, kColTopoffTime,
                               kTopoffTimeControl, QStringLiteral("top-off time (minutes - 1)")))
        return c;
    for (size_t setting = 0; setting < 4; ++setting)
        for (size_t cycle = 0; cycle < 3; ++cycle)
            if (Check c =
                    checkInRange(v.cycleSettings[setting][cycle], 0, kLongestSetting[setting],
                                 kColCycleSettings[setting][cycle], kCycleSettingControls[setting],
                                 QStringLiteral("%1 %2 in minutes")
                                     .arg(QLatin1String(kCycleNames[cycle]),
                                          QLatin1String(kSettingNames[setting]))))
                return c;
    if (Check c = checkAddedCycle(v.medium, false))
        return c;
    if (Check c = checkAddedCycle(v.heavy, true))
        return c;
    if (Check c = checkInRange(v.flwExtraWash, 0, kExtraTimeCount - 1, kColFlwExtraWash,
                               kFlwExtraWashControl, QStringLiteral("extra wash time in minutes")))
        return c;
    return checkInRange(v.machineSize, 0, int(kMachineSizes.size()) - 1, kColMachineSize,
                        kMachineSizeControl,
                        QStringLiteral("machine size (a position in its list)"));
}

void AlliancePageRules::writeRecord(const CommonValues& /*common*/,
                                    STRUCT_laundry_setup& record) const
{
    const Values& v = values_;
    const bool dryer = isDryer();
    record.machine_type = uint8_t(v.machineType);
    record.aca_product_line = aca() ? 1 : 0;
    record.aca_tier = aca() ? uint32_t(v.tier) : 0;
    record.audio_time = 0;
    record.mdc_options =
        uint8_t((v.audio ? 0x08 : 0) | (dryer && v.temperatureUnit == 1 ? 0x10 : 0));
    record.mdc_pricing_flags =
        uint8_t((v.cyclePricing ? 0x02 : 0) | (dryer && v.topoff ? 0x01 : 0));
    if (!v.cyclePricing)
        record.vend_price = cents(v.vendPrice);
    if (dryer)
        writeDryerPages(v, record);
    else
        writeWasherPages(v, aca(), record);
}

void AlliancePageRules::setTokens(bool enabled)
{
    tokens_ = enabled;
    dropCyclePricingForTokens(enabled, values_.cyclePricing);
}

Check AlliancePageRules::checkTokens(bool enabled) const
{
    return refuseCyclePricingWithTokens(enabled, values_.cyclePricing, kCyclePricingControl);
}

std::vector<AlliancePageRules::Page> AlliancePageRules::pages() const
{
    if (isDryer())
        return {Page::Main, Page::DryerPrices, Page::DryerSettings};
    const bool topLoad = values_.machineType == kTopLoadWasher;
    if (aca())
        return {Page::Main, Page::WasherPrices, topLoad ? Page::AcaTopLoad : Page::AcaFrontLoad};
    return {Page::Main, Page::WasherPrices,
            topLoad ? Page::QuantumTopLoad : Page::QuantumFrontLoad};
}

void AlliancePageRules::chooseProductLine(int line)
{
    values_.productLine = line;
    const std::vector<int> offered = machineTypes(line);
    if (std::ranges::find(offered, values_.machineType) != offered.end())
        return;
    values_.machineType = values_.machineType == kTumbler     ? kDryer
                          : values_.machineType == kExtractor ? kFrontLoadWasher
                                                              : kTopLoadWasher;
}

std::vector<int> AlliancePageRules::machineTypes(int productLine)
{
    if (productLine == 1)
        return {kTopLoadWasher, kFrontLoadWasher, kDryer};
    return {kTopLoadWasher, kFrontLoadWasher, kExtractor, kTumbler, kDryer};
}

QString AlliancePageRules::machineTypeName(int machineType)
{
    switch (machineType) {
    case kTopLoadWasher:
        return QStringLiteral("Top-Load Washer");
    case kFrontLoadWasher:
        return QStringLiteral("Front-Load Washer");
    case kExtractor:
        return QStringLiteral("Extractor");
    case kTumbler:
        return QStringLiteral("Tumbler");
    case kDryer:
        return QStringLiteral("Dryer");
    default:
        return QString();
    }
}

QStringList AlliancePageRules::tierEntries()
{
    QStringList entries;
    for (int tier : {1, 3, 4})
        entries << QString::asprintf("A%d", tier);
    return entries;
}

int AlliancePageRules::tierOfEntry(int entry)
{
    constexpr std::array<int, 3> tiers = {1, 3, 4};
    return entry >= 0 && entry < int(tiers.size()) ? tiers[size_t(entry)] : 0;
}

int AlliancePageRules::entryOfTier(int tier)
{
    switch (tier) {
    case 1:
        return 0;
    case 3:
        return 1;
    case 4:
        return 2;
    default:
        return -1;
    }
}

QStringList AlliancePageRules::temperatureEntries(int unit)
{
    // The tumbler temperatures of the MDC page, without its "No Heat":
    // these machines have a no-heat cycle of their own.
    QStringList entries =
        MdcPageRules::temperatureEntries(MdcPageRules::Machine::Tumbler, unit == 1 ? 1 : 0);
    entries.removeLast();
    const QString suffix = unit == 1 ? QStringLiteral(" deg. C") : QStringLiteral(" deg. F");
    for (QString& entry : entries)
        entry = entry.trimmed() + suffix;
    return entries;
}

QStringList AlliancePageRules::minuteEntries(int first, int count)
{
    return MdcPageRules::minuteEntries(first, first + count - 1);
}

QStringList AlliancePageRules::machineSizeEntries()
{
    QStringList entries;
    for (int pounds : kMachineSizes)
        entries << QString::number(pounds);
    return entries;
}

QString AlliancePageRules::washerPriceLabel(int index)
{
    return QLatin1String(kWasherPriceLabels[size_t(index)]);
}

Check AlliancePageRules::enterPrice(int control, QStringView text, Currency& price) const
{
    const char* column = "";
    forEachPrice(values_, [&](const Currency&, const char* c, int id) {
        if (id == control)
            column = c;
    });
    const std::optional<fields::ParsedMoney> parsed = fields::parseMoney(text.trimmed());
    const std::optional<Currency> amount =
        parsed ? Currency::parse(parsed->text) : std::optional<Currency>();
    if (!amount)
        return inputError(column, control,
                          QStringLiteral("Please enter a valid currency value in the form 'dd.cc' "
                                         "(dollars.cents)"));
    if (Check c = priceInRange(*amount, column, control))
        return c;
    price = *amount;
    return std::nullopt;
}

} // namespace profiles
