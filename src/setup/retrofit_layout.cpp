#include "setup/retrofit_layout.h"

#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"
#include "setup/retrofit_style_head.h"

#include <algorithm>
#include <cstring>

namespace setup {

RETRO_FIT_SETUP_CARD makeRetrofitRecord(const STRUCT_laundry_setup& r)
{
    RETRO_FIT_SETUP_CARD card{};
    fillRetrofitStyleHead(card, r, r.heat_time);
    card.display_flags = r.display_flags;
    std::memcpy(card.idle_message, r.idle_message, sizeof card.idle_message);
    std::memcpy(card.busy_message, r.busy_message, sizeof card.busy_message);
    card.pulses = r.pulses;
    card.scroll_speed = r.scroll_speed;
    card.card_version = kRetrofitCardVersion;
    std::memcpy(card.text_lines_24, r.text_lines_24, sizeof card.text_lines_24);
    std::memcpy(card.bytes_9c, r.bytes_9c, sizeof card.bytes_9c);
    std::copy(std::begin(r.words_a4), std::end(r.words_a4), std::begin(card.words_a4));
    card.byte_af = r.byte_af;
    card.max_card_value = r.max_card_value;
    return card;
}

RetrofitBlock1 retrofitBlock1(const RETRO_FIT_SETUP_CARD& c)
{
    RetrofitBlock1 b{};
    store_be16(b.vend_price, c.vend_price);
    store_be16(b.cust_id, c.word_02);
    store_be16(b.word_04, c.word_04);
    b.option_flags = c.option_flags;
    std::memcpy(b.time_bcd, c.time_bcd, sizeof b.time_bcd);
    store_be16(b.topoff_price, c.topoff_price);
    std::memcpy(b.text_field_10, c.text_field_10, sizeof b.text_field_10);
    std::memcpy(b.text_field_1a, c.text_field_1a, sizeof b.text_field_1a);
    b.marker = 0xA1;
    store_be16(b.display_flags, c.display_flags);
    std::memcpy(b.idle_message, c.idle_message, sizeof b.idle_message);
    std::memcpy(b.busy_message, c.busy_message, sizeof b.busy_message);
    b.pulses = c.pulses;
    b.scroll_speed = c.scroll_speed;
    store_be16(b.max_card_value, c.max_card_value);
    return b;
}

RetrofitBlock2 retrofitBlock2(const RETRO_FIT_SETUP_CARD& c)
{
    RetrofitBlock2 b{};
    const char* lines = c.text_lines_24;
    std::memcpy(b.text_lines_0, lines, sizeof b.text_lines_0);
    std::memcpy(b.text_lines_40, lines + 40, sizeof b.text_lines_40);
    std::memcpy(b.text_lines_60, lines + 60, sizeof b.text_lines_60);
    std::memcpy(b.text_lines_80, lines + 80, sizeof b.text_lines_80);
    b.bytes_9c_01[0] = c.bytes_9c[0];
    b.bytes_9c_01[1] = c.bytes_9c[1];
    b.byte_9c_2 = c.bytes_9c[2];
    b.byte_9c_3 = c.bytes_9c[3];
    b.bytes_9c_654[0] = c.bytes_9c[6];
    b.bytes_9c_654[1] = c.bytes_9c[5];
    b.bytes_9c_654[2] = c.bytes_9c[4];
    const int wordOrder[5] = {4, 1, 2, 3, 0};
    for (int i = 0; i < 5; ++i)
        store_be16(b.words_a4[i], c.words_a4[wordOrder[i]]);
    b.byte_9c_7 = c.bytes_9c[7];
    b.byte_af = c.byte_af;
    return b;
}

uint8_t CardSetRetrofitSetup(BaseCardImage& image, const RETRO_FIT_SETUP_CARD* card)
{
    const RetrofitBlock1 block1 = retrofitBlock1(*card);
    const CardHeader header{static_cast<uint8_t>(card->card_type & 0xFF), card->word_02};
    if (card->card_version == 0)
        return writeSetupCard(image, card->card_version, header, {{0, blockBytes(block1)}});
    const RetrofitBlock2 block2 = retrofitBlock2(*card);
    return writeSetupCard(image, card->card_version, header,
                          {{0, blockBytes(block1)}, {kRetrofitBlock2Offset, blockBytes(block2)}});
}

uint8_t writeRetrofitLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const RETRO_FIT_SETUP_CARD card = makeRetrofitRecord(record);
    return CardSetRetrofitSetup(image, &card);
}

} // namespace setup
