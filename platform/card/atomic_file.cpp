#include "card/atomic_file.h"

#include <QDir>

namespace card {
namespace {

// Large enough for a card file in a few calls, small enough that a full disk
// is noticed by the write that meets it.
constexpr qsizetype kChunkBytes = 64 * 1024;

SaveDeviceFactory& factory()
{
    static SaveDeviceFactory current;
    return current;
}

std::unique_ptr<SaveDevice> makeDevice(const QString& path)
{
    if (factory())
        return factory()(path);
    return std::make_unique<SaveDevice>(path);
}

QString failure(const QString& what, const QString& path, const QString& reason)
{
    return QStringLiteral("cannot write %1 %2: %3")
        .arg(what, QDir::toNativeSeparators(path), reason);
}

} // namespace

void setSaveDeviceFactory(SaveDeviceFactory newFactory)
{
    factory() = std::move(newFactory);
}

QString saveFileAtomically(const QString& what, const QString& path, const QByteArray& bytes)
{
    const std::unique_ptr<SaveDevice> device = makeDevice(path);
    // Buffered, a write error would surface only when commit() flushes, and
    // QSaveFile would then rename the short file into place regardless.
    if (!device->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(what, path, device->errorString());
    for (qsizetype at = 0; at < bytes.size(); at += kChunkBytes) {
        const qsizetype length = std::min(kChunkBytes, bytes.size() - at);
        if (device->write(bytes.constData() + at, length) != length) {
            const QString reason = device->errorString();
            device->cancelWriting();
            return failure(what, path, reason);
        }
    }
    if (!device->commitFile())
        return failure(what, path, device->errorString());
    return {};
}

} // namespace card
