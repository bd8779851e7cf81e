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

void fillMarlin(std::array<uint8_t, kMaytagBlockSize>& b, const STRUCT_laundry_setup& r)
{
    const bool mhn33 = r.machine_type == kMhn33MachineType;
    store_be16(&b[10], r.word_02);
    b[12] = kMarlinModelByte;
    b[13] = r.machine_type;
    b[14] = r.option_flags;
    store_be16(&b[15], r.max_card_value);
    for (int i = 0; i < 5; ++i) // Normal .. Warm Upgrade
        b[17 + i] = lowByte(r.maytag_prices[i]);
    for (int i = 0; i < 3; ++i) // special Normal, Delicates, Powerwash
        b[22 + i] = lowByte(r.maytag_spec_prices[i]);
    b[25] = lowByte(r.maytag_prices[6]); // Extra Rinse
    b[32] = lowByte(r.position);
    b[33] = r.wash;
    b[34] = mhn33 ? r.prewash : 0;
    b[35] = mhn33 ? r.maytag_byte_1ff : 0;
    b[36] = r.action_flags;
    b[37] = r.rinse;
    b[38] = mhn33 ? r.top_spin_speed : 0;
    std::memcpy(&b[40], r.text_field_10, sizeof r.text_field_10);
    std::memcpy(&b[50], r.text_field_1a, sizeof r.text_field_1a);
    std::memcpy(&b[63], r.machine_serial, 10);
    const auto location = bcd6(r.location_machine);
    std::copy(location.begin(), location.end(), &b[73]);
    b[77] = r.setup_byte_1;
    b[78] = r.setup_byte_2;
    b[79] = mhn33 ? 0 : lowByte(r.maytag_prices[7]); // Soil Level
    b[80] = lowByte(r.maytag_prices[5]);             // Hot Upgrade
    b[85] = r.feature_flags;
    b[86] = r.feature_flags_2;
    b[88] = r.spec_days;
    b[89] = r.spec_price_begin;
    b[90] = r.spec_price_end;
    b[95] = r.coin1_value;
    b[97] = r.penny_increment;
    b[112] = r.enable_tokens;
    b[113] = b[114] = 0x01;
    b[122] = b[123] = 0x01;
}

// Quicksilver machines have no cycle-time bytes, split setup byte 2 into
// nibbles and always take the Soil Level price.
void applyQuicksilver(std::array<uint8_t, kMaytagBlockSize>& b, const STRUCT_laundry_setup& r)
{
    b[12] = kQuicksilverModelByte;
    std::fill(&b[33], &b[40], 0);
    b[76] = r.setup_byte_2 & 0x0F;
    b[78] = r.setup_byte_2 >> 4;
    b[79] = lowByte(r.maytag_prices[7]);
    b[86] = b[87] = 0;
}

uint8_t writeMaytagCard(BaseCardImage& image, const STRUCT_laundry_setup& r, MaytagModel model)
{
    const auto block = maytagBlock(r, model);
    const CardHeader header{lowByte(r.card_type_code), r.word_02};
    return writeSetupCard(image, kMaytagCardVersion, header, {{0, block}});
}

} // namespace

std::array<uint8_t, kMaytagBlockSize> maytagBlock(const STRUCT_laundry_setup& record,
                                                  MaytagModel model)
{
    std::array<uint8_t, kMaytagBlockSize> b{};
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
