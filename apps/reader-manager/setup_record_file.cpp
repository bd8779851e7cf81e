#include "setup_record_file.h"

#include <QFile>

#include <cstring>

namespace readermanager {

std::optional<STRUCT_laundry_setup> readSetupRecordFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("Could not read the record file %1:\n%2").arg(path, file.errorString());
        return std::nullopt;
    }
    constexpr qsizetype kRecordSize = sizeof(STRUCT_laundry_setup);
    // One byte more than a record is enough to tell a longer file.
    const QByteArray bytes = file.read(kRecordSize + 1);
    if (bytes.size() != kRecordSize) {
        *error = QStringLiteral("The record file %1 holds %2 bytes; a setup record is %3 bytes.")
                     .arg(path)
                     .arg(bytes.size() > kRecordSize ? file.size() : bytes.size())
                     .arg(kRecordSize);
        return std::nullopt;
    }
    STRUCT_laundry_setup record;
    std::memcpy(&record, bytes.constData(), sizeof record);
    return record;
}

} // namespace readermanager
