#include "specials/special_profile.h"

#include "laundry/card_types.h"

namespace specials {
namespace {

constexpr char kDayLetters[] = "SMTWTFS";

// The number a text starts with (blanks skipped), as the C library reads
// one: "9:" gives 9, ":5" gives 0.
int leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    int number = 0;
    for (; i < text.size() && text[i].isDigit(); ++i)
        number = number * 10 + text[i].digitValue();
    return number;
}

} // namespace

QString applicationTitle(Mode mode)
{
    return mode == Mode::DoorAccess ? QStringLiteral("Door Access Manager")
                                    : QStringLiteral("Reader Manager");
}

QString kindWord(Mode mode)
{
    return mode == Mode::DoorAccess ? QStringLiteral("Time Restriction")
                                    : QStringLiteral("Price Special");
}

uint8_t cardTypeOf(Mode mode)
{
    return mode == Mode::DoorAccess ? laundry::kRestrictionTimeCard : laundry::kPriceSpecialCard;
}

QString daysText(uint8_t mask)
{
    QString text;
    for (int day = 0; day < 7; ++day)
        text += (mask & dayBit(day)) ? QLatin1Char(kDayLetters[day]) : QLatin1Char(' ');
    return text;
}

uint8_t daysMask(const QString& text)
{
    uint8_t mask = 0;
    for (int day = 0; day < 7 && day < text.size(); ++day) {
        if (text[day] == QLatin1Char(kDayLetters[day]))
            mask |= dayBit(day);
    }
    return mask;
}

void SpecialEntry::setAllDay()
{
    setStart(0, 0);
    setStop(23, 59);
}

void SpecialEntry::setStart(int hour, int minute)
{
    startHour = hour >= 0 && hour <= 23 ? hour : 0;
    startMinute = minute >= 0 && minute <= 59 ? minute : 0;
}

void SpecialEntry::setStop(int hour, int minute)
{
    stopHour = hour >= 0 && hour <= 23 ? hour : 23;
    stopMinute = minute >= 0 && minute <= 59 ? minute : 59;
}

SpecialProfile SpecialProfile::defaults(Mode mode)
{
    SpecialProfile profile;
    if (mode == Mode::DoorAccess)
        profile.topoffTime = kDoorAccessTopoffTime;
    return profile;
}

QString timeText(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour, minute);
}

void readTimeText(const QString& text, int* hour, int* minute)
{
    *hour = leadingNumber(QStringView(text).left(2));
    *minute = leadingNumber(QStringView(text).right(2));
}

QString moneyText(Currency amount)
{
    // On the low 32 bits of the count, as the dialog has always shown it.
    const auto units = static_cast<int32_t>(amount.units());
    return QString::asprintf("$%d.%02d", units / 10000, (units % 10000) / 100);
}

} // namespace specials
