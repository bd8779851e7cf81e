// The profiles of time-bound special prices and door access restriction
// times, and one entry of each, as the dialog, the command line and the card
// writer hold them; their texts in the PRICE PROFILES and PRICE SPECIALS
// tables.
#pragma once

#include "services/dao.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace specials {

// Which of the two kinds of profile an operation works on.
enum class Mode { PriceSpecial, DoorAccess };

// A door access profile is told apart by this topoff time.
inline constexpr int kDoorAccessTopoffTime = -1;
// More entries than this do not fit a card's reader.
inline constexpr int kMaxEntries = 23;
inline constexpr int kProfileNameMaxLength = 32;
inline constexpr int kMaxTopoffTime = 100;

// "Reader Manager" or "Door Access Manager": the title of the dialog's
// message boxes.
QString applicationTitle(Mode mode);
// "Price Special" or "Time Restriction".
QString kindWord(Mode mode);
// 0xB0 price special card, 0xBE restriction time card.
uint8_t cardTypeOf(Mode mode);

// Days mask bits: Sunday 0x02 ... Saturday 0x80; bit 0 is never set.
inline constexpr uint8_t kAllDays = 0xFE;
inline constexpr uint8_t dayBit(int day) // 0 Sunday .. 6 Saturday
{
    return static_cast<uint8_t>(0x02 << day);
}

// The seven-letter DAYS text: "SMTWTFS" with a blank for each day off.
QString daysText(uint8_t mask);
// Position n holding the letter of day n turns that day on; anything else
// (or a text too short) leaves it off.
uint8_t daysMask(const QString& text);

struct SpecialEntry {
    Currency price;    // 0.00: "Machine Off"
    uint8_t days = 0;  // days mask
    int startHour = 0; // 24-hour clock
    int startMinute = 0;
    int stopHour = 23;
    int stopMinute = 59;

    bool machineOff() const { return price == Currency(0); }
    bool allDay() const
    {
        return startHour == 0 && startMinute == 0 && stopHour == 23 && stopMinute == 59;
    }
    void setAllDay();
    // Out-of-range parts become 0 (start) or 23 and 59 (stop).
    void setStart(int hour, int minute);
    void setStop(int hour, int minute);

    bool operator==(const SpecialEntry&) const = default;
};

struct SpecialProfile {
    QString name;
    Currency vendPrice = Currency::fromDollars(1);
    Currency topoffPrice;
    int topoffTime = 0; // minutes; kDoorAccessTopoffTime for a door access profile

    // The defaults of a new profile of the mode.
    static SpecialProfile defaults(Mode mode);
    bool operator==(const SpecialProfile&) const = default;
};

// "HH:MM" as the START TIME and STOP TIME columns hold it.
QString timeText(int hour, int minute);
// The hour from the first two characters, the minute from the last two;
// what is no number reads 0.
void readTimeText(const QString& text, int* hour, int* minute);
// "$%d.%02d" of a currency amount.
QString moneyText(Currency amount);

} // namespace specials
