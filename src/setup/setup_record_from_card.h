// The setup record a Retrofit (184) or Maytag Gen2 (187) setup card was
// written from, as far as the card carries it, so that the record writes
// the same card again. The read-back of readSetupCard gives the fields its
// three reads take as the card holds them (BCD times, the top-off price
// times 100) and no card type; this reads the whole card and puts every
// field into the form the encoder of its card type reads.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

namespace setup {

// 1 when the card in the reader was read (progress as readSetupCard), 0
// otherwise, silently. *headerByte (may be null) gets the card version.
uint8_t readSetupRecord(STRUCT_laundry_setup& record, uint8_t* headerByte);

} // namespace setup
