// Reads a setup card in the reader back into a laundry setup record, through
// the read-back of its card type (card_type_registry.h: the Retrofit-style
// cards 184 and 187). It shows progress and no messages.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

namespace setup {

// 1 when the card was read, 0 otherwise. *headerByte (may be null) receives
// byte 3 of the card header, the card version.
uint8_t readSetupCard(STRUCT_laundry_setup& record, uint8_t* headerByte);

// The read-back of 184 and 187 cards: three data-area reads of the Retrofit
// block 1 into the record; false at the first failed read, with the earlier
// reads' fields already stored.
bool read_setup_data_area(STRUCT_laundry_setup* record);

} // namespace setup
