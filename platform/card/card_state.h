// One simulated card: chip, flags, the 8-byte header, the key area and the
// files by id. Card image files store exactly this, and the reader slot and
// file images work on it.
#pragma once

#include "card/card_keys.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace card {

inline constexpr std::size_t kHeaderSize = 8;
inline constexpr std::size_t kHeaderTypeOffset = 0;
inline constexpr std::size_t kHeaderCustIdOffset = 1; // high byte first
inline constexpr std::size_t kHeaderVersionOffset = 3;
using CardHeader = std::array<uint8_t, kHeaderSize>;

// Largest file on a card, the data area 0x2001 included.
inline constexpr uint32_t kCardFileMaxBytes = 7872;

// The file that reads and writes reach: nullopt is the 8-byte header, which
// is what an image has selected until its first SelectFile.
using FileSelection = std::optional<uint16_t>;

struct CardState {
    uint8_t chip = 0;
    bool pom = false;
    bool initialised = false;
    CardHeader header{};
    KeyArea keys{};
    // A file's vector ends at its extent: the end of the highest byte ever
    // written. Bytes past it, up to the file's maximum, read as 00.
    std::map<uint16_t, std::vector<uint8_t>> files;

    bool operator==(const CardState&) const = default;

    // Header all FF, key area all FF, no files, not initialised.
    static CardState factoryFresh(uint8_t chip = 0, bool pom = false);
    // Erases the card: header all 0, no files, factory keys. Chip and pom stay.
    void initialise();

    uint8_t cardType() const { return header[kHeaderTypeOffset]; }
    uint16_t custId() const;
    uint8_t version() const { return header[kHeaderVersionOffset]; }
    uint32_t extent(uint16_t fileId) const;

    // Bounds-checked access; each returns a card status. Writes need an
    // initialised card. maxSize is the largest size a file may reach.
    uint8_t read(FileSelection file, uint32_t offset, uint32_t length, uint8_t* out,
                 uint32_t maxSize) const;
    uint8_t write(FileSelection file, uint32_t offset, uint32_t length, const uint8_t* in,
                  uint32_t maxSize);
    uint8_t setCardType(uint8_t type);
    uint8_t setCustId(uint16_t custId);
    uint8_t setVersion(uint8_t version);
    uint8_t setKeys(const KeyArea& keys);
};

// True when [offset, offset + length) lies inside size, without overflow.
inline bool fitsIn(uint64_t offset, uint64_t length, uint64_t size)
{
    return offset <= size && length <= size - offset;
}

} // namespace card
