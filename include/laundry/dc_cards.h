// Exported data collection card entry points: formatting DC cards and
// reading back what the machines wrote onto them.
#pragma once

#include "laundry/laundry_export.h"

#include <cstdint>

class BaseCardImage;
class GenericDC;

extern "C" {

// Each formats the card in the reader as an empty data collection card for
// `custId`: a reader card (type 210; the plain and complex creators differ
// only in their progress title and pass the low byte of `dcOption` on), a
// manual card (212) or an Advanteck card (217; both ignore the second
// argument). 1 when created, 0 when declined or failed; every outcome has
// been shown.
LAUNDRY_EXPORT uint8_t create_laundry_dc_card(uint16_t custId, uint32_t dcOption);
LAUNDRY_EXPORT uint8_t create_complex_laundry_dc_card(uint16_t custId, uint32_t dcOption);
LAUNDRY_EXPORT uint8_t create_laundry_manual_dc_card(uint16_t custId, uint32_t unused);
LAUNDRY_EXPORT uint8_t create_adv_dc_card(uint16_t custId, uint32_t unused);

// Record-count reading of a reader DC card (type 210), in three calls:
// setup finds the card and its used length and record count (1), or says
// why not (0); read fetches record n (from 1) into `buffer` (288 bytes, may
// be null); end closes the progress window setup opened in either case and
// powers the card off. The card stays powered in between.
LAUNDRY_EXPORT uint8_t setup_read_laundry_dc_card(uint32_t* totalLength, uint32_t* recordCount);
LAUNDRY_EXPORT uint8_t read_laundry_dc_card(uint32_t recordNumber, uint8_t* buffer);
LAUNDRY_EXPORT uint8_t end_read_laundry_dc_card();

// Appends the records of every card image `image` holds (types 210, 215 and
// 217 of customer `custId`) to `records`. 1 when the container holds at
// least one record, 0 otherwise; every failure but a failed Init has been
// shown.
LAUNDRY_EXPORT uint8_t fill_laundry_dc_array(BaseCardImage* image, uint16_t custId,
                                             GenericDC* records);

} // extern "C"
