// Card image files: one or more simulated cards in our own binary format
// (docs/card-image-format.md). Loading refuses damaged files with an error
// text; saving is atomic.
#pragma once

#include "card/card_state.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace card {

inline constexpr char kCardFileMagic[4] = {'L', 'C', 'I', 'F'};
inline constexpr uint16_t kCardFileVersion = 1;
// Largest file an image may hold: the practical limit of file images, whose
// reported maximum data size is unlimited.
inline constexpr uint32_t kImageFileMaxBytes = 1024 * 1024;
// Larger card image files are refused (also while reading a pipe).
inline constexpr qint64 kCardFileMaxBytesOnDisk = 64 * 1024 * 1024;

inline constexpr uint8_t kImageFlagPom = 0x01;
inline constexpr uint8_t kImageFlagInitialised = 0x02;

#pragma pack(push, 1)
struct CardFileHeader {
    char magic[4];
    uint16_t version; // little-endian, like every number in the file
    uint16_t reserved;
    uint32_t imageCount;
};
struct CardImageRecord {
    uint8_t chip;
    uint8_t flags; // kImageFlagPom | kImageFlagInitialised
    uint8_t reserved[2];
    uint8_t header[kHeaderSize];
    uint8_t keys[kKeyAreaSize];
    uint32_t fileCount;
};
struct CardFileRecord {
    uint16_t id;
    uint16_t reserved;
    uint32_t extent; // followed by that many bytes
};
#pragma pack(pop)
static_assert(sizeof(CardFileHeader) == 12);
static_assert(offsetof(CardFileHeader, version) == 4);
static_assert(offsetof(CardFileHeader, imageCount) == 8);
static_assert(sizeof(CardImageRecord) == 32);
static_assert(offsetof(CardImageRecord, flags) == 1);
static_assert(offsetof(CardImageRecord, header) == 4);
static_assert(offsetof(CardImageRecord, keys) == 12);
static_assert(offsetof(CardImageRecord, fileCount) == 28);
static_assert(sizeof(CardFileRecord) == 8);
static_assert(offsetof(CardFileRecord, extent) == 4);
inline constexpr std::size_t kCardFileCrcSize = 4;

QByteArray encodeCardImages(const std::vector<CardState>& images);
// Fills images and returns an empty string, or returns why the bytes are not
// a valid card image file (images is then left empty).
QString decodeCardImages(const QByteArray& bytes, std::vector<CardState>* images);

QString loadCardImageFile(const QString& path, std::vector<CardState>* images);
// Atomic: on failure the file on disk is unchanged.
QString saveCardImageFile(const QString& path, const std::vector<CardState>& images);

} // namespace card
