// File and record helpers the tests share.
#pragma once

#include "laundry/laundry.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstring>

namespace testfiles {

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool write(const QString& path, const QByteArray& content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

// A cleared setup record for a card type, as a host makes one.
inline STRUCT_laundry_setup setupRecord(uint16_t cardTypeCode, uint16_t price = 125,
                                        uint16_t custId = 0)
{
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    record.card_type_code = cardTypeCode;
    record.vend_price = price;
    record.word_02 = custId;
    return record;
}

template <typename T> QByteArray bytesOf(const T& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

} // namespace testfiles
