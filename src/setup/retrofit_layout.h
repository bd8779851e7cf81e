// Retrofit setup card (code 184): Retrofit and Electromechanical profiles.
#pragma once

#include "laundry/laundry_setup.h"
#include "laundry/setup_cards.h"

#include <array>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint8_t kRetrofitCardVersion = 2;
inline constexpr uint32_t kRetrofitBlock1Size = 130;
inline constexpr uint32_t kRetrofitBlock2Offset = 400;
inline constexpr uint32_t kRetrofitBlock2Size = 139;

RETRO_FIT_SETUP_CARD makeRetrofitRecord(const STRUCT_laundry_setup& record);

std::array<uint8_t, kRetrofitBlock1Size> retrofitBlock1(const RETRO_FIT_SETUP_CARD& card);
std::array<uint8_t, kRetrofitBlock2Size> retrofitBlock2(const RETRO_FIT_SETUP_CARD& card);

// Block 2 is written only when the record's card version is nonzero.
uint8_t CardSetRetrofitSetup(BaseCardImage& image, const RETRO_FIT_SETUP_CARD* card);

}  // namespace setup
