#include "read_setup_summary.h"

#include <QStringList>

namespace readermanager {
namespace {

// A space-filled card text up to its first NUL, trailing blanks dropped.
QString cardText(const char* text, int size)
{
    int length = 0;
    while (length < size && text[length] != '\0')
        ++length;
    return QString::fromLatin1(text, length).trimmed();
}

QString hex4(uint16_t value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0'));
}

QString money(uint32_t cents)
{
    return QStringLiteral("$%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

// The card keeps these times as BCD and the record holds its two bytes:
// 0x0045 is 45 minutes. Bytes that are no BCD are shown as they are.
QString minutes(uint16_t bcd)
{
    int value = 0;
    for (int shift = 12; shift >= 0; shift -= 4) {
        const int digit = (bcd >> shift) & 0xF;
        if (digit > 9)
            return QStringLiteral("0x%1 (not a BCD time)").arg(hex4(bcd));
        value = value * 10 + digit;
    }
    return QStringLiteral("%1 minutes").arg(value);
}

} // namespace

QString describeReadSetup(const STRUCT_laundry_setup& r, uint8_t cardVersion)
{
    const QStringList lines = {
        QStringLiteral("Card version: %1").arg(cardVersion),
        QStringLiteral("Customer id: %1").arg(r.word_02),
        QStringLiteral("Vend price: %1").arg(money(r.vend_price)),
        // The read gives the card's top-off cents times 100.
        QStringLiteral("Top-off price: %1").arg(money(r.topoff_price / 100u)),
        QStringLiteral("Option flags: 0x%1").arg(r.option_flags, 2, 16, QLatin1Char('0')),
        QStringLiteral("Dryer run time: %1").arg(minutes(r.dryer_run_time)),
        QStringLiteral("Heat time: %1").arg(minutes(r.heat_time)),
        QStringLiteral("Top-off time: %1").arg(minutes(r.topoff_time)),
        QStringLiteral("Text 1: \"%1\"").arg(cardText(r.text_field_10, 10)),
        QStringLiteral("Text 2: \"%1\"").arg(cardText(r.text_field_1a, 10)),
        QStringLiteral("Display flags: 0x%1").arg(hex4(r.display_flags)),
        QStringLiteral("Idle message: \"%1\"").arg(cardText(r.idle_message, 30)),
        QStringLiteral("Busy message: \"%1\"").arg(cardText(r.busy_message, 30)),
        QStringLiteral("Pulses: %1").arg(r.pulses),
        QStringLiteral("Scroll speed: %1").arg(r.scroll_speed),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace readermanager
