#include "fields/choice_lists.h"

namespace fields {

namespace {

QStringList buildTimeOfDay()
{
    QStringList list;
    for (int minutes = 0; minutes < 24 * 60; minutes += 15) {
        const int hour = minutes / 60;
        const int clockHour = hour % 12 == 0 ? 12 : hour % 12;
        list << QString::asprintf("%d:%02d %s", clockHour, minutes % 60, hour < 12 ? "AM" : "PM");
    }
    return list;
}

QStringList buildDurations()
{
    QStringList list;
    for (int minutes = 15; minutes <= 47 * 60 + 45; minutes += 15) {
        if (minutes < 60)
            list << QString::asprintf("%d minutes", minutes);
        else
            list << QString::asprintf("%d:%02d %s", minutes / 60, minutes % 60,
                                      minutes == 60 ? "hour" : "hours");
    }
    return list;
}

QStringList buildTenths()
{
    QStringList list;
    for (int tenths = 0; tenths <= 20; ++tenths)
        list << QString::asprintf("%d.%d", tenths / 10, tenths % 10);
    return list;
}

QStringList buildSeconds()
{
    QStringList list;
    for (int seconds = 0; seconds <= 7 * 60; seconds += 15) {
        if (seconds < 60)
            list << QString::asprintf("%d secs", seconds);
        else
            list << QString::asprintf("%d:%02d mins", seconds / 60, seconds % 60);
    }
    return list;
}

} // namespace

const QStringList& timeOfDayChoices()
{
    static const QStringList list = buildTimeOfDay();
    return list;
}

const QStringList& durationChoices()
{
    static const QStringList list = buildDurations();
    return list;
}

const QStringList& decimalPointChoices()
{
    static const QStringList list = {QStringLiteral("10000"),  QStringLiteral("10000."),
                                     QStringLiteral("1000.0"), QStringLiteral("100.00"),
                                     QStringLiteral("10.000"), QStringLiteral("1.0000")};
    return list;
}

const QStringList& tenthsChoices()
{
    static const QStringList list = buildTenths();
    return list;
}

const QStringList& secondsChoices()
{
    static const QStringList list = buildSeconds();
    return list;
}

} // namespace fields
