#include "card/card_image_file.h"

#include "card/atomic_file.h"
#include "card/crc32.h"
#include "card/input_file.h"

#include <QtEndian>
#include <cstring>
#include <set>

namespace card {
namespace {

const QString kWhat = QStringLiteral("card image file");

template <typename T> void append(QByteArray& out, const T& value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

QString hexId(uint16_t id)
{
    return QStringLiteral("0x%1").arg(id, 4, 16, QLatin1Char('0'));
}

// Hands out bytes of the buffer in order and never past its end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t remaining() const { return size_ - pos_; }
    std::size_t position() const { return pos_; }
    bool take(void* out, std::size_t n)
    {
        if (n > remaining())
            return false;
        std::memcpy(out, data_ + pos_, n);
        pos_ += n;
        return true;
    }
    const uint8_t* skip(std::size_t n)
    {
        if (n > remaining())
            return nullptr;
        const uint8_t* at = data_ + pos_;
        pos_ += n;
        return at;
    }

private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

QString truncatedAt(std::size_t size)
{
    return QStringLiteral("file is truncated (%1 bytes)").arg(size);
}

QString decodeImage(ByteReader& in, std::size_t fileSize, uint32_t index, CardState* card)
{
    CardImageRecord record;
    if (!in.take(&record, sizeof record))
        return truncatedAt(fileSize);
    if (record.flags & ~(kImageFlagPom | kImageFlagInitialised))
        return QStringLiteral("image %1 has unknown flags 0x%2")
            .arg(index)
            .arg(record.flags, 2, 16, QLatin1Char('0'));
    card->chip = record.chip;
    card->pom = record.flags & kImageFlagPom;
    card->initialised = record.flags & kImageFlagInitialised;
    std::memcpy(card->header.data(), record.header, kHeaderSize);
    std::memcpy(card->keys.data(), record.keys, kKeyAreaSize);

    const uint32_t fileCount = qFromLittleEndian(record.fileCount);
    if (fileCount > in.remaining() / sizeof(CardFileRecord))
        return QStringLiteral("file count %1 of image %2 runs past the end of the file")
            .arg(fileCount)
            .arg(index);
    for (uint32_t f = 0; f < fileCount; ++f) {
        CardFileRecord file;
        if (!in.take(&file, sizeof file))
            return truncatedAt(fileSize);
        const uint16_t id = qFromLittleEndian(file.id);
        const uint32_t extent = qFromLittleEndian(file.extent);
        if (card->files.count(id))
            return QStringLiteral("file %1 appears twice in image %2").arg(hexId(id)).arg(index);
        if (extent > kImageFileMaxBytes)
            return QStringLiteral("file %1 of image %2 holds %3 bytes, more than the %4 allowed")
                .arg(hexId(id))
                .arg(index)
                .arg(extent)
                .arg(kImageFileMaxBytes);
        const uint8_t* bytes = in.skip(extent);
        if (bytes == nullptr)
            return QStringLiteral("file %1 of image %2: %3 bytes run past the end of the file")
                .arg(hexId(id))
                .arg(index)
                .arg(extent);
        card->files.emplace(id, std::vector<uint8_t>(bytes, bytes + extent));
    }
    return {};
}

QString decode(const QByteArray& bytes, std::vector<CardState>* images)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    ByteReader in(data, size);

    CardFileHeader header;
    if (size >= sizeof header.magic &&
        std::memcmp(data, kCardFileMagic, sizeof kCardFileMagic) != 0)
        return QStringLiteral("not a card image file (wrong magic)");
    if (!in.take(&header, sizeof header))
        return truncatedAt(size);
    const uint16_t version = qFromLittleEndian(header.version);
    if (version != kCardFileVersion)
        return QStringLiteral("unsupported card image format version %1 (this program reads "
                              "version %2)")
            .arg(version)
            .arg(kCardFileVersion);
    const uint32_t imageCount = qFromLittleEndian(header.imageCount);
    if (imageCount == 0)
        return QStringLiteral("the file holds no card images");
    if (imageCount > in.remaining() / sizeof(CardImageRecord))
        return QStringLiteral("image count %1 runs past the end of the file").arg(imageCount);

    for (uint32_t i = 0; i < imageCount; ++i) {
        CardState card;
        if (QString error = decodeImage(in, size, i, &card); !error.isEmpty())
            return error;
        images->push_back(std::move(card));
    }

    uint32_t storedCrc;
    const std::size_t crcOffset = in.position();
    if (!in.take(&storedCrc, sizeof storedCrc))
        return truncatedAt(size);
    if (in.remaining() != 0)
        return QStringLiteral("%1 unexpected bytes after the checksum").arg(in.remaining());
    storedCrc = qFromLittleEndian(storedCrc);
    const uint32_t computed = crc32(data, crcOffset);
    if (storedCrc != computed)
        return QStringLiteral("checksum mismatch (stored %1, computed %2)")
            .arg(storedCrc, 8, 16, QLatin1Char('0'))
            .arg(computed, 8, 16, QLatin1Char('0'));
    return {};
}

} // namespace

QByteArray encodeCardImages(const std::vector<CardState>& images)
{
    QByteArray out;
    CardFileHeader header{};
    std::memcpy(header.magic, kCardFileMagic, sizeof header.magic);
    header.version = qToLittleEndian(kCardFileVersion);
    header.imageCount = qToLittleEndian(static_cast<uint32_t>(images.size()));
    append(out, header);
    for (const CardState& card : images) {
        CardImageRecord record{};
        record.chip = card.chip;
        record.flags =
            (card.pom ? kImageFlagPom : 0) | (card.initialised ? kImageFlagInitialised : 0);
        std::memcpy(record.header, card.header.data(), kHeaderSize);
        std::memcpy(record.keys, card.keys.data(), kKeyAreaSize);
        record.fileCount = qToLittleEndian(static_cast<uint32_t>(card.files.size()));
        append(out, record);
        for (const auto& [id, bytes] : card.files) {
            CardFileRecord file{};
            file.id = qToLittleEndian(id);
            file.extent = qToLittleEndian(static_cast<uint32_t>(bytes.size()));
            append(out, file);
            out.append(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qsizetype>(bytes.size()));
        }
    }
    const uint32_t crc =
        qToLittleEndian(crc32(reinterpret_cast<const uint8_t*>(out.constData()), out.size()));
    append(out, crc);
    return out;
}

QString decodeCardImages(const QByteArray& bytes, std::vector<CardState>* images)
{
    images->clear();
    QString error = decode(bytes, images);
    if (!error.isEmpty())
        images->clear();
    return error;
}

QString loadCardImageFile(const QString& path, std::vector<CardState>* images)
{
    images->clear();
    QByteArray bytes;
    if (QString error = readInputFile(kWhat, path, {kCardFileMaxBytesOnDisk}, &bytes);
        !error.isEmpty())
        return error;
    if (QString error = decodeCardImages(bytes, images); !error.isEmpty())
        return QStringLiteral("card image file %1 is damaged: %2").arg(path, error);
    return {};
}

QString saveCardImageFile(const QString& path, const std::vector<CardState>& images)
{
    return saveFileAtomically(kWhat, path, encodeCardImages(images));
}

} // namespace card
