#include "specials/special_card_layout.h"

#include "services/cardcore.h"
#include "setup/card_bytes.h"

#include <algorithm>
#include <cstring>

namespace specials {
namespace {

constexpr uint8_t kFirstMonth = 0x01; // BCD 01/01 to 12/31: every day of the year
constexpr uint8_t kFirstDay = 0x01;
constexpr uint8_t kLastMonth = 0x12;
constexpr uint8_t kLastDay = 0x31;
constexpr std::size_t kDataIndex = offsetof(HEADER_DATA_AREA, data);

static_assert(sizeof(SPECIAL_CARD_HEAD) + kMaxEntries * sizeof(SPECIAL_CARD_ENTRY) <=
                  kHeaderTypeOffset - kDataIndex,
              "a full card stays clear of the header part");

uint8_t bcd(int value)
{
    return cardcore::hex_to_bcd(static_cast<uint8_t>(value));
}

SPECIAL_CARD_ENTRY* entryAt(HEADER_DATA_AREA& area, int k)
{
    return reinterpret_cast<SPECIAL_CARD_ENTRY*>(area.data + sizeof(SPECIAL_CARD_HEAD) +
                                                 std::size_t(k) * sizeof(SPECIAL_CARD_ENTRY));
}

SPECIAL_CARD_HEAD* headOf(HEADER_DATA_AREA& area)
{
    return reinterpret_cast<SPECIAL_CARD_HEAD*>(area.data);
}

int dataLength(int entries)
{
    return int(sizeof(SPECIAL_CARD_HEAD) + std::size_t(entries) * sizeof(SPECIAL_CARD_ENTRY));
}

} // namespace

uint16_t cardCents(Currency amount)
{
    const auto low = static_cast<int32_t>(amount.units());
    return static_cast<uint16_t>(low / 100);
}

int buildCardImage(HEADER_DATA_AREA& area, Mode mode, uint16_t custId,
                   const SpecialProfile& profile, std::span<const SpecialEntry> entries)
{
    std::memset(&area, 0, sizeof area);
    uint8_t* header = reinterpret_cast<uint8_t*>(&area) + kHeaderTypeOffset;
    header[0] = cardTypeOf(mode);
    setup::store_be16(header + 1, custId);

    const int count = int(std::min<std::size_t>(entries.size(), kMaxEntries));
    SPECIAL_CARD_HEAD* head = headOf(area);
    setup::store_be16(head->vend_price, cardCents(profile.vendPrice));
    setup::store_be16(head->topoff_price, cardCents(profile.topoffPrice));
    head->topoff_time = cardcore::hex_to_bcd(static_cast<uint8_t>(profile.topoffTime & 0xFF));
    head->entry_count = static_cast<uint8_t>(count);
    for (int k = 0; k < count; ++k) {
        const SpecialEntry& entry = entries[std::size_t(k)];
        SPECIAL_CARD_ENTRY* out = entryAt(area, k);
        out->days = entry.days & kAllDays;
        out->start_month = kFirstMonth;
        out->start_day = kFirstDay;
        out->start_hour = bcd(entry.startHour);
        out->start_minute = bcd(entry.startMinute);
        out->end_month = kLastMonth;
        out->end_day = kLastDay;
        out->stop_hour = bcd(entry.stopHour);
        out->stop_minute = bcd(entry.stopMinute);
        setup::store_be16(out->price, cardCents(entry.price));
    }
    return dataLength(count);
}

int buildClearEntry(HEADER_DATA_AREA& area)
{
    headOf(area)->entry_count = 1;
    SPECIAL_CARD_ENTRY* out = entryAt(area, 0);
    *out = SPECIAL_CARD_ENTRY{0x00,       kFirstMonth, kFirstDay, 0x00, 0x00,
                              kLastMonth, kLastDay,    0x00,      0x01, {0x00, 0x32}};
    return kClearCardDataLength;
}

} // namespace specials
