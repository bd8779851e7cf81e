// Maytag Marlin/MHN33 (code 199) and Quicksilver (201) setup cards: one
// 125-byte block at offset 0 of the setup data file, built from the setup
// record itself.
#pragma once

#include "laundry/laundry_setup.h"

#include <array>
#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint32_t kMaytagBlockSize = 125;
inline constexpr uint8_t kMaytagCardVersion = 0;
// `machine_type` of an MHN33 profile; Marlin and Quicksilver profiles carry 14.
inline constexpr uint8_t kMhn33MachineType = 16;

// Marlin covers MHN33 too: the two differ by `machine_type` only.
enum class MaytagModel { Marlin, Quicksilver };

std::array<uint8_t, kMaytagBlockSize> maytagBlock(const STRUCT_laundry_setup& record,
                                                  MaytagModel model);

uint8_t CardSetMarlinSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);
uint8_t CardSetQuicksilverSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// Layout writers of the dispatcher.
uint8_t writeMarlinLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);      // 199
uint8_t writeQuicksilverLayout(BaseCardImage& image, const STRUCT_laundry_setup& record); // 201

} // namespace setup
