#include "setup/gen2_layout.h"

#include "laundry/card_types.h"
#include "services/cardcore.h"
#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <cstring>

namespace setup {
namespace {

constexpr uint8_t kLgDryerMachineType = 8;

uint32_t locationBcd(uint32_t locationMachine)
{
    const auto digits = bcd6(locationMachine);
    return (uint32_t(digits[0]) << 16) | (uint32_t(digits[1]) << 8) | digits[2];
}

// The values every Gen2 family record carries.
template <class Card> void fillCommon(Card& c, const STRUCT_laundry_setup& r, uint16_t cardType)
{
    c.card_type = cardType;
    c.word_02 = r.word_02;
    c.vend_price = r.vend_price;
    c.word_02_again = r.word_02;
    c.option_flags = r.option_flags;
    std::memcpy(c.text_field_10, r.text_field_10, sizeof c.text_field_10);
    std::memcpy(c.text_field_1a, r.text_field_1a, sizeof c.text_field_1a);
}

// Gen2 Advanced and LG records share everything but the type and LG's extras.
template <class Card>
void fillAdvanced(Card& c, const STRUCT_laundry_setup& r, uint16_t cardType, uint8_t version)
{
    fillCommon(c, r, cardType);
    c.dry = r.dry;
    c.machine_model_byte = r.machine_model_byte;
    c.machine_type = r.machine_type;
    std::memcpy(c.machine_serial, r.machine_serial, sizeof c.machine_serial);
    c.position = static_cast<uint8_t>(r.position & 0xFF);
    c.location_bcd = locationBcd(r.location_machine);
    c.vend_cold_price = r.vend_cold_price;
    c.vend_warm_price = r.vend_warm_price;
    c.vend_hot_price = r.vend_hot_price;
    c.spec_price = r.spec_price;
    c.spec_cold_price = r.spec_cold_price;
    c.spec_warm_price = r.spec_warm_price;
    c.spec_hot_price = r.spec_hot_price;
    c.super_cycle_upgrade_price = r.super_cycle_upgrade_price;
    c.super_cycle_type = r.super_cycle_type;
    c.feature_flags = r.feature_flags;
    c.feature_flags_2 = r.feature_flags_2;
    c.byte_101 = r.byte_101;
    c.spec_days = r.spec_days;
    c.spec_price_begin = r.spec_price_begin;
    c.spec_price_end = r.spec_price_end;
    c.prewash = r.prewash;
    c.final_spin = r.final_spin;
    c.regular_dry = r.regular_dry;
    c.wash = r.wash;
    c.num_rinses_cycle = r.num_rinses_cycle;
    c.rinse = r.rinse;
    c.top_spin_speed = r.top_spin_speed;
    c.coin1_value = r.coin1_value;
    c.coin2_value = r.coin2_value;
    c.penny_increment = r.penny_increment;
    c.penny_increment_dryer = r.penny_increment_dryer;
    c.reg_dryer_price = r.reg_dryer_price;
    c.spec_dryer_price = r.spec_dryer_price;
    c.action_flags = r.action_flags;
    c.card_version = version;
    c.enable_tokens = r.enable_tokens;
    c.one_84 = 1;
    c.one_88 = 1;
    c.one_93 = 1;
    c.one_94 = 1;
    c.max_card_value = r.max_card_value;
}

template <class Card> std::array<uint8_t, kGen2BlockSize> cardBlock(const Card& c)
{
    std::array<uint8_t, kGen2BlockSize> b{};
    store_be16(&b[8], c.vend_price);
    store_be16(&b[10], c.word_02_again);
    b[12] = c.machine_model_byte;
    b[13] = c.machine_type;
    b[14] = c.option_flags;
    store_be16(&b[15], c.max_card_value);
    b[31] = 0x01;
    b[32] = c.position;
    b[33] = c.wash;
    b[35] = c.super_cycle_upgrade_price;
    b[36] = c.action_flags;
    b[37] = c.rinse;
    store_be16(&b[38], c.topoff_price_alt);
    std::memcpy(&b[40], c.text_field_10, sizeof c.text_field_10);
    std::memcpy(&b[50], c.text_field_1a, sizeof c.text_field_1a);
    std::memcpy(&b[63], c.machine_serial, sizeof c.machine_serial);
    b[73] = static_cast<uint8_t>(c.location_bcd >> 16);
    b[74] = static_cast<uint8_t>(c.location_bcd >> 8);
    b[75] = static_cast<uint8_t>(c.location_bcd);
    b[77] = c.vend_cold_price;
    b[78] = c.vend_warm_price;
    b[79] = c.vend_hot_price;
    b[80] = c.spec_price;
    b[81] = c.spec_cold_price;
    b[82] = c.spec_warm_price;
    b[83] = c.spec_hot_price;
    b[84] = c.super_cycle_type;
    b[85] = c.feature_flags;
    b[86] = c.feature_flags_2;
    b[88] = c.spec_days;
    b[89] = c.spec_price_begin;
    b[90] = c.spec_price_end;
    b[91] = c.prewash;
    b[92] = c.final_spin;
    b[93] = c.num_rinses_cycle;
    b[94] = c.top_spin_speed;
    b[95] = c.coin1_value;
    b[96] = c.coin2_value;
    b[97] = c.penny_increment;
    b[98] = c.penny_increment_dryer;
    b[99] = c.reg_dryer_price;
    b[100] = c.spec_dryer_price;
    b[101] = c.regular_dry;
    b[102] = c.dry;
    b[112] = c.enable_tokens;
    b[113] = c.one_84;
    b[114] = c.one_88;
    b[122] = c.one_93;
    b[123] = c.one_94;
    return b;
}

template <class Card>
uint8_t writeCard(BaseCardImage& image, const Card& c,
                  const std::array<uint8_t, kGen2BlockSize>& block)
{
    const CardHeader header{static_cast<uint8_t>(c.card_type & 0xFF), c.word_02};
    return writeSetupCard(image, c.card_version, header, {{0, block}});
}

} // namespace

GEN2_SETUP_CARD makeGen2Record(const STRUCT_laundry_setup& r)
{
    GEN2_SETUP_CARD c{};
    fillCommon(c, r, laundry::kGen2Card);
    c.topoff_price_alt = r.topoff_price_alt;
    // Washers run on wash and rinse times, dryers on the dry time alone.
    c.wash = cardcore::hex_to_bcd(r.washer ? r.wash : r.dry);
    c.rinse = r.washer ? cardcore::hex_to_bcd(r.rinse) : 0;
    c.card_version = kGen2CardVersion;
    return c;
}

GEN2_SETUP_CARD makeGen2AdvancedRecord(const STRUCT_laundry_setup& r)
{
    GEN2_SETUP_CARD c{};
    fillAdvanced(c, r, laundry::kGen2AdvancedCard, kGen2AdvancedCardVersion);
    return c;
}

GEN2_LG_SETUP_CARD makeLgRecord(const STRUCT_laundry_setup& r)
{
    GEN2_LG_SETUP_CARD c{};
    fillAdvanced(c, r, laundry::kLgCard, kLgCardVersion);
    c.washer = r.washer;
    c.topoff_time_alt = r.topoff_time_alt;
    return c;
}

std::array<uint8_t, kGen2BlockSize> gen2Block(const GEN2_SETUP_CARD& card)
{
    return cardBlock(card);
}

std::array<uint8_t, kGen2BlockSize> lgBlock(const GEN2_LG_SETUP_CARD& c)
{
    auto b = cardBlock(c);
    // LG machines take one Coin2/TopOff value, a single special price and
    // either the washer or the dryer cycle pair.
    b[39] = c.coin2_value;
    b[80] = c.machine_type == kLgDryerMachineType ? c.spec_dryer_price : c.spec_price;
    b[91] = c.washer ? c.prewash : c.regular_dry;
    b[92] = c.washer ? c.final_spin : c.dry;
    b[100] = c.coin2_value;
    b[102] = c.topoff_time_alt;
    return b;
}

uint8_t CardSetGen2Setup(BaseCardImage& image, const GEN2_SETUP_CARD* card)
{
    return writeCard(image, *card, gen2Block(*card));
}

uint8_t CardSetLgSetup(BaseCardImage& image, const GEN2_LG_SETUP_CARD* card)
{
    return writeCard(image, *card, lgBlock(*card));
}

uint8_t writeGen2AdvancedLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const GEN2_SETUP_CARD card = makeGen2AdvancedRecord(record);
    return CardSetGen2Setup(image, &card);
}

uint8_t writeGen2Layout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const GEN2_SETUP_CARD card = makeGen2Record(record);
    return CardSetGen2Setup(image, &card);
}

uint8_t writeLgLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    const GEN2_LG_SETUP_CARD card = makeLgRecord(record);
    return CardSetLgSetup(image, &card);
}

} // namespace setup
