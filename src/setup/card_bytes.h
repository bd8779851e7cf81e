// Number conversions shared by the setup-card layouts. Multi-byte numbers on
// setup cards are big-endian; BCD is packed decimal, two digits a byte.
// Card blocks are packed structs of bytes (`uint8_t x[2]` for a BE word).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <type_traits>

namespace setup {

// A 16-bit value as its high byte then its low byte.
inline void store_be16(uint8_t* out, uint16_t value)
{
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value & 0xFF);
}

// The 16-bit value stored high byte first.
inline uint16_t load_be16(const uint8_t* in)
{
    return static_cast<uint16_t>((in[0] << 8) | in[1]);
}

// Six decimal digits packed two a byte, most significant first; a value above
// 999999 counts as 0.
std::array<uint8_t, 3> bcd6(uint32_t value);

// The BCD bytes of the high and of the low byte of a 16-bit value, in that
// order (the setup cards' time fields).
std::array<uint8_t, 2> bcdWordBytes(uint16_t value);

// The bytes of a packed card block, as they go onto the card.
template <class Block> std::span<const uint8_t> blockBytes(const Block& block)
{
    static_assert(std::is_trivially_copyable_v<Block> && alignof(Block) == 1);
    return {reinterpret_cast<const uint8_t*>(&block), sizeof block};
}

} // namespace setup
