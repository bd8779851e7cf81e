// The data area of a data collection card, shared by the formatter, the
// parsers and the machine simulator (docs/dc-card-format.md): the area
// header, the record slots and which record families each card type holds.
#pragma once

#include "card/setup_card_io.h"
#include "services/dc_records.h"

#include <array>
#include <cstdint>
#include <optional>

namespace card {

inline constexpr uint8_t kDcFormatVersion = 1;
inline constexpr std::size_t kDcFormatOffset = 0;
inline constexpr std::size_t kDcOptionOffset = 1;
// A second count, high byte first, in the form the card details report
// reads: 8 + unit x records, unit 37 on a reader card and 185 on a complex
// card (0 on the other kinds and on a card no machine has written to).
inline constexpr std::size_t kDcReportCountOffset = 5;

// The report count of a card type holding `records` records.
uint16_t dcReportCount(uint8_t cardType, uint32_t records);

using DcAreaHeader = std::array<uint8_t, cardcore::kDcAreaHeaderSize>;
using DcSlot = std::array<uint8_t, cardcore::kDcRecordSize>;

// Where a record's own fields sit in its slot, whatever its family.
inline constexpr std::size_t kDcSlotFamily = 0;
inline constexpr std::size_t kDcSlotCollectTime = 2;
inline constexpr std::size_t kDcSlotMachineId = 24;
inline constexpr std::size_t kDcSlotLocationId = 34;
// Counter blocks that would overlap those fields start here instead.
inline constexpr std::size_t kDcSlotMovedBlock = 48;

struct DcFamilyLayout {
    uint8_t family;
    uint16_t blockOffset; // in the slot
    uint16_t blockSize;
};

// The layout of a record family; nullopt for a family no machine writes.
std::optional<DcFamilyLayout> dcFamilyLayout(uint8_t family);

// 210, 212, 215 and 217.
bool isDcCardType(uint8_t type);
// Whether a card of cardType takes records of family (on a 215 card, as
// the washer or dryer half of a stacked machine).
bool dcCardHolds(uint8_t cardType, uint8_t family);

// The header of a card without records: format, option, used length 8.
DcAreaHeader emptyDcAreaHeader(uint8_t dcOption);
inline uint16_t dcUsedLength(const DcAreaHeader& header)
{
    return loadBe16(&header[cardcore::kDcUsedLengthOffset]);
}

// A record to and from its slot; false for a family without a layout.
bool encodeDcSlot(const GenericDCRec& record, DcSlot* slot);
bool decodeDcSlot(const DcSlot& slot, GenericDCRec* record);

} // namespace card
