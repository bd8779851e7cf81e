#include "collections_text.h"

#include <QLocale>

namespace datacollection {
namespace {

const QLocale& usLocale()
{
    static const QLocale kUs(QLocale::English, QLocale::UnitedStates);
    return kUs;
}

// Sign, whole dollars and the decimals (two, or four below a cent).
struct MoneyParts {
    bool negative;
    qint64 dollars;
    QString decimals;
};

MoneyParts parts(Currency amount)
{
    const qint64 units = amount.units();
    const quint64 magnitude = units < 0 ? quint64(0) - quint64(units) : quint64(units);
    const quint64 fraction = magnitude % Currency::kUnitsPerDollar;
    const QString decimals = fraction % 100 == 0
                                 ? QStringLiteral("%1").arg(fraction / 100, 2, 10, QLatin1Char('0'))
                                 : QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    return {units < 0, qint64(magnitude / Currency::kUnitsPerDollar), decimals};
}

} // namespace

QString isoDay(const QDate& day)
{
    return day.toString(Qt::ISODate);
}

QString usDate(const QDate& day)
{
    return QStringLiteral("%1/%2/%3").arg(day.month()).arg(day.day()).arg(day.year());
}

QString usDateTime(const QString& stored)
{
    const QDate day = storedDay(stored);
    if (!day.isValid())
        return stored;
    const int hour = stored.mid(11, 2).toInt();
    const QString minute = stored.mid(14, 2);
    return QStringLiteral("%1 %2:%3 %4")
        .arg(usDate(day))
        .arg(hour % 12 == 0 ? 12 : hour % 12)
        .arg(minute, hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QDate storedDay(const QString& stored)
{
    // "YYYY-MM-DD..." read by hand: this runs for every row of a report.
    if (stored.size() < 10 || stored[4] != u'-' || stored[7] != u'-')
        return {};
    bool ok[3] = {};
    const QDate day(QStringView(stored).mid(0, 4).toInt(&ok[0]),
                    QStringView(stored).mid(5, 2).toInt(&ok[1]),
                    QStringView(stored).mid(8, 2).toInt(&ok[2]));
    return ok[0] && ok[1] && ok[2] ? day : QDate();
}

QDate periodStart(ReportGrouping by, const QDate& day)
{
    switch (by) {
    case ReportGrouping::Week:
        return day.addDays(1 - day.dayOfWeek());
    case ReportGrouping::Month:
        return QDate(day.year(), day.month(), 1);
    case ReportGrouping::Day:
    case ReportGrouping::Machine:
    case ReportGrouping::Location:
        break;
    }
    return day;
}

QDate nextPeriod(ReportGrouping by, const QDate& start)
{
    switch (by) {
    case ReportGrouping::Week:
        return start.addDays(7);
    case ReportGrouping::Month:
        return start.addMonths(1);
    case ReportGrouping::Day:
    case ReportGrouping::Machine:
    case ReportGrouping::Location:
        break;
    }
    return start.addDays(1);
}

QString periodLabel(ReportGrouping by, const QDate& start)
{
    switch (by) {
    case ReportGrouping::Week:
        return QStringLiteral("Week of %1").arg(usDate(start));
    case ReportGrouping::Month:
        return usLocale().toString(start, QStringLiteral("MMM yyyy"));
    case ReportGrouping::Day:
    case ReportGrouping::Machine:
    case ReportGrouping::Location:
        break;
    }
    return usDate(start);
}

QString dollars(Currency amount)
{
    const MoneyParts p = parts(amount);
    return QStringLiteral("%1$%2.%3")
        .arg(p.negative ? QStringLiteral("-") : QString(), usLocale().toString(p.dollars),
             p.decimals);
}

QString plainMoney(Currency amount)
{
    const MoneyParts p = parts(amount);
    return QStringLiteral("%1%2.%3")
        .arg(p.negative ? QStringLiteral("-") : QString())
        .arg(p.dollars)
        .arg(p.decimals);
}

} // namespace datacollection
