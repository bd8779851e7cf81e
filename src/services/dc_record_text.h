// A data collection record's identity as hosts show it: the ids without
// their blank padding, the collection time as a date.
#pragma once

#include "services/dc_records.h"

#include <QByteArray>
#include <QString>

namespace cardcore {

// A machine or location id: its characters up to the padding blanks.
inline QString dcIdText(const char (&id)[10])
{
    qsizetype size = sizeof id;
    while (size > 0 && (id[size - 1] == ' ' || id[size - 1] == '\0'))
        --size;
    return QString::fromLatin1(id, size);
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
