// A laundry machine's reader writing its audit record onto the data
// collection card on the current card (the card in the reader, or the open
// file image's), as docs/dc-card-format.md lays it out.
#pragma once

#include "services/dc_records.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace machines {

using CollectTime = std::array<uint8_t, 5>; // BCD yy mm dd hh mm

// A record of family with its identity set (ids blank padded, cut at 10
// characters) and a zeroed counter block of the family's size.
GenericDCRec dcRecord(uint8_t family, const CollectTime& time, std::string_view machineId,
                      std::string_view locationId);

// Appends record to the DC card of readerCustId. Refuses, leaving the card
// as it was: a card that is no DC card or does not take the family
// (card::kStatusNotDcCard; a complex card takes stack pairs only), another
// customer's card (kStatusWrongCustomer), a record that does not fit
// (kStatusDcCardFull), a damaged area (cardcore::kStatusDcBadLength).
uint8_t appendDcRecord(uint16_t readerCustId, const GenericDCRec& record);
// A stacked machine's washer (family 5) and dryer (family 6) records onto a
// complex DC card, both or neither.
uint8_t appendStackDcRecords(uint16_t readerCustId, const GenericDCRec& washer,
                             const GenericDCRec& dryer);

// Appends records, in order, to the DC card of custId on the current card:
// all of them (status 0) or, refused or failed, none, with the card's bytes
// unchanged. A complex card takes washer (5) and dryer (6) pairs only.
uint8_t appendDcRecords(uint16_t custId, const std::vector<GenericDCRec>& records);

} // namespace machines
