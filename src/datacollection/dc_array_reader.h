// Reading every card image of a card or card file into the host's record
// container, by the parser of each DC card type.
#pragma once

#include <cstdint>

class BaseCardImage;
class GenericDC;

namespace datacollection {

// Appends the records of every card image of `image` to `records`. 1 when
// the container then holds a record, 0 otherwise; every failure but a
// failed Init has been shown. Records of images read before a failure stay.
uint8_t fillDcArray(BaseCardImage& image, uint16_t custId, GenericDC& records);

} // namespace datacollection
