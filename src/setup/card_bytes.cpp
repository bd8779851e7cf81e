#include "setup/card_bytes.h"

#include "services/cardcore.h"

namespace setup {

std::array<uint8_t, 3> bcd6(uint32_t value)
{
    if (value > 999999)
        value = 0;
    std::array<uint8_t, 3> out{};
    // Fill from the least significant digit pair backwards.
    for (int i = 2; i >= 0; --i) {
        const uint32_t pair = value % 100;
        value /= 100;
        out[i] = static_cast<uint8_t>(((pair / 10) << 4) | (pair % 10));
    }
    return out;
}

std::array<uint8_t, 2> bcdWordBytes(uint16_t value)
{
    return {cardcore::hex_to_bcd(static_cast<uint8_t>(value >> 8)),
            cardcore::hex_to_bcd(static_cast<uint8_t>(value & 0xFF))};
}

} // namespace setup
