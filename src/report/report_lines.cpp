#include "report/report_lines.h"

#include "services/prompt.h"

namespace report {

void showReadError(const char* message)
{
    promptui::MessageBox(QString::fromLatin1(message), QStringLiteral("ERROR: Read Card"),
                         promptui::MB_OK);
}

QString onOff(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

QString cardText(const void* bytes, int size)
{
    const auto* text = static_cast<const char*>(bytes);
    int length = 0;
    while (length < size && text[length] != '\0')
        ++length;
    return QString::fromLatin1(text, length);
}

QString dollars(double amount)
{
    return QString::asprintf("$%.2f", amount);
}

QString moneyLine(const QString& label, uint32_t amount, uint32_t unit)
{
    const uint32_t v = (amount * unit) & 0xFFFF;
    return label + QString::asprintf("$%d.%2.2d\r\n", int(v / 100), int(v % 100));
}

QString machineTypeLine(uint8_t flags)
{
    const bool washer = bit(flags, 4);
    const bool dryer = bit(flags, 5);
    const char* word = washer && dryer ? "Stack Dryer"
                       : dryer         ? "Dryer"
                       : washer        ? "Washer"
                                       : "None";
    return QStringLiteral("Machine Type: ") + QLatin1String(word) + QLatin1String(kEndOfLine);
}

} // namespace report
