// Readers of the Retrofit, Advantech and MDC setup cards: the inverse of the
// layouts their encoders write (docs/setup-card-layouts.md), decoded here on
// their own so the two sides check each other.
#include "card/card_status.h"
#include "card/setup_card_io.h"
#include "laundry/advanteck_setup_card.h"
#include "laundry/card_types.h"
#include "laundry/mdc_setup_card.h"
#include "laundry/setup_cards.h"
#include "services/cardlayout.h"

#include <array>
#include <cstring>

namespace cardlayout {

namespace {

// Both multi-block cards put their second block here.
constexpr uint32_t kSecondBlockOffset = 400;

constexpr std::size_t kRetrofitBlock1Size = 130;
constexpr std::size_t kRetrofitBlock2Size = 139;
constexpr std::size_t kAdvanteckBlock1Size = 136;
constexpr std::size_t kAdvanteckBlock2Size = 21;
constexpr std::size_t kMdcBlockSize = 79;

template <std::size_t N> using Block = card::SetupBlock<N>;

void decodeRetrofitBlock1(const Block<kRetrofitBlock1Size>& b, RETRO_FIT_SETUP_CARD* c)
{
    using card::loadBe16;
    c->vend_price = loadBe16(&b[8]);
    c->word_02_again = loadBe16(&b[10]);
    c->word_04 = loadBe16(&b[12]);
    c->option_flags = b[14];
    std::memcpy(c->time_bcd, &b[32], sizeof c->time_bcd);
    c->topoff_price = loadBe16(&b[38]);
    std::memcpy(c->text_field_10, &b[40], sizeof c->text_field_10);
    std::memcpy(c->text_field_1a, &b[50], sizeof c->text_field_1a);
    c->display_flags = loadBe16(&b[64]);
    std::memcpy(c->idle_message, &b[66], sizeof c->idle_message);
    std::memcpy(c->busy_message, &b[96], sizeof c->busy_message);
    c->pulses = b[126];
    c->scroll_speed = b[127];
    c->max_card_value = loadBe16(&b[128]);
}

// The six text lines interleaved with the single bytes and words.
void decodeRetrofitBlock2(const Block<kRetrofitBlock2Size>& b, RETRO_FIT_SETUP_CARD* c)
{
    char* lines = c->text_lines_24;
    std::memcpy(lines, &b[0], 40);
    c->bytes_9c[0] = b[40];
    c->bytes_9c[1] = b[41];
    std::memcpy(lines + 40, &b[42], 20);
    c->bytes_9c[2] = b[62];
    std::memcpy(lines + 60, &b[63], 20);
    c->bytes_9c[3] = b[83];
    c->bytes_9c[6] = b[84];
    c->bytes_9c[5] = b[85];
    c->bytes_9c[4] = b[86];
    const int wordOrder[5] = {4, 1, 2, 3, 0};
    for (int i = 0; i < 5; ++i)
        c->words_a4[wordOrder[i]] = card::loadBe16(&b[87 + 2 * i]);
    c->bytes_9c[7] = b[97];
    std::memcpy(lines + 80, &b[98], 40);
    c->byte_af = b[138];
}

void decodeAdvanteckBlock1(const Block<kAdvanteckBlock1Size>& b, ADVNTECK_SETUP_CARD* c)
{
    using card::loadBe16;
    c->marker = b[8];
    c->advantech_vend_price = loadBe16(&b[55]);
    c->advantech_dryer_run_time = b[57];
    c->topoff_price_alt = loadBe16(&b[58]);
    c->topoff_time_alt = b[60];
    c->spec_price_1 = loadBe16(&b[61]);
    c->sp1_days = b[63];
    c->sp1_start = b[64];
    c->sp1_duration = b[65];
    c->spec_price_2 = loadBe16(&b[66]);
    c->sp2_days = b[68];
    c->sp2_start = b[69];
    c->sp2_duration = b[70];
    c->spec_price_3 = loadBe16(&b[71]);
    c->sp3_days = b[73];
    c->sp3_start = b[74];
    c->sp3_duration = b[75];
    // Each coin's maximum pulse length comes before its minimum on the card.
    c->coin1_pulse_max = b[76];
    c->coin1_pulse_min = b[77];
    c->coin2_pulse_max = b[78];
    c->coin2_pulse_min = b[79];
    c->advantech_time_step = loadBe16(&b[80]);
    c->setup_byte_1 = b[82];
    c->setup_byte_2 = b[83];
    c->word_18e = loadBe16(&b[87]);
    c->advantech_warm_price = loadBe16(&b[98]);
    c->advantech_hot_price = loadBe16(&b[100]);
    c->coin1_value_cents = loadBe16(&b[102]);
    c->coin2_value_cents = loadBe16(&b[104]);
    c->coin_slide_1 = b[106];
    c->coin_slide_2 = b[107];
    c->advantech_option_1a4 = loadBe16(&b[108]);
    c->decimal_point = b[110];
    c->hot_temp_reduction = b[111];
    c->extended_cool_down = b[112];
    c->max_card_value = loadBe16(&b[133]);
    c->option_flags = b[135];
}

void decodeAdvanteckBlock2(const Block<kAdvanteckBlock2Size>& b, ADVNTECK_SETUP_CARD* c)
{
    std::memcpy(c->text_field_10, &b[0], sizeof c->text_field_10);
    std::memcpy(c->text_field_1a, &b[10], sizeof c->text_field_1a);
    c->action_flags = b[20];
}

// The customer id at bytes 10-11 repeats the header's, which the reader takes.
void decodeMdcBlock(const Block<kMdcBlockSize>& b, MDC_SETUP_CARD* c)
{
    using card::loadBe16;
    c->machine_type = b[12];
    c->option_flags = b[13];
    c->max_card_value = loadBe16(&b[14]);
    c->mdc_cycle_or_heat = b[16];
    c->mdc_cool_time = b[17];
    c->temp_high = b[18];
    c->temp_med = b[19];
    c->temp_low = b[20];
    c->temp_delicate = b[21];
    c->audio_time = b[22];
    c->mdc_options = b[23];
    c->topoff_time_alt = b[24];
    std::memcpy(c->text_field_10, &b[25], sizeof c->text_field_10);
    std::memcpy(c->text_field_1a, &b[35], sizeof c->text_field_1a);
    for (int i = 0; i < 8; ++i)
        c->mdc_prices[i] = loadBe16(&b[45 + 2 * i]);
    c->topoff_price_alt = loadBe16(&b[61]);
    c->mdc_days = b[63];
    c->spec_begin_hour = b[64];
    c->spec_begin_minute = b[65];
    c->spec_end_hour = b[66];
    c->spec_end_minute = b[67];
    c->mdc_pricing_flags = b[77];
    c->enable_tokens = b[78];
}

} // namespace

uint8_t NIMBOReadRetrofitSetup(RETRO_FIT_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;
    card::SetupCardHeader header;
    if (const uint8_t status = card::readSetupCardHeader(laundry::kRetrofitCard, &header))
        return status;
    RETRO_FIT_SETUP_CARD read{};
    read.card_type = header.type;
    read.word_02 = header.custId;
    read.card_version = header.version;

    Block<kRetrofitBlock1Size> block1{};
    if (const uint8_t status = card::readSetupBlock(0, &block1))
        return status;
    decodeRetrofitBlock1(block1, &read);
    // Version 0 cards have no second block.
    if (header.version != 0) {
        Block<kRetrofitBlock2Size> block2{};
        if (const uint8_t status = card::readSetupBlock(kSecondBlockOffset, &block2))
            return status;
        decodeRetrofitBlock2(block2, &read);
    }
    *card = read;
    return card::kStatusOk;
}

uint8_t NIMBOReadAdvanteckSetup(ADVNTECK_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;
    card::SetupCardHeader header;
    if (const uint8_t status = card::readSetupCardHeader(laundry::kAdvantechCard, &header))
        return status;
    Block<kAdvanteckBlock1Size> block1{};
    if (const uint8_t status = card::readSetupBlock(0, &block1))
        return status;
    Block<kAdvanteckBlock2Size> block2{};
    if (const uint8_t status = card::readSetupBlock(kSecondBlockOffset, &block2))
        return status;

    ADVNTECK_SETUP_CARD read{};
    read.card_type = header.type;
    read.word_02 = header.custId;
    read.card_version = header.version;
    decodeAdvanteckBlock1(block1, &read);
    decodeAdvanteckBlock2(block2, &read);
    *card = read;
    return card::kStatusOk;
}

uint8_t NIMBOReadMdcSetup(MDC_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;
    card::SetupCardHeader header;
    if (const uint8_t status = card::readSetupCardHeader(laundry::kMdcCard, &header))
        return status;
    Block<kMdcBlockSize> block{};
    if (const uint8_t status = card::readSetupBlock(0, &block))
        return status;

    MDC_SETUP_CARD read{};
    read.card_type = header.type;
    read.byte_138 = header.version;
    read.word_02 = header.custId;
    decodeMdcBlock(block, &read);
    *card = read;
    return card::kStatusOk;
}

} // namespace cardlayout
