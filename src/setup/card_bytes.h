// Number conversions shared by the setup-card layouts. Multi-byte numbers on
// setup cards are big-endian; BCD is packed decimal, two digits a byte.
#pragma once

#include <array>
#include <cstdint>

namespace setup {

// A 16-bit value as its high byte then its low byte.
inline void store_be16(uint8_t* out, uint16_t value)
{
    out[0] = static_cast<uint8_t>(value >> 8);
    out[1] = static_cast<uint8_t>(value & 0xFF);
}

// Six decimal digits packed two a byte, most significant first; a value above
// 999999 counts as 0.
std::array<uint8_t, 3> bcd6(uint32_t value);

// The BCD bytes of the high and of the low byte of a 16-bit value, in that
// order (the setup cards' time fields).
std::array<uint8_t, 2> bcdWordBytes(uint16_t value);

}  // namespace setup
