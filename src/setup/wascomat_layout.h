// Wascomat setup card (code 200), written straight from the setup record.
#pragma once

#include "laundry/laundry_setup.h"

#include <array>
#include <cstddef>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint8_t kWascomatCardType = 200;
inline constexpr uint8_t kWascomatCardVersion = 0;
inline constexpr std::size_t kWascomatBlockSize = 109;

std::array<uint8_t, kWascomatBlockSize> wascomatBlock(const STRUCT_laundry_setup& record);

uint8_t CardSetWascomatGen7Setup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// The writer of code 200.
uint8_t writeWascomatSetup(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
