// The steps every family encoder follows: card version, the 3-byte card
// header, then the setup data blocks in file 0x2001.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

class BaseCardImage;

namespace setup {

// Encoder statuses of their own; the card's statuses pass through unchanged.
inline constexpr uint8_t kStatusWriteFailed = 22;
inline constexpr uint8_t kStatusSelectFailed = 38;
inline constexpr uint8_t kStatusOk = 0;

struct SetupBlock {
    uint32_t offset; // in file 0x2001
    std::span<const uint8_t> bytes;
};

struct CardHeader {
    uint8_t cardType;
    uint16_t custId; // written high byte first
};

// 1. SetCardVersion (its status returned unchanged), 2. header write before
// any SelectFile (22), 3. SelectFile 0x2001 (38), 4. each block (22).
// A nonzero `statusAfterHeader` is an encoder's own refusal of its input: it
// is returned once the header is written, before the setup file is selected
// (the card then carries the new type but no setup data).
uint8_t writeSetupCard(BaseCardImage& image, uint8_t cardVersion, CardHeader header,
                       std::initializer_list<SetupBlock> blocks,
                       uint8_t statusAfterHeader = kStatusOk);

} // namespace setup
