#include "profiles/pages/maytag_options_page_rules.h"

#include "fields/number_fields.h"

#include <cstring>

namespace profiles {
namespace {

constexpr char kColPosition[] = "POSITION";
constexpr char kColLocationMachine[] = "LOCATION MACHINE";
constexpr char kColSerial[] = "MACHINE SERIAL";
constexpr char kColSetupByte1[] = "SETUP BYTE 1";
constexpr char kColSetupByte2[] = "SETUP BYTE 2";
constexpr std::array<const char*, 4> kActionColumns = {"SET SERIAL", "SET POSITION", "SET PRICE",
                                                       "SET CYCLE"};
constexpr std::array<uint8_t, 4> kActionBits = {0x01, 0x02, 0x04, 0x10};
constexpr char kColWaterLevel[] = "WATER LEVEL";
constexpr char kColTempLevel[] = "TEMP LEVEL";

constexpr uint8_t kMarlinFeatureFlags2 = 0x0A;
constexpr uint8_t kMhn33FeatureFlags2 = 0x2A;
constexpr uint8_t kWaterLevelBit = 0x40;
constexpr uint8_t kTempLevelBit = 0x80;
constexpr std::array<uint8_t, 4> kSpinSpeedCodes = {10, 20, 30, 50};

// What each MHN33 list writes for its first entry.
constexpr int kPrewashFirst = 2;
constexpr int kWashFirst = 9;
constexpr int kRinsesFirst = 2;
constexpr int kFinalSpinFirst = 3;

QStringList numbers(int first, int last)
{
    QStringList list;
    for (int n = first; n <= last; ++n)
        list << QString::number(n);
    return list;
}

// MHN33's defaults: Prewash "3", Wash "11", Number of Rinses "2", Final Spin
// "3", Spin Speed "832"; Marlin's additional minutes start at "0".
constexpr std::array<int, 5> kMhn33DefaultTimes = {1, 2, 0, 0, 2};

} // namespace

uint8_t MaytagOptionsPageRules::CycleSettings::byte() const
{
    return uint8_t((waterTemp & 0x03) | (middleBox ? 0x04 : 0) | (firstBox ? 0x08 : 0));
}

MaytagOptionsPageRules::CycleSettings MaytagOptionsPageRules::CycleSettings::fromByte(int byte)
{
    return {(byte & 0x08) != 0, (byte & 0x04) != 0, byte & 0x03};
}

const QStringList& MaytagOptionsPageRules::waterTempChoices()
{
    static const QStringList choices = {"Cold", "Cool", "Warm", "Hot"};
    return choices;
}

const QStringList& MaytagOptionsPageRules::positionChoices()
{
    static const QStringList choices = numbers(1, kPositionCount);
    return choices;
}

const std::vector<MaytagOptionsPageRules::TimeList>&
MaytagOptionsPageRules::timeLists(MaytagModel model)
{
    static const std::vector<TimeList> marlin = {
        {kAdditionalWashControl, "WASH", numbers(0, 5), false},
        {kAdditionalRinseControl, "RINSE", numbers(0, 5), false},
    };
    static const std::vector<TimeList> mhn33 = {
        {kPrewashControl, "PREWASH", numbers(2, 7), false},
        {kWashControl, "WASH", numbers(9, 17), false},
        {kRinsesControl, "RINSE", numbers(2, 3), false},
        {kFinalSpinControl, "FINAL SPIN", numbers(3, 8), true},
        {kSpinSpeedControl, "TOP SPIN SPEED", {"592", "768", "832", "992"}, true},
    };
    static const std::vector<TimeList> none;
    switch (model) {
    case MaytagModel::Marlin:
        return marlin;
    case MaytagModel::Mhn33:
        return mhn33;
    case MaytagModel::Quicksilver:
        break;
    }
    return none;
}

void MaytagOptionsPageRules::reset()
{
    position_ = 0;
    location_.clear();
    serial_.clear();
    times_.fill(0);
    if (model_ == MaytagModel::Mhn33)
        times_ = kMhn33DefaultTimes;
    // Normal Warm, Delicate Cold, Powerwash Hot; Powerwash's boxes set
    // (MHN33: its X Rinse and Prewash, the same two boxes).
    cycles_ = {CycleSettings{false, false, 2}, CycleSettings{false, false, 0},
               CycleSettings{true, true, 3}};
    setupBytesValid_ = true;
    actions_.fill(false);
    waterLevel_ = tempLevel_ = false;
}

void MaytagOptionsPageRules::load(const ColumnValues& columns)
{
    reset();
    const QString positionText = textValue(columns, kColPosition).trimmed();
    if (!positionText.isEmpty()) {
        // A text that is no entry of the list is kept as none, which the
        // check refuses; an empty one (never saved) shows the first entry.
        bool ok = false;
        const int number = positionText.toInt(&ok);
        position_ = ok && number >= 1 && number <= kPositionCount ? number - 1 : -1;
    }
    const int location = intValue(columns, kColLocationMachine);
    location_ = location == 0 ? QString() : QString::number(location);
    serial_ = textValue(columns, kColSerial);
    const std::vector<TimeList>& lists = timeLists(model_);
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!columns.contains(QLatin1String(lists[i].column)))
            continue;
        times_[i] = lists[i].asText
                        ? int(lists[i].entries.indexOf(textValue(columns, lists[i].column)))
                        : intValue(columns, lists[i].column);
    }
    const int byte1 = intValue(columns, kColSetupByte1, cycles_[kPowerwash].byte());
    const int byte2 =
        intValue(columns, kColSetupByte2, cycles_[kDelicate].byte() * 16 + cycles_[kNormal].byte());
    setupBytesValid_ = (byte1 & ~0x0F) == 0 && (byte2 & ~0xFF) == 0;
    cycles_[kNormal] = CycleSettings::fromByte(byte2 & 0x0F);
    cycles_[kDelicate] = CycleSettings::fromByte((byte2 >> 4) & 0x0F);
    cycles_[kPowerwash] = CycleSettings::fromByte(byte1);
    if (hasActionCode())
        for (size_t a = 0; a < actions_.size(); ++a)
            actions_[a] = flagValue(columns, kActionColumns[a]);
    if (model_ == MaytagModel::Mhn33) {
        waterLevel_ = flagValue(columns, kColWaterLevel);
        tempLevel_ = flagValue(columns, kColTempLevel);
    }
}

void MaytagOptionsPageRules::addColumns(ColumnValues& columns) const
{
    columns.insert(QLatin1String(kColPosition), QString::number(qMax(position_, 0) + 1));
    columns.insert(QLatin1String(kColLocationMachine), location_.trimmed().toInt());
    columns.insert(QLatin1String(kColSerial), serial_);
    const std::vector<TimeList>& lists = timeLists(model_);
    for (size_t i = 0; i < lists.size(); ++i) {
        const int index = times_[i];
        const bool inList = index >= 0 && index < lists[i].entries.size();
        columns.insert(QLatin1String(lists[i].column),
                       lists[i].asText ? QVariant(lists[i].entries.value(inList ? index : 0))
                                       : QVariant(inList ? index : 0));
    }
    columns.insert(QLatin1String(kColSetupByte1), int(cycles_[kPowerwash].byte()));
    columns.insert(QLatin1String(kColSetupByte2),
                   int(cycles_[kDelicate].byte()) * 16 + int(cycles_[kNormal].byte()));
    if (hasActionCode())
        for (size_t a = 0; a < actions_.size(); ++a)
            columns.insert(QLatin1String(kActionColumns[a]), int(actions_[a]));
    if (model_ == MaytagModel::Mhn33) {
        columns.insert(QLatin1String(kColWaterLevel), int(waterLevel_));
        columns.insert(QLatin1String(kColTempLevel), int(tempLevel_));
    }
}

Check MaytagOptionsPageRules::checkFields() const
{
    if (position_ < 0 || position_ >= kPositionCount)
        return inputError(
            kColPosition, kPositionControl,
            QStringLiteral("The Position is a number from 1 to %1.").arg(kPositionCount));
    const QString location = location_.trimmed();
    if (!location.isEmpty() &&
        (location.size() > kLocationMaxLength || !fields::checkSixDigitNumber(location))) {
        Refusal refusal{QLatin1String(kColLocationMachine), kLocationControl,
                        QStringLiteral("Please enter a number between the range of 0 to 999999")};
        refusal.caption = QStringLiteral("Invalid Number Entered");
        return refusal;
    }
    if (serial_.size() > kSerialMaxLength)
        return inputError(
            kColSerial, kSerialControl,
            QStringLiteral("The serial number has at most %1 characters.").arg(kSerialMaxLength));
    const std::vector<TimeList>& lists = timeLists(model_);
    for (size_t i = 0; i < lists.size(); ++i)
        if (times_[i] < 0 || times_[i] >= lists[i].entries.size())
            return inputError(lists[i].column, lists[i].control,
                              QStringLiteral("Please choose one of %1 .. %2.")
                                  .arg(lists[i].entries.front(), lists[i].entries.back()));
    for (const CycleSettings& cycle : cycles_)
        if (cycle.waterTemp < 0 || cycle.waterTemp >= waterTempChoices().size())
            return inputError(kColSetupByte2, kWaterTempControls[0],
                              QStringLiteral("Please choose a Water Temp."));
    if (!setupBytesValid_)
        return inputError(kColSetupByte1, kWaterTempControls[0],
                          QStringLiteral("The stored Selectable Settings hold bits no setting "
                                         "uses (SETUP BYTE 1 is 0-15, SETUP BYTE 2 0-255)."));
    return std::nullopt;
}

void MaytagOptionsPageRules::writeRecord(STRUCT_laundry_setup& record) const
{
    record.position = uint16_t((qMax(position_, 0) + 1) & 0xFF);
    record.location_machine = location_.trimmed().toUInt();
    const QByteArray serial = serial_.left(kSerialMaxLength).toLatin1();
    std::memcpy(record.machine_serial, serial.constData(), size_t(serial.size()));
    record.machine_serial[serial.size()] = '\0';
    record.setup_byte_1 = cycles_[kPowerwash].byte();
    record.setup_byte_2 = uint8_t(cycles_[kDelicate].byte() * 16 + cycles_[kNormal].byte());
    uint8_t actions = 0;
    for (size_t a = 0; a < actions_.size(); ++a)
        if (actions_[a])
            actions |= kActionBits[a];
    switch (model_) {
    case MaytagModel::Marlin:
        record.wash = uint8_t(times_[0]);
        record.rinse = uint8_t(times_[1]);
        record.feature_flags_2 = kMarlinFeatureFlags2;
        record.action_flags = actions;
        break;
    case MaytagModel::Quicksilver:
        record.feature_flags = 0;
        record.feature_flags_2 = 0;
        break;
    case MaytagModel::Mhn33:
        record.prewash = uint8_t(times_[0] + kPrewashFirst);
        record.wash = uint8_t(times_[1] + kWashFirst);
        record.rinse = uint8_t(times_[2] + kRinsesFirst);
        record.maytag_byte_1ff = uint8_t(times_[3] + kFinalSpinFirst);
        record.top_spin_speed = kSpinSpeedCodes[size_t(qBound(0, times_[4], 3))];
        record.feature_flags_2 = uint8_t(kMhn33FeatureFlags2 | (waterLevel_ ? kWaterLevelBit : 0) |
                                         (tempLevel_ ? kTempLevelBit : 0));
        record.action_flags = actions;
        break;
    }
}

} // namespace profiles
