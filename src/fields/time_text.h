// Times of day typed as "h:m" and shown as "h:mm".
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace fields {

struct TimeOfDay {
    int hour = 0;   // 0 .. 23
    int minute = 0; // 0 .. 59
};

// Two decimal numbers separated by a colon, blanks allowed around each
// number; the hour below 24 and the minute below 60. A sign or anything after
// the minute ("7:30 PM") is refused rather than read as a different time.
std::optional<TimeOfDay> parseTimeOfDay(QStringView text);

// Hour without a leading zero, minute with two digits: "7:05", "0:00".
QString formatTimeOfDay(TimeOfDay time);

} // namespace fields
