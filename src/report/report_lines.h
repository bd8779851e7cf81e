// The pieces every card-details formatter shares: line texts in the report's
// own formats, card text fields, and the read-error message.
#pragma once

#include <QString>

#include <cstdint>

namespace report {

inline constexpr char kEndOfLine[] = "\r\n";

// The three read-error texts; each is shown titled "ERROR: Read Card".
inline constexpr char kErrorReadingData[] = "Error reading data on card";
inline constexpr char kErrorReadingSetup[] = "Error reading setup from card";
inline constexpr char kErrorReadingPriceSpecial[] = "Error reading data from card";

// Shows a read error with an OK button and no owner; nothing is appended.
void showReadError(const char* message);

// "ON" or "OFF".
QString onOff(bool on);

// A card text field as "%.<size>s" prints it: up to `size` bytes, stopping at
// the first NUL.
QString cardText(const void* bytes, int size);

// "$%.2f" of a count of cents times 0.01, e.g. "$1.25".
QString dollars(double amount);
inline QString centsAsDollars(uint16_t cents)
{
    return dollars(cents * 0.01);
}

// "%s$%d.%2.2d\r\n" with v = (amount x unit) mod 2^16 cents.
QString moneyLine(const QString& label, uint32_t amount, uint32_t unit);

// "Machine Type: " + "Stack Dryer" (bits 4 and 5), "Dryer" (bit 5), "Washer"
// (bit 4) or "None" + "\r\n".
QString machineTypeLine(uint8_t flags);

inline bool bit(uint32_t value, int n)
{
    return ((value >> n) & 1u) != 0;
}

} // namespace report
