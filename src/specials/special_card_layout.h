// The price special card and the restriction time card: the card image in
// one HEADER_DATA_AREA record, a 14-byte head and 11-byte entries in the
// data area. Multi-byte numbers are big-endian, times and dates packed BCD.
#pragma once

#include "services/cardlayout.h"
#include "specials/special_profile.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace specials {

#pragma pack(push, 1)
struct SPECIAL_CARD_ENTRY {
    uint8_t days; // days mask, bit 0 clear
    uint8_t start_month;
    uint8_t start_day;
    uint8_t start_hour;
    uint8_t start_minute;
    uint8_t end_month;
    uint8_t end_day;
    uint8_t stop_hour;
    uint8_t stop_minute;
    uint8_t price[2]; // cents; 0 for Machine Off
};

struct SPECIAL_CARD_HEAD {
    uint8_t zero[8];
    uint8_t vend_price[2];   // cents
    uint8_t topoff_price[2]; // cents
    uint8_t topoff_time;     // minutes, BCD
    uint8_t entry_count;
};
#pragma pack(pop)
static_assert(sizeof(SPECIAL_CARD_ENTRY) == 11);
static_assert(offsetof(SPECIAL_CARD_ENTRY, start_month) == 1);
static_assert(offsetof(SPECIAL_CARD_ENTRY, start_day) == 2);
static_assert(offsetof(SPECIAL_CARD_ENTRY, start_hour) == 3);
static_assert(offsetof(SPECIAL_CARD_ENTRY, start_minute) == 4);
static_assert(offsetof(SPECIAL_CARD_ENTRY, end_month) == 5);
static_assert(offsetof(SPECIAL_CARD_ENTRY, end_day) == 6);
static_assert(offsetof(SPECIAL_CARD_ENTRY, stop_hour) == 7);
static_assert(offsetof(SPECIAL_CARD_ENTRY, stop_minute) == 8);
static_assert(offsetof(SPECIAL_CARD_ENTRY, price) == 9);
static_assert(sizeof(SPECIAL_CARD_HEAD) == 14);
static_assert(offsetof(SPECIAL_CARD_HEAD, vend_price) == 8);
static_assert(offsetof(SPECIAL_CARD_HEAD, topoff_price) == 10);
static_assert(offsetof(SPECIAL_CARD_HEAD, topoff_time) == 12);
static_assert(offsetof(SPECIAL_CARD_HEAD, entry_count) == 13);

// Record offsets of the 3-byte card header (type, customer id high, low).
inline constexpr std::size_t kHeaderTypeOffset = 958;
inline constexpr uint32_t kHeaderLength = 3;
inline constexpr int kClearCardDataLength = 25;

// The cents a card carries for an amount: the amount / 100 on its low 32
// bits, of which the low 16 bits are kept.
uint16_t cardCents(Currency amount);

// Zero-fills `area` and builds the card of `profile` with its first entries
// (at most kMaxEntries): the header part for `mode` and `custId`, the head
// and the entries in their order. Returns the data length, 14 + 11 n.
int buildCardImage(HEADER_DATA_AREA& area, Mode mode, uint16_t custId,
                   const SpecialProfile& profile, std::span<const SpecialEntry> entries);
// Puts the one neutral entry of a clear card over a built image; returns 25.
int buildClearEntry(HEADER_DATA_AREA& area);

} // namespace specials
