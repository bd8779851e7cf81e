// The creator of Advanteck (type 217) data collection cards, which reports
// through its own card progress window and leaves the card powered.
#pragma once

#include <cstdint>

namespace datacollection {

// Formats the card in the reader as an empty Advanteck DC card for
// `custId`. 1 when created, 0 when refused, declined or failed; every
// outcome has been shown.
uint8_t createAdvanteckDcCard(uint16_t custId);

} // namespace datacollection
