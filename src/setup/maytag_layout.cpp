#include "setup/maytag_layout.h"

#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <algorithm>
#include <cstring>

namespace setup {
namespace {

constexpr uint8_t kMarlinModelByte = 0x25;
constexpr uint8_t kQuicksilverModelByte = 0x2B;

uint8_t lowByte(uint16_t value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

// The record's Maytag price page: Normal, Delicates, Powerwash, Cool, Warm
// and Hot upgrade, Extra Rinse, Soil Level; specials Normal, Delicates,
// Powerwash.
void fillMarlin(MaytagSetupBlock& b, const STRUCT_laundry_setup& r)
{
    const bool mhn33 = r.machine_type == kMhn33MachineType;
    store_be16(b.cust_id, r.word_02);
    b.model_byte = kMarlinModelByte;
    b.machine_type = r.machine_type;
    b.option_flags = r.option_flags;
    store_be16(b.max_card_value, r.max_card_value);
    b.normal_price = lowByte(r.maytag_prices[0]);
    b.delicates_price = lowByte(r.maytag_prices[1]);
    b.powerwash_price = lowByte(r.maytag_prices[2]);
    b.cool_upgrade_price = lowByte(r.maytag_prices[3]);
    b.warm_upgrade_price = lowByte(r.maytag_prices[4]);
    b.hot_upgrade_price = lowByte(r.maytag_prices[5]);
    b.extra_rinse_price = lowByte(r.maytag_prices[6]);
    b.soil_level_price = mhn33 ? 0 : lowByte(r.maytag_prices[7]);
    b.normal_special_price = lowByte(r.maytag_spec_prices[0]);
    b.delicates_special_price = lowByte(r.maytag_spec_prices[1]);
    b.powerwash_special_price = lowByte(r.maytag_spec_prices[2]);
    b.position = lowByte(r.position);
    b.wash = r.wash;
    b.prewash = mhn33 ? r.prewash : 0;
    b.mhn33_byte_35 = mhn33 ? r.maytag_byte_1ff : 0;
    b.action_flags = r.action_flags;
    b.rinse = r.rinse;
    b.top_spin_speed = mhn33 ? r.top_spin_speed : 0;
    std::memcpy(b.machine_location, r.text_field_10, sizeof b.machine_location);
    std::memcpy(b.machine_id, r.text_field_1a, sizeof b.machine_id);
    std::memcpy(b.serial, r.machine_serial, sizeof b.serial);
    const auto location = bcd6(r.location_machine);
    std::ranges::copy(location, b.location_bcd);
    b.powerwash_options = r.setup_byte_1;
    b.delicates_options = r.setup_byte_2;
    b.feature_flags = r.feature_flags;
    b.feature_flags_2 = r.feature_flags_2;
    b.special_days = r.spec_days;
    b.special_begin_hour = r.spec_price_begin;
    b.special_end_hour = r.spec_price_end;
    b.coin1_nickels = r.coin1_value;
    b.penny_increment = r.penny_increment;
    b.enable_tokens = r.enable_tokens;
    b.ones_113[0] = b.ones_113[1] = 0x01;
    b.ones_122[0] = b.ones_122[1] = 0x01;
}

// Quicksilver machines have no cycle-time bytes, split setup byte 2 into
// the normal and delicates options and always take the Soil Level price.
void applyQuicksilver(MaytagSetupBlock& b, const STRUCT_laundry_setup& r)
{
    b.model_byte = kQuicksilverModelByte;
    b.wash = b.prewash = b.mhn33_byte_35 = b.action_flags = b.rinse = b.top_spin_speed = 0;
    b.normal_options = r.setup_byte_2 & 0x0F;
    b.delicates_options = r.setup_byte_2 >> 4;
    b.soil_level_price = lowByte(r.maytag_prices[7]);
    b.feature_flags_2 = 0;
}

uint8_t writeMaytagCard(BaseCardImage& image, const STRUCT_laundry_setup& r, MaytagModel model)
{
    const MaytagSetupBlock block = maytagBlock(r, model);
    const CardHeader header{lowByte(r.card_type_code), r.word_02};
    return writeSetupCard(image, kMaytagCardVersion, header, {{0, blockBytes(block)}});
}

} // namespace

MaytagSetupBlock maytagBlock(const STRUCT_laundry_setup& record, MaytagModel model)
{
    MaytagSetupBlock b{};
    fillMarlin(b, record);
    if (model == MaytagModel::Quicksilver)
        applyQuicksilver(b, record);
    return b;
}

uint8_t CardSetMarlinSetup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    return writeMaytagCard(image, *record, MaytagModel::Marlin);
}

uint8_t CardSetQuicksilverSetup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    return writeMaytagCard(image, *record, MaytagModel::Quicksilver);
}

uint8_t writeMarlinLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return CardSetMarlinSetup(image, &record);
}

uint8_t writeQuicksilverLayout(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return CardSetQuicksilverSetup(image, &record);
}

} // namespace setup
