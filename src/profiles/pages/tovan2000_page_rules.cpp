#include "profiles/pages/tovan2000_page_rules.h"

#include "profiles/card_limits.h"
#include "profiles/pages/integer_field.h"

#include <array>

namespace profiles {

namespace {

constexpr char kColRunTime[] = "DRYER RUN TIME";
constexpr char kColHeatTime[] = "HEAT TIME";
constexpr char kColTopoffTime[] = "TOPOFF TIME";

// The page sets no limits of its own; the record keeps each time in 16 bits.
constexpr int kTimeMaximum = 0xFFFF;

constexpr std::array<IntegerField, 3> kFields = {{
    {Tovan2000PageRules::kRunTimeControl, kColRunTime, 0, kTimeMaximum},
    {Tovan2000PageRules::kHeatTimeControl, kColHeatTime, 0, kTimeMaximum},
    {Tovan2000PageRules::kTopoffTimeControl, kColTopoffTime, 0, kTimeMaximum},
}};

} // namespace

int Tovan2000PageRules::heatTimeFor(int runTime)
{
    if (runTime <= 0)
        return 0;
    if (runTime < 30)
        return runTime - 1;
    if (runTime < 45)
        return runTime - 2;
    return runTime - 3;
}

QString Tovan2000PageRules::pageName() const
{
    return QStringLiteral("IDD_OPTIONS_TOVAN2000");
}

void Tovan2000PageRules::reset()
{
    runTime_ = 0;
    heatTime_ = 0;
    topoffTime_ = 0;
}

void Tovan2000PageRules::load(const ColumnValues& columns)
{
    runTime_ = intValue(columns, kColRunTime);
    heatTime_ = heatTimeFor(runTime_); // the stored heat time is not read back
    topoffTime_ = intValue(columns, kColTopoffTime);
}

ColumnValues Tovan2000PageRules::columns() const
{
    return {{kColRunTime, runTime_}, {kColHeatTime, heatTime_}, {kColTopoffTime, topoffTime_}};
}

Check Tovan2000PageRules::checkFields() const
{
    const std::array<int, 3> values = {runTime_, heatTime_, topoffTime_};
    for (size_t i = 0; i < kFields.size(); ++i)
        if (Check refused = checkIntegerField(kFields[i], values[i]))
            return refused;
    return std::nullopt;
}

Check Tovan2000PageRules::checkCardLimits() const
{
    if (Check refused = checkCardMinutes(runTime_, kColRunTime, kRunTimeControl,
                                         QStringLiteral("Dryer Run Time")))
        return refused;
    // The controller takes the cool-down time, run time less heat time.
    if (heatTime_ > runTime_)
        return cardLimitRefusal(kColHeatTime, kHeatTimeControl, QStringLiteral("Heat Time"),
                                QStringLiteral("%1 minutes").arg(heatTime_),
                                QStringLiteral("the run time, %1 minutes").arg(runTime_));
    return checkCardMinutes(topoffTime_, kColTopoffTime, kTopoffTimeControl,
                            QStringLiteral("Topoff Time"));
}

void Tovan2000PageRules::writeRecord(const CommonValues& /*common*/,
                                     STRUCT_laundry_setup& record) const
{
    record.dryer_run_time = uint16_t(runTime_);
    record.heat_time = uint16_t(heatTime_);
    record.topoff_time = uint16_t(topoffTime_);
}

int* Tovan2000PageRules::valueOf(int control)
{
    switch (control) {
    case kRunTimeControl:
        return &runTime_;
    case kHeatTimeControl:
        return &heatTime_;
    case kTopoffTimeControl:
        return &topoffTime_;
    default:
        return nullptr;
    }
}

Check Tovan2000PageRules::readField(int control, QStringView text)
{
    const IntegerField* field = findIntegerField(kFields, control);
    int* value = valueOf(control);
    if (!field || !value)
        return std::nullopt;
    return readIntegerField(*field, text, *value);
}

Check Tovan2000PageRules::leaveField(int control, QStringView text)
{
    if (Check refused = readField(control, text))
        return refused;
    if (control == kRunTimeControl)
        heatTime_ = heatTimeFor(runTime_);
    return std::nullopt;
}

} // namespace profiles
