#include "setup/alliance_layout.h"

#include "laundry/card_types.h"
#include "setup/card_bytes.h"
#include "setup/encoder_frame.h"

#include <algorithm>
#include <initializer_list>

namespace setup {
namespace {

bool cyclePricing(const STRUCT_laundry_setup& r)
{
    return (r.mdc_pricing_flags & 0x02) != 0;
}

void storePrices(uint8_t* out, std::initializer_list<uint16_t> prices)
{
    for (const uint16_t price : prices) {
        store_be16(out, price);
        out += 2;
    }
}

void storeWasherPrices(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    for (int i = 0; i < 9; ++i)
        store_be16(&b[89 + 2 * i], cyclePricing(r) ? r.alliance_washer_prices[i] : r.vend_price);
}

void storeDryerPrices(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    if (cyclePricing(r))
        storePrices(&b[89], {r.mdc_prices[2], r.dryer_noheat_price}); // high, no heat
    else
        storePrices(&b[89], {r.vend_price, r.vend_price});
}

uint8_t writeAlliance(BaseCardImage& image, const STRUCT_laundry_setup& r,
                      const AllianceVariant* variant)
{
    const CardHeader header{laundry::kAllianceCard, r.word_02};
    if (!variant)
        return writeSetupCard(image, r.byte_138, header, {}, kStatusMachineTypeRefused);
    const AllianceBlockA blockA = allianceBlockA(*variant, r);
    const AllianceBlockB blockB = allianceBlockB(*variant, r);
    return writeSetupCard(image, r.byte_138, header,
                          {{0, blockA}, {kAllianceBlockBOffset, blockB}});
}

} // namespace

AllianceBlockA allianceBlockA(const AllianceVariant& variant, const STRUCT_laundry_setup& r)
{
    AllianceBlockA b{};
    store_be16(&b[10], r.word_02);
    b[12] = variant.machineType;
    b[13] = r.option_flags;
    store_be16(&b[14], r.max_card_value);
    b[22] = r.audio_time;
    b[23] = r.mdc_options;
    b[24] = r.topoff_time_alt;
    std::ranges::copy(r.text_field_10, &b[25]);
    std::ranges::copy(r.text_field_1a, &b[35]);
    store_be16(&b[45], r.vend_price);
    b[47] = r.enable_tokens;
    b[48] = r.mdc_pricing_flags;
    b[81] = 0x02;
    std::ranges::copy(variant.codeBytes, &b[82]);
    if (variant.kind == AllianceMachineKind::Washer)
        storeWasherPrices(b, r);
    else
        storeDryerPrices(b, r);
    variant.writeTail(b, r);
    return b;
}

AllianceBlockB allianceBlockB(const AllianceVariant& variant, const STRUCT_laundry_setup& r)
{
    AllianceBlockB b{};
    if (variant.kind != AllianceMachineKind::Dryer)
        return b;
    if (cyclePricing(r)) // high, medium, low, delicates, no heat
        storePrices(&b[0], {r.mdc_prices[2], r.mdc_prices[0], r.mdc_prices[3], r.mdc_prices[1],
                            r.dryer_noheat_price});
    else
        storePrices(&b[0], {r.vend_price, r.vend_price, r.vend_price, r.vend_price, r.vend_price});
    store_be16(&b[10], r.topoff_price);
    return b;
}

uint8_t CardSetAllianceAcaSetup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    return writeAlliance(image, *record, findAcaVariant(record->machine_type));
}

uint8_t CardSetCenturionSetup(BaseCardImage& image, const STRUCT_laundry_setup* record)
{
    return writeAlliance(image, *record, findCenturionVariant(record->machine_type));
}

uint8_t writeAllianceSetup(BaseCardImage& image, const STRUCT_laundry_setup& record)
{
    return record.aca_product_line != 0 ? CardSetAllianceAcaSetup(image, &record)
                                        : CardSetCenturionSetup(image, &record);
}

} // namespace setup
