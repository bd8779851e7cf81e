// Maytag Gen2 (code 187), Gen2 Advanced (185) and LG (197) setup cards: one
// 125-byte block at offset 0 of the setup data file.
#pragma once

#include "laundry/gen2_setup_card.h"
#include "laundry/laundry_setup.h"

#include <array>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint32_t kGen2BlockSize = 125;
inline constexpr uint8_t kGen2CardVersion = 0;
inline constexpr uint8_t kGen2AdvancedCardVersion = 1;
inline constexpr uint8_t kLgCardVersion = 1;

GEN2_SETUP_CARD makeGen2Record(const STRUCT_laundry_setup& record);         // 187
GEN2_SETUP_CARD makeGen2AdvancedRecord(const STRUCT_laundry_setup& record); // 185
GEN2_LG_SETUP_CARD makeLgRecord(const STRUCT_laundry_setup& record);        // 197

std::array<uint8_t, kGen2BlockSize> gen2Block(const GEN2_SETUP_CARD& card);
std::array<uint8_t, kGen2BlockSize> lgBlock(const GEN2_LG_SETUP_CARD& card);

// Card version and header come from the family record.
uint8_t CardSetGen2Setup(BaseCardImage& image, const GEN2_SETUP_CARD* card);
uint8_t CardSetLgSetup(BaseCardImage& image, const GEN2_LG_SETUP_CARD* card);

// Layout writers of the dispatcher: build the family record, then encode it.
uint8_t writeGen2AdvancedLayout(BaseCardImage& image, const STRUCT_laundry_setup& record); // 185
uint8_t writeGen2Layout(BaseCardImage& image, const STRUCT_laundry_setup& record);         // 187
uint8_t writeLgLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);           // 197

} // namespace setup
