#include "setup/advanteck_layout.h"

#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <cstring>

namespace setup {

ADVNTECK_SETUP_CARD makeAdvanteckRecord(const STRUCT_laundry_setup& r)
{
    ADVNTECK_SETUP_CARD card{};
    card.card_type = static_cast<uint8_t>(r.card_type_code & 0xFF);
    card.word_02 = r.word_02;
    card.card_version = kAdvanteckCardVersion;
    card.marker = kAdvanteckMarker;
    card.advantech_vend_price = r.advantech_vend_price;
    card.advantech_dryer_run_time = r.advantech_dryer_run_time;
    card.topoff_price_alt = r.topoff_price_alt;
    card.topoff_time_alt = r.topoff_time_alt;
    card.spec_price_1 = r.spec_price_1;
    card.sp1_days = r.sp1_days;
    card.sp1_start = r.sp1_start;
    card.sp1_duration = r.sp1_duration;
    card.spec_price_2 = r.spec_price_2;
    card.sp2_days = r.sp2_days;
    card.sp2_start = r.sp2_start;
    card.sp2_duration = r.sp2_duration;
    card.spec_price_3 = r.spec_price_3;
    card.sp3_days = r.sp3_days;
    card.sp3_start = r.sp3_start;
    card.sp3_duration = r.sp3_duration;
    card.coin1_pulse_min = r.coin1_pulse_min;
    card.coin1_pulse_max = r.coin1_pulse_max;
    card.coin2_pulse_min = r.coin2_pulse_min;
    card.coin2_pulse_max = r.coin2_pulse_max;
    card.advantech_time_step = r.advantech_time_step;
    card.setup_byte_1 = r.setup_byte_1;
    card.setup_byte_2 = r.setup_byte_2;
    card.word_18e = r.word_18e;
    card.advantech_warm_price = r.advantech_warm_price;
    card.advantech_hot_price = r.advantech_hot_price;
    card.coin1_value_cents = r.coin1_value_cents;
    card.coin2_value_cents = r.coin2_value_cents;
    card.coin_slide_1 = r.coin_slide_1;
    card.coin_slide_2 = r.coin_slide_2;
    card.advantech_option_1a4 = r.advantech_option_1a4;
    card.decimal_point = r.decimal_point;
    card.hot_temp_reduction = r.hot_temp_reduction;
    card.extended_cool_down = r.extended_cool_down;
    card.option_flags = r.option_flags;
    std::memcpy(card.text_field_10, r.text_field_10, sizeof card.text_field_10);
    std::memcpy(card.text_field_1a, r.text_field_1a, sizeof card.text_field_1a);
    card.action_flags = r.action_flags;
    card.max_card_value = r.max_card_value;
    return card;
}

namespace {

// Price, days, start and duration of one special price, from `at` onward.
void putSpecial(uint8_t* at, uint16_t price, uint8_t days, uint8_t start, uint8_t duration)
{
    store_be16(at, price);
    at[2] = days;
    at[3] = start;
    at[4] = duration;
}

} // namespace

std::array<uint8_t, kAdvanteckBlock1Size> advanteckBlock1(const ADVNTECK_SETUP_CARD& c)
{
    std::array<uint8_t, kAdvanteckBlock1Size> b{};
    b[8] = kAdvanteckMarker;
    store_be16(&b[55], c.advantech_vend_price);
    b[57] = c.advantech_dryer_run_time;
    store_be16(&b[58], c.topoff_price_alt);
    b[60] = c.topoff_time_alt;
    putSpecial(&b[61], c.spec_price_1, c.sp1_days, c.sp1_start, c.sp1_duration);
    putSpecial(&b[66], c.spec_price_2, c.sp2_days, c.sp2_start, c.sp2_duration);
    putSpecial(&b[71], c.spec_price_3, c.sp3_days, c.sp3_start, c.sp3_duration);
    // The machine expects each coin's maximum pulse length before its minimum.
    b[76] = c.coin1_pulse_max;
    b[77] = c.coin1_pulse_min;
    b[78] = c.coin2_pulse_max;
    b[79] = c.coin2_pulse_min;
    store_be16(&b[80], c.advantech_time_step);
    b[82] = c.setup_byte_1;
    b[83] = c.setup_byte_2;
    store_be16(&b[87], c.word_18e);
    store_be16(&b[98], c.advantech_warm_price);
    store_be16(&b[100], c.advantech_hot_price);
    store_be16(&b[102], c.coin1_value_cents);
    store_be16(&b[104], c.coin2_value_cents);
    b[106] = c.coin_slide_1;
    b[107] = c.coin_slide_2;
    store_be16(&b[108], c.advantech_option_1a4);
    b[110] = c.decimal_point;
    b[111] = c.hot_temp_reduction;
    b[112] = c.extended_cool_down;
    store_be16(&b[133], c.max_card_value);
    b[135] = c.option_flags;
    return b;
}

std::array<uint8_t, kAdvanteckBlock2Size> advanteckBlock2(const ADVNTECK_SETUP_CARD& c)
{
    std::array<uint8_t, kAdvanteckBlock2Size> b{};
    std::memcpy(&b[0], c.text_field_10, sizeof c.text_field_10);
    std::memcpy(&b[10], c.text_field_1a, sizeof c.text_field_1a);
    b[20] = c.action_flags;
    return b;
}

uint8_t CardSetAdvanteckSetup(BaseCardImage& image, const ADVNTECK_SETUP_CARD* card)
{
    const auto block1 = advanteckBlock1(*card);
    const auto block2 = advanteckBlock2(*card);
    const CardHeader header{static_cast<uint8_t>(card->card_type & 0xFF), card->word_02};
    return writeSetupCard(image, kAdvanteckCardVersion, header,
                          {{0, block1}, {kAdvanteckBlock2Offset, block2}});
}

uint8_t writeAdvanteckLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const ADVNTECK_SETUP_CARD card = makeAdvanteckRecord(record);
    return CardSetAdvanteckSetup(image, &card);
}

} // namespace setup
