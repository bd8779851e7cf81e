#include "profiles/pages/mdc_page_rules.h"
#include "profiles/card_limits.h"
#include "profiles/pages/cycle_pricing_tokens.h"

#include "fields/money_text.h"

#include <cstdio>

namespace profiles {
namespace {

constexpr char kColCycleOption[] = "CYCLE OPTION";
constexpr char kColMachineType[] = "MACHINE TYPE";
constexpr char kColCoolTime[] = "COOL TIME";
constexpr char kColHeatTime[] = "HEAT TIME";
constexpr char kColTopoffTime[] = "TOPOFF TIME";
constexpr char kColAudioTime[] = "AUDIO TIME";
constexpr std::array<const char*, 4> kColTemperatures = {"TEMP HIGH", "TEMP MED", "TEMP LOW",
                                                         "TEMP DELICATE"};
constexpr char kColTempUnit[] = "TEMP UNIT";
constexpr char kColAudio[] = "AUDIO";
constexpr char kColActiveTime[] = "ACTIVE TIME";
constexpr char kColWaterSaver[] = "WATER SAVER";
constexpr char kColDisableTopoff[] = "DISABLE TOPOFF";
constexpr char kColTimeBasePricing[] = "TIME BASE PRICING";
constexpr char kColCyclePricing[] = "CYCLE PRICING";
// Grid rows top to bottom.
constexpr std::array<const char*, 4> kColRegular = {"REG HEAVY PRICE", "REG NORMAL PRICE",
                                                    "REG PERM PRESS PRICE", "REG DELICATE PRICE"};
constexpr std::array<const char*, 4> kColSpecial = {"SPEC HEAVY PRICE", "SPEC NORMAL PRICE",
                                                    "SPEC PERM PRESS PRICE", "SPEC DELICATE PRICE"};
constexpr char kColSpecBegin[] = "SPEC PRICE BEGIN";
constexpr char kColSpecEnd[] = "SPEC PRICE END";

// The record's price entries: normal, delicate, heavy, perm press; the grid
// rows hold heavy, normal, perm press, delicate.
constexpr std::array<int, 4> kEntryOfRow = {2, 0, 3, 1};
constexpr int kPermPressEntry = 3;

constexpr std::array<int, 19> kFahrenheit = {190, 185, 180, 175, 170, 165, 160, 155, 150, 145,
                                             140, 135, 130, 125, 120, 115, 110, 105, 100};
constexpr std::array<int, 19> kCelsius = {87, 85, 82, 79, 76, 73, 71, 68, 65, 62,
                                          60, 57, 54, 51, 48, 46, 43, 40, 37};
// A dryer lists the temperatures from the seventh (160 F) on.
constexpr int kDryerFirstTemperature = 6;

struct KindDefaults {
    std::array<int, 4> temperatures;
    int cycleTime;
    int coolDown;
    int topoffTime;
};
constexpr KindDefaults kDryerDefaults = {{0, 1, 3, 9}, 42, 3, 15};
constexpr KindDefaults kTumblerDefaults = {{0, 2, 6, 12}, 9, 1, 10};

constexpr char kInvalidValueCaption[] = "Invalid Value Entered";
constexpr char kTimeOfDayCaption[] = "  Time of Day Pricing Configuration is incomplete.";

QString timeText(int hour, int minute)
{
    return QStringLiteral("%1:%2")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'));
}

// "HH:MM" as the page writes it.
bool readTime(QStringView text, int& hour, int& minute)
{
    if (text.size() != 5 || text[2] != u':')
        return false;
    bool hourOk = false;
    bool minuteOk = false;
    hour = text.left(2).toInt(&hourOk);
    minute = text.right(2).toInt(&minuteOk);
    return hourOk && minuteOk && text[0].isDigit() && text[3].isDigit() && hour < 24 && minute < 60;
}

Refusal coolDownRefusal(int control)
{
    const QString message =
        control == MdcPageRules::kCycleTimeControl
            ? QStringLiteral("Please select a different value. Cycle Time \ncannot be less then "
                             "the Cool Down Time.")
            : QStringLiteral("Please select a different value. Cool Down Time \ncannot be "
                             "greater then the Cycle Time.");
    return inputError(control == MdcPageRules::kCycleTimeControl ? kColHeatTime : kColCoolTime,
                      control, message, kInvalidValueCaption);
}

Refusal priceRefusal(const char* column, int control)
{
    return inputError(
        column, control,
        QString::asprintf("Please enter a dollar value between $0.00 and $%.2f", 99.99));
}

} // namespace

QString MdcPageRules::pageName() const
{
    return QStringLiteral("IDD_DIALOG_ALLIANCE");
}

bool MdcPageRules::isDryer() const
{
    return machine() == Machine::Dryer || machine() == Machine::Tumbler;
}

void MdcPageRules::reset()
{
    values_ = Values{};
    tokens_ = false;
    values_.regular.fill(Currency::fromDollars(1));
    values_.special.fill(Currency::fromDollars(1));
    values_.topoffPrice = Currency::fromCents(25);
    values_.start = QStringLiteral("00:00");
    values_.end = QStringLiteral("23:59");
}

void MdcPageRules::load(const ColumnValues& columns)
{
    Values& v = values_;
    v.machine = intValue(columns, kColMachineType);
    v.audio = intValue(columns, kColAudio);
    v.toneLength = intValue(columns, kColAudioTime);
    v.washerCycle = intValue(columns, kColCycleOption);
    v.waterSaver = flagValue(columns, kColWaterSaver);
    v.temperatureUnit = intValue(columns, kColTempUnit);
    for (size_t i = 0; i < v.temperatures.size(); ++i)
        v.temperatures[i] = intValue(columns, kColTemperatures[i]);
    v.cycleTime = intValue(columns, kColHeatTime) + 1;
    v.coolDown = intValue(columns, kColCoolTime) + 1;
    v.topoff = flagValue(columns, kColDisableTopoff);
    v.topoffTime = intValue(columns, kColTopoffTime);
    for (size_t row = 0; row < 4; ++row) {
        v.regular[row] = columns.value(QLatin1String(kColRegular[row])).value<Currency>();
        v.special[row] = columns.value(QLatin1String(kColSpecial[row])).value<Currency>();
    }
    v.topoffPrice = columns.value(QLatin1String(kColTopoffPrice)).value<Currency>();
    v.cyclePricing = flagValue(columns, kColCyclePricing);
    v.timeOfDay = flagValue(columns, kColTimeBasePricing);
    for (size_t day = 0; day < v.days.size(); ++day)
        v.days[day] = flagValue(columns, kDayColumns[day]);
    v.activeTime = intValue(columns, kColActiveTime);
    v.start = textValue(columns, kColSpecBegin);
    v.end = textValue(columns, kColSpecEnd);
}

ColumnValues MdcPageRules::columns() const
{
    const Values& v = values_;
    ColumnValues columns = {
        {kColCycleOption, v.washerCycle},
        {kColMachineType, v.machine},
        {kColCoolTime, v.coolDown - 1},
        {kColHeatTime, v.cycleTime - 1},
        {kColTopoffTime, v.topoffTime},
        {kColAudioTime, v.toneLength},
        {kColTempUnit, v.temperatureUnit},
        {kColAudio, v.audio},
        {kColActiveTime, v.activeTime},
        {kColWaterSaver, int(v.waterSaver)},
        {kColDisableTopoff, int(v.topoff)},
        {kColTimeBasePricing, int(v.timeOfDay)},
        {kColCyclePricing, int(v.cyclePricing)},
        {kColTopoffPrice, v.topoffPrice.toVariant()},
        {kColSpecBegin, v.start},
        {kColSpecEnd, v.end},
    };
    for (size_t i = 0; i < v.temperatures.size(); ++i)
        columns.insert(QLatin1String(kColTemperatures[i]), v.temperatures[i]);
    for (size_t day = 0; day < v.days.size(); ++day)
        columns.insert(QLatin1String(kDayColumns[day]), int(v.days[day]));
    for (size_t row = 0; row < 4; ++row) {
        columns.insert(QLatin1String(kColRegular[row]), v.regular[row].toVariant());
        columns.insert(QLatin1String(kColSpecial[row]), v.special[row].toVariant());
    }
    return columns;
}

Check MdcPageRules::checkFields() const
{
    const Values& v = values_;
    if (Check c =
            checkInRange(v.machine, 0, 3, kColMachineType, kTopLoadControl,
                         QStringLiteral("machine type (0 Top-Load Washer, 1 Front-Load Washer, "
                                        "2 Dryer, 3 Tumbler)")))
        return c;
    if (Check c = checkInRange(v.audio, 0, 1, kColAudio, kAudioOnControl,
                               QStringLiteral("audio choice (0 On, 1 Off)")))
        return c;
    if (Check c =
            checkInRange(v.toneLength, 0, kToneLengthCount - 1, kColAudioTime, kToneLengthControl,
                         QStringLiteral("audio tone length (in steps of 0.25 seconds)")))
        return c;
    if (machine() == Machine::TopLoadWasher) {
        if (Check c = checkInRange(v.washerCycle, 3, 4, kColCycleOption, kWasherCycleControl,
                                   QStringLiteral("top-load washer cycle")))
            return c;
    } else if (machine() == Machine::FrontLoadWasher) {
        if (Check c = checkInRange(v.washerCycle, 0, 2, kColCycleOption, kWasherCycleControl,
                                   QStringLiteral("front-load washer cycle")))
            return c;
    } else {
        if (Check c = checkInRange(v.temperatureUnit, 0, 1, kColTempUnit, kFahrenheitControl,
                                   QStringLiteral("temperature unit (0 Fahrenheit, 1 Celsius)")))
            return c;
        const int noHeat = noHeatIndex(machine());
        static const std::array<QString, 4> names = {
            QStringLiteral("high temperature"), QStringLiteral("medium temperature"),
            QStringLiteral("low temperature"), QStringLiteral("delicates temperature")};
        for (size_t i = 0; i < v.temperatures.size(); ++i)
            if (Check c = checkInRange(v.temperatures[i], 0, noHeat, kColTemperatures[i],
                                       kTemperatureControls[i],
                                       names[i] + QStringLiteral(" (a position in its list)")))
                return c;
        if (Check c = checkInRange(v.cycleTime, 1, kLongestCycleTime, kColHeatTime,
                                   kCycleTimeControl, QStringLiteral("cycle time in minutes")))
            return c;
        if (Check c = checkInRange(v.coolDown, 1, kLongestCoolDown, kColCoolTime, kCoolDownControl,
                                   QStringLiteral("cool down time in minutes")))
            return c;
        if (v.coolDown > v.cycleTime)
            return coolDownRefusal(kCoolDownControl);
        if (Check c = checkInRange(v.topoffTime, 0, kLongestTopoffTime, kColTopoffTime,
                                   kTopoffTimeControl, QStringLiteral("top-off time in minutes")))
            return c;
    }
    for (size_t row = 0; row < 4; ++row) {
        if (v.regular[row] < Currency() || v.regular[row] > kHighestPrice)
            return priceRefusal(kColRegular[row], kRegularControls[row]);
        if (v.special[row] < Currency() || v.special[row] > kHighestPrice)
            return priceRefusal(kColSpecial[row], kSpecialControls[row]);
    }
    if (v.topoffPrice < Currency() || v.topoffPrice > kHighestPrice)
        return priceRefusal(kColTopoffPrice, kTopoffPriceControl);
    if (Check c = checkInRange(v.activeTime, 0, 1, kColActiveTime, kSpecificTimeControl,
                               QStringLiteral("active time (0 Specific Time, 1 All Day)")))
        return c;
    int hour = 0;
    int minute = 0;
    if (!readTime(v.start, hour, minute))
        return inputError(kColSpecBegin, kStartTimeControl,
                          QStringLiteral("The start time must be a time from 00:00 to 23:59."));
    if (!readTime(v.end, hour, minute))
        return inputError(kColSpecEnd, kEndTimeControl,
                          QStringLiteral("The end time must be a time from 00:00 to 23:59."));
    if (v.activeTime == 1 && (v.start != QLatin1String("00:00") || v.end != QLatin1String("00:00")))
        return inputError(
            kColSpecEnd, kEndTimeControl,
            QStringLiteral("With \"All Day\" chosen the special prices run from 00:00 "
                           "to 00:00."));
    return std::nullopt;
}

Check MdcPageRules::checkBeforeSave() const
{
    if (!values_.timeOfDay)
        return std::nullopt;
    for (bool day : values_.days)
        if (day)
            return std::nullopt;
    return inputError(kColTimeBasePricing, kSundayControl,
                      QStringLiteral(" One or more Active Days must be selected when Time of Day "
                                     "Pricing is enabled."),
                      kTimeOfDayCaption);
}

void MdcPageRules::writeRecord(const CommonValues& /*common*/, STRUCT_laundry_setup& record) const
{
    const Values& v = values_;
    const bool dryer = isDryer();
    record.byte_138 = 0;
    switch (machine()) {
    case Machine::TopLoadWasher:
        record.machine_type = 1;
        break;
    case Machine::FrontLoadWasher:
        record.machine_type = 2;
        break;
    case Machine::Dryer:
        record.machine_type = 9;
        break;
    case Machine::Tumbler:
        record.machine_type = 8;
        break;
    }
    if (dryer) {
        record.mdc_cycle_or_heat = uint8_t(v.cycleTime);
        record.mdc_cool_time = uint8_t(v.coolDown);
        record.temp_high = uint8_t(v.temperatures[0]);
        record.temp_med = uint8_t(v.temperatures[1]);
        record.temp_low = uint8_t(v.temperatures[2]);
        record.temp_delicate = uint8_t(v.temperatures[3]);
        record.topoff_time_alt = uint8_t(v.topoffTime);
    } else {
        record.mdc_cycle_or_heat =
            uint8_t(v.washerCycle + (machine() == Machine::FrontLoadWasher ? 3 : 0));
        record.mdc_cool_time = 0;
        record.temp_high = record.temp_med = record.temp_low = record.temp_delicate = 0;
    }
    record.audio_time = uint8_t(v.toneLength);
    uint8_t options = v.audio == 1 ? 0x04 : 0x0C;
    if ((v.waterSaver && machine() == Machine::TopLoadWasher) || (v.temperatureUnit == 1 && dryer))
        options |= 0x10;
    record.mdc_options = options;
    uint8_t days = 0;
    for (size_t day = 0; day < v.days.size(); ++day)
        if (v.days[day])
            days |= uint8_t(1u << (day + 1));
    record.mdc_days = days;
    int hour = 0;
    int minute = 0;
    if (readTime(v.start, hour, minute)) {
        record.spec_begin_hour = uint8_t(hour);
        record.spec_begin_minute = uint8_t(minute);
    }
    if (readTime(v.end, hour, minute)) {
        record.spec_end_hour = uint8_t(hour);
        record.spec_end_minute = uint8_t(minute);
    }
    record.mdc_pricing_flags = uint8_t((dryer && v.topoff ? 0x01 : 0) |
                                       (v.cyclePricing ? 0x02 : 0) | (v.timeOfDay ? 0x04 : 0));
    for (size_t row = 0; row < 4; ++row) {
        record.mdc_prices[kEntryOfRow[row]] = cents(v.regular[row]);
        record.mdc_prices[4 + kEntryOfRow[row]] = cents(v.special[row]);
    }
    if (!v.cyclePricing)
        for (int entry = 0; entry < kPermPressEntry; ++entry) {
            record.mdc_prices[entry] = record.mdc_prices[kPermPressEntry];
            record.mdc_prices[4 + entry] = record.mdc_prices[4 + kPermPressEntry];
        }
    record.topoff_price_alt = cents(v.topoffPrice);
}

void MdcPageRules::setTokens(bool enabled)
{
    // The page hears the inverse: whether cycle-based pricing may be used.
    tokens_ = enabled;
    dropCyclePricingForTokens(enabled, values_.cyclePricing);
}

Check MdcPageRules::checkTokens(bool enabled) const
{
    return refuseCyclePricingWithTokens(enabled, values_.cyclePricing, -1);
}

MdcPageRules::Enabling MdcPageRules::enabling() const
{
    const Values& v = values_;
    Enabling e;
    const bool dryer = isDryer();
    e.washerCycle = !dryer;
    e.waterSaver = machine() == Machine::TopLoadWasher;
    e.dryerSettings = dryer;
    e.toneLength = v.audio == 0;
    e.topoffTime = dryer && v.topoff;
    // The perm press (low temperature) row is the one price a card carries
    // without cycle-based pricing, for washers and dryers alike.
    for (size_t row = 0; row < 4; ++row) {
        const bool single = row == LowOrPermPress;
        e.regular[row] = single || v.cyclePricing;
        e.special[row] = single ? v.timeOfDay : (v.timeOfDay && v.cyclePricing);
    }
    e.topoffPrice = dryer && v.topoff;
    e.cyclePricing = !tokens_;
    e.timeOfDay = true;
    e.timeOfDayControls = v.timeOfDay;
    e.timeEdits = v.timeOfDay && v.activeTime == 0;
    return e;
}

void MdcPageRules::chooseMachine(Machine kind)
{
    Values& v = values_;
    v.machine = int(kind);
    switch (kind) {
    case Machine::TopLoadWasher:
    case Machine::FrontLoadWasher:
        v.washerCycle = kind == Machine::TopLoadWasher ? 4 : 0;
        v.topoff = false;
        v.topoffTime = 0;
        return;
    case Machine::Dryer:
    case Machine::Tumbler: {
        const KindDefaults& d = kind == Machine::Dryer ? kDryerDefaults : kTumblerDefaults;
        v.temperatures = d.temperatures;
        v.cycleTime = d.cycleTime;
        v.coolDown = d.coolDown;
        v.topoffTime = v.topoff ? d.topoffTime : 0;
        return;
    }
    }
}

void MdcPageRules::chooseTemperatureUnit(int unit)
{
    // The same index stays chosen, so the card carries the same code.
    values_.temperatureUnit = unit;
    const KindDefaults& d = machine() == Machine::Tumbler ? kTumblerDefaults : kDryerDefaults;
    for (size_t i = 0; i < values_.temperatures.size(); ++i)
        if (values_.temperatures[i] < 0)
            values_.temperatures[i] = d.temperatures[i];
}

void MdcPageRules::chooseAudio(int audio)
{
    values_.audio = audio;
    values_.toneLength = audio == 0 ? 2 : 0;
}

void MdcPageRules::chooseTopoff(bool on)
{
    values_.topoff = on;
    const KindDefaults& d = machine() == Machine::Tumbler ? kTumblerDefaults : kDryerDefaults;
    values_.topoffTime = on ? d.topoffTime : 0;
}

void MdcPageRules::chooseAllDay(bool allDay)
{
    values_.activeTime = allDay ? 1 : 0;
    values_.start = QStringLiteral("00:00");
    values_.end = allDay ? QStringLiteral("00:00") : QStringLiteral("23:59");
}

void MdcPageRules::checkAllDays()
{
    values_.days.fill(true);
}

Check MdcPageRules::leaveCycleTimes(int control)
{
    Values& v = values_;
    if (!isDryer() || v.cycleTime <= 0 || v.coolDown <= v.cycleTime)
        return std::nullopt;
    const KindDefaults& d = machine() == Machine::Tumbler ? kTumblerDefaults : kDryerDefaults;
    if (control == kCycleTimeControl)
        v.cycleTime = d.cycleTime;
    else
        v.coolDown = d.coolDown;
    return coolDownRefusal(control);
}

void MdcPageRules::leaveTimes(QStringView start, QStringView end)
{
    auto read = [](QStringView text, int fallbackHour, int fallbackMinute) {
        int hour = -1;
        int minute = -1;
        if (std::sscanf(text.toLatin1().constData(), "%d:%d", &hour, &minute) < 2)
            minute = -1;
        if (hour < 0 || hour > 23)
            hour = fallbackHour;
        if (minute < 0 || minute > 59)
            minute = fallbackMinute;
        return timeText(hour, minute);
    };
    values_.start = read(start, 0, 0);
    values_.end = values_.activeTime == 1 ? QStringLiteral("00:00") : read(end, 23, 59);
}

Currency* MdcPageRules::priceOf(int control)
{
    for (size_t row = 0; row < 4; ++row) {
        if (control == kRegularControls[row])
            return &values_.regular[row];
        if (control == kSpecialControls[row])
            return &values_.special[row];
    }
    return control == kTopoffPriceControl ? &values_.topoffPrice : nullptr;
}

Check MdcPageRules::enterPrice(int control, QStringView text)
{
    Currency* price = priceOf(control);
    if (price == nullptr)
        return std::nullopt;
    const std::optional<fields::ParsedMoney> parsed = fields::parseMoney(text.trimmed());
    const Currency amount =
        parsed ? Currency::parse(parsed->text).value_or(Currency()) : Currency();
    if (amount > kHighestPrice) {
        const char* column = kColTopoffPrice;
        for (size_t row = 0; row < 4; ++row) {
            if (control == kRegularControls[row])
                column = kColRegular[row];
            if (control == kSpecialControls[row])
                column = kColSpecial[row];
        }
        return priceRefusal(column, control);
    }
    *price = amount;
    return std::nullopt;
}

QStringList MdcPageRules::toneLengthEntries()
{
    QStringList entries{QStringLiteral("0")};
    for (int i = 1; i < kToneLengthCount; ++i)
        entries << QString::number(i * 0.25, 'f', 2);
    return entries;
}

QStringList MdcPageRules::washerCycleEntries(Machine kind)
{
    if (kind == Machine::TopLoadWasher)
        return {QStringLiteral("Short Cycle"), QStringLiteral("Long Cycle")};
    return {QStringLiteral("Wash and 2 Rinses"), QStringLiteral("Wash and 3 Rinses"),
            QStringLiteral("Pre-Wash, Wash, and 3 Rinses")};
}

QStringList MdcPageRules::temperatureEntries(Machine kind, int unit)
{
    const std::array<int, 19>& degrees = unit == 1 ? kCelsius : kFahrenheit;
    QStringList entries;
    for (size_t i = kind == Machine::Tumbler ? 0 : kDryerFirstTemperature; i < degrees.size(); ++i)
        entries << QString::asprintf("%2d", degrees[i]);
    entries << QStringLiteral("No Heat");
    return entries;
}

QStringList MdcPageRules::minuteEntries(int first, int last)
{
    QStringList entries;
    for (int minutes = first; minutes <= last; ++minutes)
        entries << QString::number(minutes);
    return entries;
}

int MdcPageRules::washerCycleIndex() const
{
    return machine() == Machine::TopLoadWasher ? values_.washerCycle - 3 : values_.washerCycle;
}

int MdcPageRules::noHeatIndex(Machine kind)
{
    return kind == Machine::Tumbler ? int(kFahrenheit.size())
                                    : int(kFahrenheit.size()) - kDryerFirstTemperature;
}

} // namespace profiles
