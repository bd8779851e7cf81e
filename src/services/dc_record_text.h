// A data collection record's identity as hosts show it: the ids without
// their blank padding, the collection time as a date.
#pragma once

#include "services/dc_records.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace cardcore {

// A machine or location id as it is shown, stored and searched: at most its
// 10 characters, up to a zero byte, without the padding blanks.
inline QString dcIdText(const char (&id)[10])
{
    qsizetype size = 0;
    while (size < qsizetype(sizeof id) && id[size] != '\0')
        ++size;
    while (size > 0 && id[size - 1] == ' ')
        --size;
    return QString::fromLatin1(id, size);
}

// The collection time as the machine's clock showed it, seconds 0: a
// two-digit year above 80 is 19yy, any other 20yy. nullopt when the bytes are
// no BCD or name no real date and time (month 13, February 30, hour 24).
// Held as UTC, a time without a zone: it is stored and searched as written,
// also when the local clocks skip it, and building it costs no mktime.
inline std::optional<QDateTime> dcCollectDateTime(const uint8_t (&time)[5])
{
    int v[5];
    for (int i = 0; i < 5; ++i) {
        if ((time[i] >> 4) > 9 || (time[i] & 0x0F) > 9)
            return std::nullopt;
        v[i] = (time[i] >> 4) * 10 + (time[i] & 0x0F);
    }
    const QDate date(v[0] > 80 ? 1900 + v[0] : 2000 + v[0], v[1], v[2]);
    const QTime clock(v[3], v[4]);
    if (!date.isValid() || !clock.isValid())
        return std::nullopt;
    return QDateTime(date, clock, Qt::UTC);
}

// The collection time as "YYYY-MM-DD HH:MM": a two-digit year above 80 is
// 19yy, any other 20yy. A byte that is no BCD shows the time as the card
// holds it ("25 13 01 09 30 (BCD)").
inline QString dcCollectTimeText(const uint8_t (&time)[5])
{
    int v[5];
    for (int i = 0; i < 5; ++i) {
        const int high = time[i] >> 4;
        const int low = time[i] & 0x0F;
        if (high > 9 || low > 9)
            return QStringLiteral("%1 (BCD)")
                .arg(QString::fromLatin1(
                    QByteArray(reinterpret_cast<const char*>(time), 5).toHex(' ')));
        v[i] = high * 10 + low;
    }
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(v[0] > 80 ? 1900 + v[0] : 2000 + v[0])
        .arg(v[1], 2, 10, QLatin1Char('0'))
        .arg(v[2], 2, 10, QLatin1Char('0'))
        .arg(v[3], 2, 10, QLatin1Char('0'))
        .arg(v[4], 2, 10, QLatin1Char('0'));
}

} // namespace cardcore
