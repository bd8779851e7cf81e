// Turns a filled laundry setup record into a reader setup card, or into a
// setup file when the image is a file image.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

class BaseCardImage;

namespace setup {

// 1 when the card or file was written, 0 otherwise; every outcome has been
// shown to the operator.
uint8_t createSetupCard(BaseCardImage& image, uint16_t custId, const STRUCT_laundry_setup& record);

} // namespace setup
