// Reads a Retrofit-style reader setup card (types 184 and 187) in the reader
// back into a laundry setup record. It shows progress and no messages.
#pragma once

#include "laundry/laundry_setup.h"

#include <cstdint>

namespace setup {

inline constexpr uint8_t kRetrofitCardType = 184;
inline constexpr uint8_t kGen2CardType = 187;

// 1 when the card was read, 0 otherwise. *headerByte (may be null) receives
// byte 3 of the card header, the card version.
uint8_t readSetupCard(STRUCT_laundry_setup& record, uint8_t* headerByte);

// The three data-area reads of the Retrofit block into the record; false at
// the first failed read, with the earlier reads' fields already stored.
bool read_setup_data_area(STRUCT_laundry_setup* record);

}  // namespace setup
