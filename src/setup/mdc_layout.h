// Speed Queen/Huebsch MDC setup card (code 193).
#pragma once

#include "laundry/laundry_setup.h"
#include "laundry/mdc_setup_card.h"

#include <array>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint32_t kMdcBlockSize = 79;

MDC_SETUP_CARD makeMdcRecord(const STRUCT_laundry_setup& record);

std::array<uint8_t, kMdcBlockSize> mdcBlock(const MDC_SETUP_CARD& card);

// The card version is the record's byte_138 (byte 1).
uint8_t CardSetMdcSetup(BaseCardImage& image, const MDC_SETUP_CARD* card);

// The layout writer of code 193.
uint8_t writeMdcLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
