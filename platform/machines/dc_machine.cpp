#include "machines/dc_machine.h"

#include "card/card_status.h"
#include "card/dc_area.h"
#include "card/layout_target.h"
#include "laundry/card_types.h"
#include "services/card_image.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace machines {

namespace {

void setText(char* field, std::size_t size, std::string_view text)
{
    std::memset(field, ' ', size);
    std::memcpy(field, text.data(), std::min(size, text.size()));
}

// What one write brings: one machine's record, one stacked machine's pair,
// or a whole batch (of pairs, on a complex card).
enum class Batch { One, StackPair, Any };

bool isStackPair(const GenericDCRec& washer, const GenericDCRec& dryer)
{
    return washer.record_family == 5 && dryer.record_family == 6;
}

// Whether a card of cardType takes these records in one write.
bool takes(uint8_t cardType, std::span<const GenericDCRec> records, Batch batch)
{
    const bool complex = cardType == laundry::kComplexDcCard;
    if (records.empty() || (batch == Batch::One && (records.size() != 1 || complex)) ||
        (batch == Batch::StackPair && (records.size() != 2 || !complex)))
        return false;
    if (complex) {
        if (records.size() % 2 != 0)
            return false;
        for (std::size_t i = 0; i < records.size(); i += 2)
            if (!isStackPair(records[i], records[i + 1]))
                return false;
    }
    return std::all_of(records.begin(), records.end(), [&](const GenericDCRec& r) {
        return card::dcCardHolds(cardType, r.record_family);
    });
}

uint8_t appendSlots(uint16_t custId, std::span<const GenericDCRec> records, Batch batch)
{
    card::LayoutTarget& target = card::layoutTarget();
    const uint32_t maxSize = target.targetFileMaxBytes();
    // The whole change happens on a copy, so a refusal leaves every byte.
    return target.changeTargetCard([&](card::CardState& c) {
        if (!card::isDcCardType(c.cardType()) || !takes(c.cardType(), records, batch))
            return card::kStatusNotDcCard;
        if (c.custId() != custId)
            return card::kStatusWrongCustomer;
        card::DcAreaHeader header{};
        if (const uint8_t status =
                c.read(kSetupDataFileId, 0, uint32_t(header.size()), header.data(), maxSize))
            return status;
        const uint32_t used = card::dcUsedLength(header);
        if (used < cardcore::kDcAreaHeaderSize ||
            (used - cardcore::kDcAreaHeaderSize) % cardcore::kDcRecordSize != 0)
            return cardcore::kStatusDcBadLength;
        const uint32_t grown = used + uint32_t(records.size()) * cardcore::kDcRecordSize;
        if (grown > maxSize || grown > 0xFFFF)
            return card::kStatusDcCardFull;
        uint32_t offset = used;
        for (const GenericDCRec& record : records) {
            card::DcSlot slot{};
            card::encodeDcSlot(record, &slot); // takes() vetted the family
            if (const uint8_t status =
                    c.write(kSetupDataFileId, offset, uint32_t(slot.size()), slot.data(), maxSize))
                return status;
            offset += cardcore::kDcRecordSize;
        }
        card::storeBe16(&header[cardcore::kDcUsedLengthOffset], uint16_t(grown));
        card::storeBe16(&header[card::kDcReportCountOffset],
                        card::dcReportCount(c.cardType(), (grown - cardcore::kDcAreaHeaderSize) /
                                                              cardcore::kDcRecordSize));
        return c.write(kSetupDataFileId, 0, uint32_t(header.size()), header.data(), maxSize);
    });
}

} // namespace

GenericDCRec dcRecord(uint8_t family, const CollectTime& time, std::string_view machineId,
                      std::string_view locationId)
{
    GenericDCRec record{};
    record.record_family = family;
    record.family_data = offsetof(GenericDCRec, counters);
    if (const auto layout = card::dcFamilyLayout(family))
        record.family_data_size = layout->blockSize;
    std::copy(time.begin(), time.end(), record.collect_time);
    setText(record.machine_id, sizeof record.machine_id, machineId);
    setText(record.location_id, sizeof record.location_id, locationId);
    return record;
}

uint8_t appendDcRecord(uint16_t readerCustId, const GenericDCRec& record)
{
    return appendSlots(readerCustId, std::span(&record, 1), Batch::One);
}

uint8_t appendStackDcRecords(uint16_t readerCustId, const GenericDCRec& washer,
                             const GenericDCRec& dryer)
{
    const GenericDCRec pair[] = {washer, dryer};
    return appendSlots(readerCustId, pair, Batch::StackPair);
}

uint8_t appendDcRecords(uint16_t custId, const std::vector<GenericDCRec>& records)
{
    return appendSlots(custId, records, Batch::Any);
}

} // namespace machines
