// The first 40 bytes that the Retrofit and Tovan2000 family records share:
// card type, customer id (twice), vend price, option flags, three BCD times,
// top-off price and the two text fields.
#pragma once

#include "laundry/laundry_setup.h"
#include "setup/card_bytes.h"

#include <cstring>

namespace setup {

// `secondTime` is the heat time on Retrofit cards and the cool-down time on
// Tovan2000 cards.
template <typename FamilyRecord>
void fillRetrofitStyleHead(FamilyRecord& card, const STRUCT_laundry_setup& r, uint16_t secondTime)
{
    card.card_type = static_cast<uint8_t>(r.card_type_code & 0xFF);
    card.word_02 = r.word_02;
    card.vend_price = r.vend_price;
    card.word_02_again = r.word_02;
    card.word_04 = r.word_04;
    card.option_flags = r.option_flags;
    const uint16_t times[3] = {r.dryer_run_time, secondTime, r.topoff_time};
    for (int i = 0; i < 3; ++i) {
        const auto bcd = bcdWordBytes(times[i]);
        card.time_bcd[2 * i] = bcd[0];
        card.time_bcd[2 * i + 1] = bcd[1];
    }
    card.topoff_price = r.topoff_price;
    std::memcpy(card.text_field_10, r.text_field_10, sizeof card.text_field_10);
    std::memcpy(card.text_field_1a, r.text_field_1a, sizeof card.text_field_1a);
}

} // namespace setup
