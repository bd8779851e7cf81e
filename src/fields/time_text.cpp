#include "fields/time_text.h"

namespace fields {

namespace {

// Reads blanks then at least one digit from text at pos; the value is capped
// so a long run of digits cannot overflow (it is out of range anyway).
std::optional<int> readNumber(QStringView text, qsizetype& pos)
{
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    const qsizetype start = pos;
    int value = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos)
        value = qMin(value * 10 + (text[pos].unicode() - u'0'), 1000);
    if (pos == start)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<TimeOfDay> parseTimeOfDay(QStringView text)
{
    qsizetype pos = 0;
    const auto hour = readNumber(text, pos);
    if (!hour || pos >= text.size() || text[pos] != u':')
        return std::nullopt;
    ++pos;
    const auto minute = readNumber(text, pos);
    if (!minute || pos != text.size())
        return std::nullopt;
    if (*hour >= 24 || *minute >= 60)
        return std::nullopt;
    return TimeOfDay{*hour, *minute};
}

QString formatTimeOfDay(TimeOfDay time)
{
    return QString::asprintf("%d:%.2d", time.hour, time.minute);
}

} // namespace fields
