// The layout dispatcher: picks the family encoder by the record's card-type
// code, builds the family record where the family needs one, and reports a
// failed write.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

class BaseCardImage;

namespace setup {

// Status shown for a card-type code that has no layout.
inline constexpr uint8_t kStatusUnknownLayout = 1;

using LayoutWriter = uint8_t (*)(BaseCardImage& image, const STRUCT_laundry_setup& record);

// The writer of `cardTypeCode`, or nullptr when the code is not written.
LayoutWriter layoutWriterFor(uint16_t cardTypeCode);

// True when the layout was written; otherwise "Error Writing Data To Card"
// with the status (1 for an unknown code) has been shown.
bool write_setup_layout(BaseCardImage& image, const STRUCT_laundry_setup* record);

}  // namespace setup
