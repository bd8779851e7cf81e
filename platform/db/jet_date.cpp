#include "jet_date.h"

#include <QRegularExpression>

namespace dao {
namespace {

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> parseTime(const QString& hours, const QString& minutes, const QString& seconds,
                               const QString& meridiem)
{
    int h = hours.toInt();
    const int m = minutes.toInt();
    const int s = seconds.isEmpty() ? 0 : seconds.toInt();
    if (!meridiem.isEmpty()) {
        if (h < 0 || h > 12)
            return std::nullopt;
        const bool pm = meridiem.startsWith(u'P', Qt::CaseInsensitive);
        h = (h % 12) + (pm ? 12 : 0);
    }
    const QTime t(h, m, s);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

} // namespace

std::optional<QDateTime> parseJetDate(QStringView text)
{
    // month/day/year (or year-month-day), then an optional time.
    static const QRegularExpression kPattern(
        QStringLiteral(R"(^\s*(?:(\d{1,2})[/-](\d{1,2})[/-](\d{4}|\d{2})|(\d{4})[/-](\d{1,2})[/-])"
                       R"((\d{1,2}))(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm]?)?)?\s*$)"));
    const auto match = kPattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    QDate date;
    if (match.capturedLength(1) > 0)
        date = QDate(fullYear(match.captured(3)), match.captured(1).toInt(),
                     match.captured(2).toInt());
    else
        date =
            QDate(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0, 0);
    if (match.capturedLength(7) > 0) {
        const auto t =
            parseTime(match.captured(7), match.captured(8), match.captured(9), match.captured(10));
        if (!t)
            return std::nullopt;
        time = *t;
    }
    return QDateTime(date, time);
}

QString usDateText(const QDateTime& value)
{
    const QDate d = value.date();
    QString text = QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
    const QTime t = value.time();
    if (t == QTime(0, 0, 0))
        return text;
    const int h12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return text + QStringLiteral(" %1:%2:%3 %4")
                      .arg(h12)
                      .arg(t.minute(), 2, 10, QLatin1Char('0'))
                      .arg(t.second(), 2, 10, QLatin1Char('0'))
                      .arg(t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

} // namespace dao
