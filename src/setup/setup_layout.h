// The layout dispatcher: writes the setup card of the record's card-type code
// with the code's writer (card_type_registry.h) and reports a failed write.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

class BaseCardImage;

namespace setup {

// Status shown for a card-type code that has no layout.
inline constexpr uint8_t kStatusUnknownLayout = 1;

// True when the layout was written; otherwise "Error Writing Data To Card"
// with the status (1 for an unknown code) has been shown.
bool write_setup_layout(BaseCardImage& image, const STRUCT_laundry_setup* record);

} // namespace setup
