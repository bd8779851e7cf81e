// Reading a setup card through the layout calls (the card in the reader, or
// the open file image's): its header, checked against the expected card
// type, and ranges of its data area.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace card {

struct SetupCardHeader {
    uint8_t type = 0;
    uint16_t custId = 0;
    uint8_t version = 0;
};

// The header of the current card; cardlayout::kStatusWrongSetupCardType
// when its type is not expectedType.
uint8_t readSetupCardHeader(uint8_t expectedType, SetupCardHeader* header);
// The same for a reader that decodes several card types alike.
uint8_t readSetupCardHeader(std::initializer_list<uint8_t> acceptedTypes, SetupCardHeader* header);

// length bytes (at most one request, 960) of the data area from offset.
uint8_t readSetupData(uint32_t offset, uint32_t length, uint8_t* out);

template <std::size_t N> using SetupBlock = std::array<uint8_t, N>;

// A whole block of the data area from offset.
template <std::size_t N> uint8_t readSetupBlock(uint32_t offset, SetupBlock<N>* block)
{
    return readSetupData(offset, static_cast<uint32_t>(N), block->data());
}

// The big-endian 16-bit number at bytes[0..1].
inline uint16_t loadBe16(const uint8_t* bytes)
{
    return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

inline void storeBe16(uint8_t* out, uint16_t value)
{
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value & 0xFF);
}

} // namespace card
