// Card keys, BCD helpers and the installation's token setting.
#pragma once

#include <cstdint>

class BaseCardImage;

namespace cardcore {

// Writes the loaded access keys onto the image; status 0 on success.
uint8_t CardSetKeys(BaseCardImage& image);

// One byte 0..99 to packed BCD and back.
uint8_t hex_to_bcd(uint8_t value);
uint8_t bcd_to_hex(uint8_t bcd);

// Whether tokens are in use in this installation (default: on). The hosts
// change it; the library only reads it.
bool GetTokensEnabled();
void SetTokensEnabled(bool enabled);

}  // namespace cardcore
