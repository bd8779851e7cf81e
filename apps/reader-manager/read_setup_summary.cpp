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

} // namespace

QString describeReadSetup(const STRUCT_laundry_setup& r, uint8_t cardVersion)
{
    const QStringList lines = {
        QStringLiteral("Card version: %1").arg(cardVersion),
        QStringLiteral("Customer id: %1").arg(r.word_02),
        QStringLiteral("Vend price: %1 cents").arg(r.vend_price),
        QStringLiteral("Top-off price: %1").arg(r.topoff_price),
        QStringLiteral("Option flags: 0x%1").arg(r.option_flags, 2, 16, QLatin1Char('0')),
        // The card keeps these times as BCD; the record holds its bytes.
        QStringLiteral("Dryer run time (BCD): %1").arg(hex4(r.dryer_run_time)),
        QStringLiteral("Heat time (BCD): %1").arg(hex4(r.heat_time)),
        QStringLiteral("Top-off time (BCD): %1").arg(hex4(r.topoff_time)),
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
