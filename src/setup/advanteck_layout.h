// Advantech setup card (code 192).
#pragma once

#include "laundry/advanteck_setup_card.h"
#include "laundry/laundry_setup.h"

#include <array>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint8_t kAdvanteckCardVersion = 0;
inline constexpr uint8_t kAdvanteckMarker = 0x55;
inline constexpr uint32_t kAdvanteckBlock1Size = 136;
inline constexpr uint32_t kAdvanteckBlock2Offset = 400;
inline constexpr uint32_t kAdvanteckBlock2Size = 21;

ADVNTECK_SETUP_CARD makeAdvanteckRecord(const STRUCT_laundry_setup& record);

std::array<uint8_t, kAdvanteckBlock1Size> advanteckBlock1(const ADVNTECK_SETUP_CARD& card);
std::array<uint8_t, kAdvanteckBlock2Size> advanteckBlock2(const ADVNTECK_SETUP_CARD& card);

// Always card version 0, whatever the record's version byte holds.
uint8_t CardSetAdvanteckSetup(BaseCardImage& image, const ADVNTECK_SETUP_CARD* card);

// The layout writer of code 192.
uint8_t writeAdvanteckLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
