// Readers of the Maytag Gen2 (187) and Gen2 Advanced (185) setup cards: the
// inverse of the 125-byte block their encoder writes at data-area offset 0
// (docs/setup-card-layouts.md), decoded on its own so the two sides check
// each other. Each reader takes only the bytes its card type carries.
#include "card/card_status.h"
#include "card/setup_card_io.h"
#include "laundry/card_types.h"
#include "laundry/gen2_setup_card.h"
#include "services/cardlayout.h"

#include <cstring>

namespace cardlayout {

namespace {

constexpr std::size_t kGen2BlockSize = 125;

using Gen2Block = card::SetupBlock<kGen2BlockSize>;

// The bytes both cards carry. The cycle times at 33 and 37 stay as the card
// holds them: BCD on a Gen2 card, plain minutes on a Gen2 Advanced card.
void decodeCommon(const Gen2Block& b, GEN2_SETUP_CARD* c)
{
    c->vend_price = card::loadBe16(&b[8]);
    c->word_02_again = card::loadBe16(&b[10]);
    c->option_flags = b[14];
    c->wash = b[33];
    c->rinse = b[37];
    std::memcpy(c->text_field_10, &b[40], sizeof c->text_field_10);
    std::memcpy(c->text_field_1a, &b[50], sizeof c->text_field_1a);
}

// A Gen2 dryer card holds its dry time at 33 as well, so `wash` gets it.
void decodeGen2(const Gen2Block& b, GEN2_SETUP_CARD* c)
{
    decodeCommon(b, c);
    c->topoff_price_alt = card::loadBe16(&b[38]);
}

void decodeGen2Advanced(const Gen2Block& b, GEN2_SETUP_CARD* c)
{
    decodeCommon(b, c);
    c->machine_model_byte = b[12];
    c->machine_type = b[13];
    c->max_card_value = card::loadBe16(&b[15]);
    c->position = b[32];
    c->super_cycle_upgrade_price = b[35];
    c->action_flags = b[36];
    std::memcpy(c->machine_serial, &b[63], sizeof c->machine_serial);
    // Three BCD bytes, high first, as the record's number 0x00HHMMLL.
    c->location_bcd = uint32_t{b[73]} << 16 | uint32_t{b[74]} << 8 | b[75];
    c->vend_cold_price = b[77];
    c->vend_warm_price = b[78];
    c->vend_hot_price = b[79];
    c->spec_price = b[80];
    c->spec_cold_price = b[81];
    c->spec_warm_price = b[82];
    c->spec_hot_price = b[83];
    c->super_cycle_type = b[84];
    c->feature_flags = b[85];
    c->feature_flags_2 = b[86];
    c->spec_days = b[88];
    c->spec_price_begin = b[89];
    c->spec_price_end = b[90];
    c->prewash = b[91];
    c->final_spin = b[92];
    c->num_rinses_cycle = b[93];
    c->top_spin_speed = b[94];
    c->coin1_value = b[95];
    c->coin2_value = b[96];
    c->penny_increment = b[97];
    c->penny_increment_dryer = b[98];
    c->reg_dryer_price = b[99];
    c->spec_dryer_price = b[100];
    c->regular_dry = b[101];
    c->dry = b[102];
    c->enable_tokens = b[112];
    c->one_84 = b[113];
    c->one_88 = b[114];
    c->one_93 = b[122];
    c->one_94 = b[123];
}

uint8_t readGen2Card(std::initializer_list<uint8_t> cardTypes,
                     void (*decode)(const Gen2Block&, GEN2_SETUP_CARD*), GEN2_SETUP_CARD* card)
{
    if (card == nullptr)
        return card::kStatusBadArgument;
    card::SetupCardHeader header;
    if (const uint8_t status = card::readSetupCardHeader(cardTypes, &header))
        return status;
    Gen2Block block{};
    if (const uint8_t status = card::readSetupBlock(0, &block))
        return status;

    GEN2_SETUP_CARD read{};
    read.card_type = header.type;
    read.word_02 = header.custId;
    read.card_version = header.version;
    decode(block, &read);
    *card = read;
    return card::kStatusOk;
}

} // namespace

uint8_t NIMBOReadGen2Setup(GEN2_SETUP_CARD* card)
{
    return readGen2Card({laundry::kGen2Card}, &decodeGen2, card);
}

// LG cards are the Gen2 Advanced layout with a few bytes moved; the Gen2
// Advanced reader decodes them alike.
uint8_t NIMBOReadGen2AdvSetup(GEN2_SETUP_CARD* card)
{
    return readGen2Card({laundry::kGen2AdvancedCard, laundry::kLgCard}, &decodeGen2Advanced, card);
}

} // namespace cardlayout
