// The fixed drop-down lists of times and durations. A field that uses one
// stores the 0-based index of the chosen entry.
#pragma once

#include <QStringList>

namespace fields {

// 96 entries, "12:00 AM" .. "11:45 PM": index i is i x 15 minutes after midnight.
const QStringList& timeOfDayChoices();
// 191 entries, "15 minutes" .. "47:45 hours": index i is (i + 1) x 15 minutes.
const QStringList& durationChoices();
// "10000" .. "1.0000": where the point sits on a five-digit display.
const QStringList& decimalPointChoices();
// 21 entries, "0.0" .. "2.0": index i is i / 10.
const QStringList& tenthsChoices();
// 29 entries, "0 secs" .. "7:00 mins": index i is i x 15 seconds.
const QStringList& secondsChoices();

inline constexpr int timeOfDayMinutes(int index)
{
    return index * 15;
}
inline constexpr int durationMinutes(int index)
{
    return (index + 1) * 15;
}
inline constexpr double tenthsValue(int index)
{
    return index / 10.0;
}
inline constexpr int secondsValue(int index)
{
    return index * 15;
}

// The entry a list shows for a stored index: the index itself when it is -1
// (no selection) up to count - 1, otherwise entry 0.
inline constexpr int choiceToSelect(int index, int count)
{
    return index >= -1 && index < count ? index : 0;
}

} // namespace fields
