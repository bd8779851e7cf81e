// Data collection records: one parsed record, the container the host fills
// from DC cards, and the parsers of the DC card types
// (docs/dc-card-format.md).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class BaseCardImage;

namespace cardcore {

// The data area of every DC card: an 8-byte area header, then the records in
// slots of kDcRecordSize bytes from offset kDcAreaHeaderSize.
inline constexpr uint32_t kDcAreaHeaderSize = 8;
inline constexpr uint32_t kDcUsedLengthOffset = 3; // 2 bytes, high byte first
inline constexpr uint32_t kDcRecordSize = 288;

// Largest counter block of a record family.
inline constexpr std::size_t kDcFamilyDataMax = 288;

} // namespace cardcore

#pragma pack(push, 1)
// One parsed record. `family_data` is the offset of the record's counter
// block from the record's own first byte, so a copied record still finds
// its block; familyData() turns it into an address.
struct GenericDCRec {
    uint8_t record_family; // 3..6 machine counters, 8 Advanteck audit, 13 MDC/Quantum
    uint8_t pad_1[3];
    uint32_t family_data;
    uint8_t duplicate_flag;  // 1 when the record is already stored
    uint8_t collect_time[5]; // BCD yy mm dd hh mm
    char machine_id[10];     // blank padded, no terminating zero
    char location_id[10];    // blank padded, no terminating zero
    uint16_t family_data_size;
    uint8_t pad_36[4];
    uint8_t counters[cardcore::kDcFamilyDataMax];

    const uint8_t* familyData() const
    {
        return reinterpret_cast<const uint8_t*>(this) + family_data;
    }
};
#pragma pack(pop)
static_assert(offsetof(GenericDCRec, record_family) == 0);
static_assert(offsetof(GenericDCRec, family_data) == 4);
static_assert(offsetof(GenericDCRec, duplicate_flag) == 8);
static_assert(offsetof(GenericDCRec, collect_time) == 9);
static_assert(offsetof(GenericDCRec, machine_id) == 14);
static_assert(offsetof(GenericDCRec, location_id) == 24);
static_assert(offsetof(GenericDCRec, family_data_size) == 34);
static_assert(offsetof(GenericDCRec, counters) == 40);

// The records read from DC cards, in reading order. The host owns it.
class GenericDC {
public:
    int GetNumRecs() const { return static_cast<int>(recs_.size()); }
    // The record at a zero-based index, or nullptr outside the container.
    GenericDCRec* GetRec(int index)
    {
        return index >= 0 && index < GetNumRecs() ? &recs_[static_cast<std::size_t>(index)]
                                                  : nullptr;
    }
    const GenericDCRec* GetRec(int index) const
    {
        return const_cast<GenericDC*>(this)->GetRec(index);
    }
    void AddRec(const GenericDCRec& rec) { recs_.push_back(rec); }
    void RemoveAll() { recs_.clear(); }

private:
    std::vector<GenericDCRec> recs_;
};

namespace cardcore {

// Parser statuses besides the card's own (card::statusText names them).
inline constexpr uint8_t kStatusDcBadLength = 114; // used length not a whole number of records
inline constexpr uint8_t kStatusDcBadRecord = 115; // a record of a family the card cannot hold

// Record set of NIMBOReadGenericDcCard: Advanteck audit records (family 8).
inline constexpr uint8_t kGenericDcAdvanteck = 1;

// Each parser reads the DC records of the image's current card and appends
// them to `records` in card order. 0, or the card's status or one of the
// statuses above; records parsed before a failure stay in the container.
// Type 210: machine counter records (families 3 to 6 and 13).
uint8_t NIMBOReadDcCard(BaseCardImage& image, GenericDC& records);
// Type 215: stacked machines, a washer record (family 5) and its dryer
// record (family 6) in two neighbouring slots.
uint8_t NIMBOReadGen2StackComplexDcCard(BaseCardImage& image, GenericDC& records);
// Type 217 with recordSet kGenericDcAdvanteck.
uint8_t NIMBOReadGenericDcCard(BaseCardImage& image, GenericDC& records, uint8_t recordSet);

// Makes the records ready for the database: every character of the machine
// and location ids that is not printable becomes a blank, and no record is
// marked duplicate yet.
void PostProcessDCData(GenericDC& records);

} // namespace cardcore
