#include "profiles/pages/gen2_advanced_machine_rules.h"

#include "fields/code_fields.h"
#include "fields/number_fields.h"

#include <cstring>

namespace profiles {
namespace {

constexpr std::array<const char*, 4> kKindColumns = {"WASHER", "WASHERHORIZ", "WASHER DRYER STACK",
                                                     "DRYER"};
constexpr std::array<uint8_t, 5> kActionBits = {0x01, 0x02, 0x04, 0x10, 0x80};
constexpr int kByteMaximum = 255;
constexpr uint8_t kWasherType = 7;
constexpr uint8_t kDryerType = 8;
constexpr uint8_t kHorizontalWasherType = 9;
constexpr uint8_t kStackType = 0x0A;
constexpr uint8_t kStackModel = 0x3D;
constexpr uint8_t kModel = 0x1B;

} // namespace

const std::array<Gen2AdvancedMachineRules::NumberField, Gen2AdvancedMachineRules::kNumberCount>&
Gen2AdvancedMachineRules::numberFields()
{
    // What a new machine ships with: a 10-minute wash, a 4-minute rinse and
    // a 6-minute final spin with two rinses, 45-minute dry cycles.
    static const std::array<NumberField, kNumberCount> fields = {{
        {1021, "WASH", false, kByteMaximum, 10},
        {1024, "RINSE", false, kByteMaximum, 4},
        {1147, "PREWASH", false, kByteMaximum, 0},
        {1148, "FINAL SPIN", true, kByteMaximum, 6},
        {1149, "NUM RINSES CYCLE", true, kByteMaximum, 2},
        {1150, "TOP SPIN SPEED", true, kByteMaximum, 0},
        {1027, "DRY", false, kByteMaximum, 45},
        {1028, "REGULAR DRY", false, kByteMaximum, 45},
        {1056, "TOPOFF TIME", false, kByteMaximum, 10},
        {1151, "SUPER CYCLE TYPE", false, kByteMaximum, 0},
        {1106, "POSITION", true, kByteMaximum, 1},
        {1648, "LOCATION MACHINE", false, int(fields::kSixDigitMaximum), 0},
    }};
    return fields;
}

bool Gen2AdvancedMachineRules::kindOffered(Kind kind) const
{
    return !lg_ || kind == Kind::Washer || kind == Kind::Dryer;
}

void Gen2AdvancedMachineRules::reset()
{
    kind_ = Kind::Washer;
    kindValid_ = true;
    for (size_t n = 0; n < numbers_.size(); ++n)
        numbers_[n] = numberFields()[n].defaultValue;
    serial_.clear();
    actions_.fill(false);
}

void Gen2AdvancedMachineRules::load(const ColumnValues& columns)
{
    reset();
    // Each kind column holds its button's selection value: false means chosen.
    int chosen = 0;
    int present = 0;
    for (size_t k = 0; k < kKindColumns.size(); ++k) {
        if (!kindOffered(Kind(k)) || !columns.contains(QLatin1String(kKindColumns[k])))
            continue;
        ++present;
        if (!flagValue(columns, kKindColumns[k]) && chosen++ == 0)
            kind_ = Kind(k);
    }
    // An LG row saved as a horizontal washer is a washer.
    if (lg_ && !flagValue(columns, "WASHERHORIZ", true) && chosen == 0)
        ++chosen;
    // Values without the kind columns keep the default kind.
    kindValid_ = present == 0 || chosen == 1;
    for (size_t n = 0; n < numbers_.size(); ++n) {
        const NumberField& f = numberFields()[n];
        if (!columns.contains(QLatin1String(f.column)) || !numberShown(Number(n)))
            continue;
        if (!f.text) {
            numbers_[n] = intValue(columns, f.column);
            continue;
        }
        // A text that is no number is kept as none, which the check refuses.
        bool ok = false;
        const int value = textValue(columns, f.column).trimmed().toInt(&ok);
        numbers_[n] = ok ? value : -1;
    }
    serial_ = textValue(columns, "MACHINE SERIAL");
    for (size_t a = 0; a < actions_.size(); ++a)
        actions_[a] = flagValue(columns, kActionColumns[a]);
}

void Gen2AdvancedMachineRules::addColumns(ColumnValues& columns) const
{
    for (size_t k = 0; k < kKindColumns.size(); ++k)
        if (kindOffered(Kind(k)) || (lg_ && Kind(k) == Kind::HorizontalWasher))
            columns.insert(QLatin1String(kKindColumns[k]), int(kind_ != Kind(k)));
    for (size_t n = 0; n < numbers_.size(); ++n) {
        const NumberField& f = numberFields()[n];
        if (!numberShown(Number(n)))
            continue;
        columns.insert(QLatin1String(f.column),
                       f.text ? QVariant(QString::number(numbers_[n])) : QVariant(numbers_[n]));
    }
    columns.insert(QStringLiteral("MACHINE SERIAL"), fields::storedTenCharacterCode(serial_));
    for (size_t a = 0; a < actions_.size(); ++a)
        columns.insert(QLatin1String(kActionColumns[a]), int(actions_[a]));
}

void Gen2AdvancedMachineRules::setKind(Kind kind)
{
    kind_ = kind;
    kindValid_ = true;
}

Check Gen2AdvancedMachineRules::checkNumber(Number n, int value) const
{
    const NumberField& f = numberFields()[size_t(n)];
    if (value >= 0 && value <= f.maximum)
        return std::nullopt;
    if (n == kLocation)
        return inputError(f.column, f.control,
                          QStringLiteral("Please enter a number between the range of 0 to 999999"),
                          "Invalid Number Entered");
    return inputError(f.column, f.control,
                      QStringLiteral("Please enter an integer between 0 and %1.").arg(f.maximum));
}

Check Gen2AdvancedMachineRules::readNumber(Number n, QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    const NumberField& f = numberFields()[size_t(n)];
    if (!ok)
        return n == kLocation
                   ? checkNumber(n, -1)
                   : inputError(f.column, f.control, QStringLiteral("Please enter an integer."));
    if (Check refused = checkNumber(n, value))
        return refused;
    numbers_[size_t(n)] = value;
    return std::nullopt;
}

Check Gen2AdvancedMachineRules::checkFields() const
{
    if (!kindValid_)
        return inputError(
            lg_ ? "DRYER" : "WASHER", kKindControls[0],
            lg_ ? QStringLiteral("Choose one machine kind: Washer or Dryer.")
                : QStringLiteral("Choose one machine kind: Washer, Horizontal Washer, "
                                 "Washer/Dryer Stack or Dryer."));
    for (size_t n = 0; n < numbers_.size(); ++n)
        if (numberShown(Number(n)))
            if (Check refused = checkNumber(Number(n), numbers_[n]))
                return refused;
    for (const QChar c : serial_)
        if (!fields::isCodeCharacter(c))
            return inputError("MACHINE SERIAL", kSerialControl,
                              QStringLiteral("Please enter characters from 0-9 or A-Z"),
                              "Invalid Character Entered");
    if (!serial_.isEmpty() && serial_.size() != kSerialLength)
        return inputError("MACHINE SERIAL", kSerialControl,
                          QStringLiteral("Please enter 10 characters from 0-9 or A-Z"),
                          "Invalid Character Entered");
    return std::nullopt;
}

void Gen2AdvancedMachineRules::writeRecord(STRUCT_laundry_setup& record) const
{
    if (lg_) {
        const bool dryer = isDryer();
        record.machine_type = dryer ? kDryerType : kHorizontalWasherType;
        record.dryer = dryer ? 1 : 0;
        record.washer = dryer ? 0 : 1;
        record.washer_dryer_stack = 0;
        record.machine_model_byte = kModel;
    } else {
        // In the order of the machine kinds: a dryer, a stack, then a washer
        // of either kind.
        record.dryer = isDryer() ? 1 : 0;
        if (isDryer())
            record.machine_type = kDryerType;
        record.washer_dryer_stack = isStack() ? 1 : 0;
        if (isStack())
            record.machine_type = kStackType;
        if (kind_ == Kind::Washer)
            record.machine_type = kWasherType;
        else if (kind_ == Kind::HorizontalWasher)
            record.machine_type = kHorizontalWasherType;
        record.machine_model_byte = isStack() ? kStackModel : kModel;
    }
    const auto byte = [this](Number n) { return uint8_t(numbers_[size_t(n)]); };
    record.wash = byte(kWash);
    record.rinse = byte(kRinse);
    record.dry = byte(kDry);
    record.regular_dry = byte(kRegularDry);
    record.prewash = byte(kPrewash);
    record.final_spin = byte(kFinalSpin);
    record.num_rinses_cycle = byte(kNumRinses);
    record.top_spin_speed = byte(kTopSpinSpeed);
    record.super_cycle_type = byte(kSuperCycleType);
    if (lg_)
        record.topoff_time_alt = byte(kTopoffTime);
    record.position = uint16_t(numbers_[kPosition]);
    record.location_machine = uint32_t(numbers_[kLocation]);
    // Ten '0' characters, then the serial with its terminating NUL.
    std::memset(record.machine_serial, '0', kSerialLength);
    const QByteArray serial =
        fields::storedTenCharacterCode(serial_).left(kSerialLength).toLatin1();
    std::memcpy(record.machine_serial, serial.constData(), size_t(serial.size()));
    record.machine_serial[serial.size()] = '\0';
    uint8_t actions = 0;
    for (size_t a = 0; a < kActionBits.size(); ++a)
        if (actions_[a])
            actions |= kActionBits[a];
    record.action_flags = actions;
}

void Gen2AdvancedMachineRules::clickAllCodes(bool on)
{
    actions_.fill(on);
}

} // namespace profiles
