#include "profiles/pages/display_message_page_rules.h"

#include "fields/message_text.h"
#include "profiles/card_limits.h"
#include "setup/setup_record.h"

#include <algorithm>

namespace profiles {

namespace {

Check checkMessage(const QString& text, const char* name, int control, const char* column)
{
    std::optional<QString> error = fields::messageTextError(text, QString::fromLatin1(name));
    // The editor's field stops at the display's width; a stored or imported
    // text that is longer is refused, never cut.
    if (!error && text.size() > DisplayMessagePageRules::kMessageMaxLength)
        error = QStringLiteral("The %1 message holds %2 characters; the display shows at most %3.")
                    .arg(QString::fromLatin1(name))
                    .arg(text.size())
                    .arg(DisplayMessagePageRules::kMessageMaxLength);
    if (!error)
        return std::nullopt;
    Refusal refusal;
    refusal.column = QString::fromLatin1(column);
    refusal.control = control;
    refusal.message = *error;
    return refusal;
}

// A range from 0 to `maximum`; `format` has two %1 %2 places for the bounds.
Check checkRange(std::optional<int> value, int maximum, const QString& format, int control,
                 const char* column)
{
    if (value && *value >= 0 && *value <= maximum)
        return std::nullopt;
    Refusal refusal;
    refusal.column = QString::fromLatin1(column);
    refusal.control = control;
    refusal.message = format.arg(0).arg(maximum);
    return refusal;
}

} // namespace

DisplayMessagePageRules::DisplayMessagePageRules(int code) : code_(code)
{
    reset();
}

int DisplayMessagePageRules::scrollSliderId() const
{
    return isRetrofit() ? kIdRetrofitScrollSlider : kIdElectromechanicalScrollSlider;
}

int DisplayMessagePageRules::scrollEditId() const
{
    return isRetrofit() ? kIdRetrofitScrollEdit : kIdElectromechanicalScrollEdit;
}

QString DisplayMessagePageRules::pageName() const
{
    return isRetrofit() ? QStringLiteral("IDD_OPTIONS_RETRO") : QStringLiteral("IDD_OPTIONS_SEARS");
}

void DisplayMessagePageRules::reset()
{
    values_ = DisplayMessageValues{};
    // A new reader shows its price while idle, so customers see what a vend
    // costs before they type any message; the idle message has no text yet,
    // so it is not displayed.
    values_.displayPrice = true;
    // Mid-way between slow and fast: readable on every display.
    values_.scrollSpeed = kScrollSpeedMax / 2;
    // One pulse per vend: a single coin drop into the machine's coin input.
    values_.pulses = 1;
    // Deduction "Immediate", the busy message and no dryer times are the
    // first choices of their controls and leave the machine's own timing alone.
}

void DisplayMessagePageRules::load(const ColumnValues& columns)
{
    values_.idleMessage = textValue(columns, kColIdleMessage);
    values_.busyMessage = textValue(columns, kColBusyMessage);
    values_.displayIdle = flagValue(columns, kColDisplayIdle);
    values_.displayPrice = flagValue(columns, kColDisplayPrice);
    values_.scrollSpeed = intValue(columns, kColScrollSpeed);
    values_.deduction = intValue(columns, kColDeduction);
    values_.busyDisplayType = intValue(columns, kColBusyDisplayType);
    if (isRetrofit()) {
        values_.pulses = intValue(columns, kColPulses);
    } else {
        values_.dryerRunTime = intValue(columns, kColDryerRunTime);
        values_.heatTime = intValue(columns, kColHeatTime);
        values_.topoffTime = intValue(columns, kColTopoffTime);
    }
}

ColumnValues DisplayMessagePageRules::columns() const
{
    ColumnValues columns;
    columns.insert(kColIdleMessage, values_.idleMessage);
    columns.insert(kColBusyMessage, values_.busyMessage);
    columns.insert(kColDisplayIdle, int(values_.displayIdle));
    columns.insert(kColDisplayPrice, int(values_.displayPrice));
    columns.insert(kColScrollSpeed, values_.scrollSpeed);
    columns.insert(kColDeduction, values_.deduction);
    columns.insert(kColBusyDisplayType, values_.busyDisplayType);
    if (isRetrofit()) {
        columns.insert(kColPulses, values_.pulses);
    } else {
        columns.insert(kColDryerRunTime, values_.dryerRunTime);
        columns.insert(kColHeatTime, values_.heatTime);
        columns.insert(kColTopoffTime, values_.topoffTime);
    }
    return columns;
}

Check DisplayMessagePageRules::checkScrollSpeed(std::optional<int> value) const
{
    // The two resources word the same limit differently.
    const QString format = isRetrofit() ? QStringLiteral("Please enter a value from %1 to %2.")
                                        : QStringLiteral("Please Enter a value from %1 to %2");
    return checkRange(value, kScrollSpeedMax, format, scrollEditId(), kColScrollSpeed);
}

Check DisplayMessagePageRules::checkPulses(std::optional<int> value) const
{
    return checkRange(
        value, kPulsesMax,
        QStringLiteral("Please enter a value for the Number of Pulses in the range of %1 to %2."),
        kIdPulses, kColPulses);
}

Check DisplayMessagePageRules::checkDryerRunTime(std::optional<int> value) const
{
    return checkRange(value, kDryerTimeMax, QStringLiteral("Dryer run time ranges from %1 to %2."),
                      kIdDryerRunTime, kColDryerRunTime);
}

Check DisplayMessagePageRules::checkHeatTime(std::optional<int> value) const
{
    return checkRange(value, kDryerTimeMax, QStringLiteral("Dryer heat time ranges from %1 to %2."),
                      kIdHeatTime, kColHeatTime);
}

Check DisplayMessagePageRules::checkTopoffTime(std::optional<int> value) const
{
    return checkRange(value, kDryerTimeMax,
                      QStringLiteral("Dryer topoff time ranges from %1 to %2."), kIdTopoffTime,
                      kColTopoffTime);
}

Check DisplayMessagePageRules::checkFields() const
{
    // The page's lists cannot hold anything else; a stored or imported value can.
    if (Check c = checkRange(values_.deduction, 2,
                             QStringLiteral("Please choose a Cash Deduction: Immediate (%1), "
                                            "Count Down (1) or Re-insert (%2)."),
                             kIdDeduction, kColDeduction))
        return c;
    if (Check c = checkRange(values_.busyDisplayType, 1,
                             QStringLiteral("Please choose the busy display: the busy message "
                                            "(%1) or the cycle time remaining (%2)."),
                             kIdShowBusyMessage, kColBusyDisplayType))
        return c;
    if (Check c = checkScrollSpeed(values_.scrollSpeed))
        return c;
    if (isRetrofit())
        return checkPulses(values_.pulses);
    if (Check c = checkDryerRunTime(values_.dryerRunTime))
        return c;
    if (Check c = checkHeatTime(values_.heatTime))
        return c;
    return checkTopoffTime(values_.topoffTime);
}

Check DisplayMessagePageRules::checkBeforeSave() const
{
    if (Check c = checkMessage(values_.idleMessage, "Idle", kIdIdleMessage, kColIdleMessage))
        return c;
    return checkMessage(values_.busyMessage, "Busy", kIdBusyMessage, kColBusyMessage);
}

Check DisplayMessagePageRules::checkCardLimits() const
{
    if (isRetrofit())
        return std::nullopt;
    if (Check refused = checkCardMinutes(values_.dryerRunTime, kColDryerRunTime, kIdDryerRunTime,
                                         QStringLiteral("Dryer Run Time")))
        return refused;
    if (Check refused = checkCardMinutes(values_.heatTime, kColHeatTime, kIdHeatTime,
                                         QStringLiteral("Heat Time")))
        return refused;
    return checkCardMinutes(values_.topoffTime, kColTopoffTime, kIdTopoffTime,
                            QStringLiteral("Topoff Time"));
}

void DisplayMessagePageRules::writeRecord(const CommonValues& /*common*/,
                                          STRUCT_laundry_setup& record) const
{
    // The pages keep every value within its range; an unchecked one is held
    // to what its field can carry instead of wrapping.
    const auto byte = [](int value) { return uint8_t(std::clamp(value, 0, 0xFF)); };
    const auto word = [](int value) { return uint16_t(std::clamp(value, 0, 0xFFFF)); };

    uint16_t flags = record.display_flags;
    if (values_.displayIdle)
        flags |= 0x04;
    if (!values_.displayPrice)
        flags |= 0x08;
    if (values_.busyDisplayType == 0)
        flags |= 0x10;
    record.scroll_speed = byte(values_.scrollSpeed);
    if (isRetrofit())
        record.pulses = byte(values_.pulses);
    record.deduction = word(values_.deduction);
    setup::copyTextField(record.idle_message, sizeof record.idle_message,
                         values_.idleMessage.toLatin1());
    setup::copyTextField(record.busy_message, sizeof record.busy_message,
                         values_.busyMessage.toLatin1());
    // Count Down and Re-insert also show in the display flags' low bits.
    if (values_.deduction == 1)
        flags |= 0x02;
    else if (values_.deduction == 2)
        flags |= 0x01;
    record.display_flags = flags;
    if (!isRetrofit()) {
        record.dryer_run_time = word(values_.dryerRunTime);
        record.heat_time = word(values_.heatTime);
        record.topoff_time = word(values_.topoffTime);
    }
}

} // namespace profiles
