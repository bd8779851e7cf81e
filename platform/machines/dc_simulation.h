// Machines filling a data collection card, for demonstrations and tests
// without hardware: records described in a JSON file, or plausible records
// made up from a seed, written with appendDcRecords.
#pragma once

#include "machines/dc_machine.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace machines {

// The records of a records file: a JSON array of
//   {"family": 3, "machine_id": "WASH01", "location_id": "STORE9",
//    "collected": "2026-12-05 09:30", "block": "hex"}
// with block the family's counter block from its byte 0 (shorter is zero
// filled) and collected a local time in 1981..2080. nullopt with *error
// naming the entry and the field when one is refused.
std::optional<std::vector<GenericDCRec>> parseSimulatedRecords(const QByteArray& json,
                                                               QString* error);

// Records of count machines, plausible for the card type: elapsed counters
// above the interval ones, prices in nickels, collection times during
// business hours of the week up to lastDay. A stacked machine on a complex
// card (215) gives a washer and a dryer record, an Advanteck card takes
// audit records (8); family, when given, is every record's family
// otherwise. The same seed gives the same records.
std::vector<GenericDCRec> randomRecords(uint8_t cardType, int count, uint32_t seed,
                                        const QDate& lastDay,
                                        std::optional<uint8_t> family = std::nullopt);

} // namespace machines
