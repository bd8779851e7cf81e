// The DC record parsers: each reads the record slots of the image's current
// card and appends the records (docs/dc-card-format.md).
#include "card/card_status.h"
#include "card/dc_area.h"
#include "laundry/card_types.h"
#include "services/card_image.h"
#include "services/cardcore.h"

#include <cctype>

namespace cardcore {

namespace {

struct ParseRule {
    uint8_t cardType; // whose families the records must belong to
    bool stackPairs;  // slots come as washer (5) then dryer (6)
};

// The number of slots the area header announces, checked against the area.
uint8_t readSlotCount(BaseCardImage& image, bool pairs, uint32_t* count)
{
    card::DcAreaHeader header{};
    if (const uint8_t status = image.SelectFile(kSetupDataFileId))
        return status;
    if (const uint8_t status = image.ReadData(uint32_t(header.size()), 0, header.data()))
        return status;
    const uint32_t used = card::dcUsedLength(header);
    if (used < kDcAreaHeaderSize || used > image.GetMaxDataSize() ||
        (used - kDcAreaHeaderSize) % kDcRecordSize != 0)
        return kStatusDcBadLength;
    *count = (used - kDcAreaHeaderSize) / kDcRecordSize;
    if (pairs && *count % 2 != 0)
        return kStatusDcBadLength; // half a stacked machine
    return card::kStatusOk;
}

bool fitsSlot(const ParseRule& rule, uint32_t index, uint8_t family)
{
    if (!card::dcCardHolds(rule.cardType, family))
        return false;
    return !rule.stackPairs || family == (index % 2 == 0 ? 5 : 6);
}

uint8_t parseSlots(BaseCardImage& image, GenericDC& records, const ParseRule& rule)
{
    uint32_t count = 0;
    if (const uint8_t status = readSlotCount(image, rule.stackPairs, &count))
        return status;
    for (uint32_t i = 0; i < count; ++i) {
        card::DcSlot slot{};
        const uint32_t offset = kDcAreaHeaderSize + i * kDcRecordSize;
        if (const uint8_t status = image.ReadData(uint32_t(slot.size()), offset, slot.data()))
            return status;
        GenericDCRec record{};
        if (!card::decodeDcSlot(slot, &record) || !fitsSlot(rule, i, record.record_family))
            return kStatusDcBadRecord;
        records.AddRec(record);
    }
    return card::kStatusOk;
}

void blankUnprintable(char* text, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i)
        if (!std::isprint(static_cast<unsigned char>(text[i])))
            text[i] = ' ';
}

} // namespace

uint8_t NIMBOReadDcCard(BaseCardImage& image, GenericDC& records)
{
    return parseSlots(image, records, {laundry::kReaderDcCard, false});
}

uint8_t NIMBOReadGen2StackComplexDcCard(BaseCardImage& image, GenericDC& records)
{
    return parseSlots(image, records, {laundry::kComplexDcCard, true});
}

uint8_t NIMBOReadGenericDcCard(BaseCardImage& image, GenericDC& records, uint8_t recordSet)
{
    if (recordSet != kGenericDcAdvanteck)
        return card::kStatusBadArgument;
    return parseSlots(image, records, {laundry::kAdvanteckDcCard, false});
}

void PostProcessDCData(GenericDC& records)
{
    for (int i = 0; i < records.GetNumRecs(); ++i) {
        GenericDCRec* record = records.GetRec(i);
        blankUnprintable(record->machine_id, sizeof record->machine_id);
        blankUnprintable(record->location_id, sizeof record->location_id);
        record->duplicate_flag = 0;
    }
}

} // namespace cardcore
