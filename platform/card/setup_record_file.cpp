#include "card/setup_record_file.h"

#include "card/atomic_file.h"
#include "card/input_file.h"

#include <QDir>

#include <cstring>

namespace card {
namespace {

const QString kWhat = QStringLiteral("record file");
constexpr qsizetype kRecordSize = sizeof(STRUCT_laundry_setup);

} // namespace

std::optional<STRUCT_laundry_setup> readSetupRecordFile(const QString& path, QString* error)
{
    QByteArray bytes;
    if (QString why = readInputFile(kWhat, path, {kRecordSize}, &bytes); !why.isEmpty()) {
        *error = why;
        return std::nullopt;
    }
    if (bytes.size() != kRecordSize) {
        *error = QStringLiteral("%1 %2 holds %3 bytes; a setup record is %4 bytes")
                     .arg(kWhat, QDir::toNativeSeparators(path))
                     .arg(bytes.size())
                     .arg(kRecordSize);
        return std::nullopt;
    }
    STRUCT_laundry_setup record;
    std::memcpy(&record, bytes.constData(), sizeof record);
    return record;
}

QString writeSetupRecordFile(const QString& path, const STRUCT_laundry_setup& record)
{
    return saveFileAtomically(kWhat, path,
                              QByteArray(reinterpret_cast<const char*>(&record), sizeof record));
}

} // namespace card
