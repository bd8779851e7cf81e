#include "profiles/pages/gen2_page_rules.h"

#include "profiles/pages/integer_field.h"

#include <array>

namespace profiles {

namespace {

constexpr char kColWasher[] = "WASHER";
constexpr char kColDryer[] = "DRYER";
constexpr char kColWash[] = "WASH";
constexpr char kColRinse[] = "RINSE";
constexpr char kColDry[] = "DRY";

constexpr std::array<IntegerField, 3> kTimeFields = {{
    {Gen2PageRules::kWashControl, kColWash, 0, Gen2PageRules::kTimeMaximum},
    {Gen2PageRules::kRinseControl, kColRinse, 0, Gen2PageRules::kTimeMaximum},
    {Gen2PageRules::kCycleTimeControl, kColDry, 0, Gen2PageRules::kTimeMaximum},
}};

} // namespace

QString Gen2PageRules::pageName() const
{
    return QStringLiteral("IDD_OPTIONS_GEN2");
}

void Gen2PageRules::reset()
{
    // The washer value is the position of the chosen button in the
    // Washer/Dryer pair, so resetting it to 0 chooses Washer, the default.
    machine_ = Machine::Washer;
    wash_ = 0;
    rinse_ = 0;
    cycleTime_ = 0;
}

void Gen2PageRules::load(const ColumnValues& columns)
{
    // Dryer only when the row says dryer and not washer; a row holding
    // neither (or both) shows the default.
    const bool dryer = flagValue(columns, kColDryer) && !flagValue(columns, kColWasher);
    machine_ = dryer ? Machine::Dryer : Machine::Washer;
    wash_ = intValue(columns, kColWash);
    rinse_ = intValue(columns, kColRinse);
    cycleTime_ = intValue(columns, kColDry);
}

ColumnValues Gen2PageRules::columns() const
{
    return {
        {kColWasher, machine_ == Machine::Washer ? 1 : 0},
        {kColDryer, machine_ == Machine::Dryer ? 1 : 0},
        {kColWash, wash_},
        {kColRinse, rinse_},
        {kColDry, cycleTime_},
    };
}

Check Gen2PageRules::checkFields() const
{
    const std::array<int, 3> values = {wash_, rinse_, cycleTime_};
    for (size_t i = 0; i < kTimeFields.size(); ++i)
        if (Check refused = checkIntegerField(kTimeFields[i], values[i]))
            return refused;
    return std::nullopt;
}

void Gen2PageRules::writeRecord(const CommonValues& common, STRUCT_laundry_setup& record) const
{
    record.washer = machine_ == Machine::Washer ? 1 : 0;
    record.dryer = machine_ == Machine::Dryer ? 1 : 0;
    record.topoff_price_alt = uint16_t(common.topoffPrice.units() / 100);
    record.wash = uint8_t(wash_);
    record.rinse = uint8_t(rinse_);
    record.dry = uint8_t(cycleTime_);
}

void Gen2PageRules::click(Machine button)
{
    if (button == machine_)
        machine_ = button == Machine::Washer ? Machine::Dryer : Machine::Washer;
    else
        machine_ = button;
}

int* Gen2PageRules::valueOf(int control)
{
    switch (control) {
    case kWashControl:
        return &wash_;
    case kRinseControl:
        return &rinse_;
    case kCycleTimeControl:
        return &cycleTime_;
    default:
        return nullptr;
    }
}

Check Gen2PageRules::readField(int control, QStringView text)
{
    const IntegerField* field = findIntegerField(kTimeFields, control);
    int* value = valueOf(control);
    if (!field || !value)
        return std::nullopt;
    return readIntegerField(*field, text, *value);
}

} // namespace profiles
