#include "card/dc_area.h"

#include "laundry/card_types.h"

#include <algorithm>
#include <cstring>

namespace card {

namespace {

// Machine counter blocks (3 to 6) fill the whole slot and leave the record's
// own fields free; the shorter blocks would overlap them and are moved.
constexpr DcFamilyLayout kFamilies[] = {
    {3, 0, 288},
    {4, 0, 288},
    {5, 0, 288},
    {6, 0, 288},
    {8, kDcSlotMovedBlock, 136},
    {13, kDcSlotMovedBlock, 136},
};
static_assert(kDcSlotMovedBlock + 136 <= cardcore::kDcRecordSize);

constexpr uint8_t kStackWasher = 5;
constexpr uint8_t kStackDryer = 6;
constexpr uint8_t kAdvanteckAudit = 8;

constexpr uint32_t kBlockInRecord = offsetof(GenericDCRec, counters);

} // namespace

std::optional<DcFamilyLayout> dcFamilyLayout(uint8_t family)
{
    for (const DcFamilyLayout& layout : kFamilies)
        if (layout.family == family)
            return layout;
    return std::nullopt;
}

bool isDcCardType(uint8_t type)
{
    return type == laundry::kReaderDcCard || type == laundry::kManualDcCard ||
           type == laundry::kComplexDcCard || type == laundry::kAdvanteckDcCard;
}

bool dcCardHolds(uint8_t cardType, uint8_t family)
{
    switch (cardType) {
    case laundry::kReaderDcCard:
    case laundry::kManualDcCard:
        return family != kAdvanteckAudit && dcFamilyLayout(family).has_value();
    case laundry::kComplexDcCard:
        return family == kStackWasher || family == kStackDryer;
    case laundry::kAdvanteckDcCard:
        return family == kAdvanteckAudit;
    default:
        return false;
    }
}

uint16_t dcReportCount(uint8_t cardType, uint32_t records)
{
    const uint32_t unit = cardType == laundry::kReaderDcCard    ? 37
                          : cardType == laundry::kComplexDcCard ? 185
                                                                : 0;
    return unit == 0 ? 0 : uint16_t(cardcore::kDcAreaHeaderSize + unit * records);
}

DcAreaHeader emptyDcAreaHeader(uint8_t dcOption)
{
    DcAreaHeader header{};
    header[kDcFormatOffset] = kDcFormatVersion;
    header[kDcOptionOffset] = dcOption;
    storeBe16(&header[cardcore::kDcUsedLengthOffset], cardcore::kDcAreaHeaderSize);
    return header;
}

bool encodeDcSlot(const GenericDCRec& record, DcSlot* slot)
{
    const auto layout = dcFamilyLayout(record.record_family);
    if (!layout)
        return false;
    slot->fill(0);
    const uint32_t size = std::min<uint32_t>(record.family_data_size, layout->blockSize);
    std::memcpy(slot->data() + layout->blockOffset, record.familyData(), size);
    // The record's own fields win over whatever its block holds at their place.
    (*slot)[kDcSlotFamily] = record.record_family;
    std::memcpy(slot->data() + kDcSlotCollectTime, record.collect_time, sizeof record.collect_time);
    std::memcpy(slot->data() + kDcSlotMachineId, record.machine_id, sizeof record.machine_id);
    std::memcpy(slot->data() + kDcSlotLocationId, record.location_id, sizeof record.location_id);
    return true;
}

bool decodeDcSlot(const DcSlot& slot, GenericDCRec* record)
{
    const auto layout = dcFamilyLayout(slot[kDcSlotFamily]);
    if (!layout)
        return false;
    GenericDCRec read{};
    read.record_family = layout->family;
    read.family_data = kBlockInRecord;
    read.family_data_size = layout->blockSize;
    std::memcpy(read.collect_time, slot.data() + kDcSlotCollectTime, sizeof read.collect_time);
    std::memcpy(read.machine_id, slot.data() + kDcSlotMachineId, sizeof read.machine_id);
    std::memcpy(read.location_id, slot.data() + kDcSlotLocationId, sizeof read.location_id);
    std::memcpy(read.counters, slot.data() + layout->blockOffset, layout->blockSize);
    *record = read;
    return true;
}

} // namespace card
