#include "setup/mdc_layout.h"

#include "services/cardcore.h"
#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <algorithm>
#include <cstring>

namespace setup {

MDC_SETUP_CARD makeMdcRecord(const STRUCT_laundry_setup& r)
{
    MDC_SETUP_CARD card{};
    card.card_type = static_cast<uint8_t>(r.card_type_code & 0xFF);
    card.byte_138 = r.byte_138;
    card.word_02 = r.word_02;
    std::memcpy(card.text_field_10, r.text_field_10, sizeof card.text_field_10);
    std::memcpy(card.text_field_1a, r.text_field_1a, sizeof card.text_field_1a);
    card.machine_type = r.machine_type;
    card.option_flags = r.option_flags;
    card.audio_time = r.audio_time;
    card.mdc_options = r.mdc_options;
    card.mdc_pricing_flags = r.mdc_pricing_flags;
    card.mdc_cycle_or_heat = r.mdc_cycle_or_heat;
    card.mdc_cool_time = r.mdc_cool_time;
    card.topoff_time_alt = r.topoff_time_alt;
    card.temp_high = r.temp_high;
    card.temp_med = r.temp_med;
    card.temp_low = r.temp_low;
    card.temp_delicate = r.temp_delicate;
    card.mdc_days = r.mdc_days;
    card.spec_begin_hour = cardcore::hex_to_bcd(r.spec_begin_hour);
    card.spec_begin_minute = cardcore::hex_to_bcd(r.spec_begin_minute);
    card.spec_end_hour = cardcore::hex_to_bcd(r.spec_end_hour);
    card.spec_end_minute = cardcore::hex_to_bcd(r.spec_end_minute);
    card.max_card_value = r.max_card_value;
    card.topoff_price_alt = r.topoff_price_alt;
    std::copy(std::begin(r.mdc_prices), std::end(r.mdc_prices), std::begin(card.mdc_prices));
    card.enable_tokens = r.enable_tokens;
    return card;
}

std::array<uint8_t, kMdcBlockSize> mdcBlock(const MDC_SETUP_CARD& c)
{
    std::array<uint8_t, kMdcBlockSize> b{};
    store_be16(&b[10], c.word_02);
    b[12] = c.machine_type;
    b[13] = c.option_flags;
    store_be16(&b[14], c.max_card_value);
    b[16] = c.mdc_cycle_or_heat;
    b[17] = c.mdc_cool_time;
    b[18] = c.temp_high;
    b[19] = c.temp_med;
    b[20] = c.temp_low;
    b[21] = c.temp_delicate;
    b[22] = c.audio_time;
    b[23] = c.mdc_options;
    b[24] = c.topoff_time_alt;
    std::memcpy(&b[25], c.text_field_10, sizeof c.text_field_10);
    std::memcpy(&b[35], c.text_field_1a, sizeof c.text_field_1a);
    for (int i = 0; i < 8; ++i)
        store_be16(&b[45 + 2 * i], c.mdc_prices[i]);
    store_be16(&b[61], c.topoff_price_alt);
    b[63] = c.mdc_days;
    b[64] = c.spec_begin_hour;
    b[65] = c.spec_begin_minute;
    b[66] = c.spec_end_hour;
    b[67] = c.spec_end_minute;
    b[77] = c.mdc_pricing_flags;
    b[78] = c.enable_tokens;
    return b;
}

uint8_t CardSetMdcSetup(BaseCardImage& image, const MDC_SETUP_CARD* card)
{
    const auto block = mdcBlock(*card);
    return writeSetupCard(image, card->byte_138, CardHeader{card->card_type, card->word_02},
                          {{0, block}});
}

uint8_t writeMdcLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const MDC_SETUP_CARD card = makeMdcRecord(record);
    return CardSetMdcSetup(image, &card);
}

} // namespace setup
