#include "datacollection/card_holder_rows.h"

#include <QByteArray>

namespace datacollection {

QString cardSerialKey(const uint8_t* serial)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(serial) + 1, 5).toHex().toUpper());
}

QString textField(const CdbRecordset& rows, const char* column)
{
    const QVariant value = rows.GetField(QString::fromLatin1(column));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void forEachRow(CdbRecordset& rows, const std::function<bool()>& visit)
{
    if (rows.GetRecordCount() == 0)
        return;
    for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
        if (!visit())
            return;
    }
}

} // namespace datacollection
