// Generic setup card (code 202): the raw bytes of the profile's setup file,
// under a card type the profile chooses.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

class BaseCardImage;

namespace setup {

inline constexpr uint8_t kManualCardVersion = 0;
inline constexpr uint32_t kManualBlockSize = sizeof(STRUCT_laundry_setup::manual_setup_data);

// The header's card type is `setup_byte_1`, not the record's card-type code.
uint8_t CardSetManualSetup(BaseCardImage& image, const STRUCT_laundry_setup* record);

// Layout writer of the dispatcher (202).
uint8_t writeManualLayout(BaseCardImage& image, const STRUCT_laundry_setup& record);

} // namespace setup
