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

std::array<uint8_t, kRetrofitBlock1Size> retrofitBlock1(const RETRO_FIT_SETUP_CARD& c)
{
    std::array<uint8_t, kRetrofitBlock1Size> b{};
    store_be16(&b[8], c.vend_price);
    store_be16(&b[10], c.word_02);
    store_be16(&b[12], c.word_04);
    b[14] = c.option_flags;
    std::memcpy(&b[32], c.time_bcd, sizeof c.time_bcd);
    store_be16(&b[38], c.topoff_price);
    std::memcpy(&b[40], c.text_field_10, 10);
    std::memcpy(&b[50], c.text_field_1a, 10);
    b[63] = 0xA1;
    store_be16(&b[64], c.display_flags);
    std::memcpy(&b[66], c.idle_message, 30);
    std::memcpy(&b[96], c.busy_message, 30);
    b[126] = c.pulses;
    b[127] = c.scroll_speed;
    store_be16(&b[128], c.max_card_value);
    return b;
}

std::array<uint8_t, kRetrofitBlock2Size> retrofitBlock2(const RETRO_FIT_SETUP_CARD& c)
{
    std::array<uint8_t, kRetrofitBlock2Size> b{};
    const auto* lines = c.text_lines_24;
    std::memcpy(&b[0], lines, 40);
    b[40] = c.bytes_9c[0];
    b[41] = c.bytes_9c[1];
    std::memcpy(&b[42], lines + 40, 20);
    b[62] = c.bytes_9c[2];
    std::memcpy(&b[63], lines + 60, 20);
    b[83] = c.bytes_9c[3];
    b[84] = c.bytes_9c[6];
    b[85] = c.bytes_9c[5];
    b[86] = c.bytes_9c[4];
    const int wordOrder[5] = {4, 1, 2, 3, 0};
    for (int i = 0; i < 5; ++i)
        store_be16(&b[87 + 2 * i], c.words_a4[wordOrder[i]]);
    b[97] = c.bytes_9c[7];
    std::memcpy(&b[98], lines + 80, 40);
    b[138] = c.byte_af;
    return b;
}

uint8_t CardSetRetrofitSetup(BaseCardImage& image, const RETRO_FIT_SETUP_CARD* card)
{
    const auto block1 = retrofitBlock1(*card);
    const CardHeader header{static_cast<uint8_t>(card->card_type & 0xFF), card->word_02};
    if (card->card_version == 0)
        return writeSetupCard(image, card->card_version, header, {{0, block1}});
    const auto block2 = retrofitBlock2(*card);
    return writeSetupCard(image, card->card_version, header,
                          {{0, block1}, {kRetrofitBlock2Offset, block2}});
}

}  // namespace setup
