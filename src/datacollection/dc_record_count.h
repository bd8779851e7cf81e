// Reading a reader DC card (type 210) record by record. The three calls
// belong together: the progress window and the card power that setup
// turns on stay on until end, whatever setup returned.
#pragma once

#include <cstdint>

namespace datacollection {

// 1 with the used length of the data area and the record count stored
// through the out-arguments (either may be null); 0 when the card could
// not be read or is no reader DC card.
uint8_t setupReadReaderDcCard(uint32_t* totalLength, uint32_t* recordCount);
// Record n, counted from 1: its 288 bytes into `buffer` when given. 1 when
// read, 0 otherwise.
uint8_t readReaderDcRecord(uint32_t recordNumber, uint8_t* buffer);
// Ends the window and powers the card off; 1.
uint8_t endReadReaderDcCard();

// Records a used length holds: the 8-byte area header does not count, a
// partial record neither. A length below the header holds none.
uint32_t recordCountOf(uint32_t usedLength);

} // namespace datacollection
