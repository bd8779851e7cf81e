#include "setup/alliance_variants.h"

#include "setup/card_bytes.h"

#include <algorithm>
#include <span>

namespace setup {
namespace {

// The audio-signal byte the machines expect: 0x1D when the signal is on.
uint8_t audioByte(const STRUCT_laundry_setup& r)
{
    return (r.mdc_options & 0x08) ? 0x1D : 0;
}

uint8_t celsiusBit(const STRUCT_laundry_setup& r)
{
    return (r.mdc_options >> 4) & 1;
}

uint8_t topoffEnabledBit(const STRUCT_laundry_setup& r)
{
    return r.mdc_pricing_flags & 1;
}

// The two added prices read as one little-endian long at 0x21A (heavy low
// word, medium high word) and written high byte first.
void storeAddedPrices(uint8_t* out, const STRUCT_laundry_setup& r)
{
    store_be16(out, r.medium_added_price);
    store_be16(out + 2, r.heavy_added_price);
}

// The twelve top-load cycle settings grouped per cycle (Normal, Perm Press,
// Delicate): wash, extra rinse, rinse, final spin.
void storeCycleSettings(uint8_t* out, const STRUCT_laundry_setup& r)
{
    const uint8_t* s = r.washer_cycle_settings;
    for (int cycle = 0; cycle < 3; ++cycle) {
        *out++ = s[cycle];
        *out++ = s[6 + cycle];
        *out++ = s[3 + cycle];
        *out++ = s[9 + cycle];
    }
}

void acaTopLoadTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    storeAddedPrices(&b[107], r);
    b[111] = r.medium_warm_rinse;
    b[112] = r.warm_rinse_enabled;
    b[113] = r.medium_extra_wash_time;
    b[114] = r.medium_extra_rinse_time;
    b[115] = r.heavy_extra_wash_time;
    b[116] = r.heavy_extra_rinse_time;
    storeCycleSettings(&b[117], r);
    b[129] = 0x05;
    b[132] = audioByte(r);
    b[133] = 0x01;
}

void acaFrontLoadTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    storeAddedPrices(&b[107], r);
    b[111] = r.medium_cycle_flags;
    b[112] = r.heavy_cycle_flags;
    b[113] = r.medium_extra_wash_time;
    b[114] = r.medium_extra_rinse_time;
    b[115] = r.heavy_extra_wash_time;
    b[116] = r.heavy_extra_rinse_time;
    b[117] = 0x05;
    b[119] = audioByte(r);
    b[120] = 0x01;
}

void acaDryerTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    b[93] = topoffEnabledBit(r);
    store_be16(&b[94], r.topoff_price);
    b[96] = r.topoff_time_alt;
    constexpr uint8_t kDryerConstants[] = {0x00, 0x05, 0x26, 0x16, 0x1E};
    std::ranges::copy(kDryerConstants, &b[97]);
    b[102] = r.heated_cycle_time;
    b[104] = r.noheat_cycle_time;
    std::ranges::copy(r.cool_down_times, &b[106]);
    b[110] = r.temp_high;
    b[111] = r.temp_med;
    b[112] = r.temp_low;
    b[113] = r.temp_delicate;
    b[114] = 0x04;
    b[115] = audioByte(r);
    b[118] = celsiusBit(r);
    b[119] = 0x01;
}

// Only the heavy added price, then the heavy cycle switch and extra times.
void centurionTopLoadTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    store_be16(&b[107], r.heavy_added_price);
    b[109] = r.enable_heavy_cycle;
    b[110] = r.heavy_extra_wash_time;
    b[111] = r.heavy_extra_rinse_time;
    b[112] = r.warm_rinse_enabled;
    storeCycleSettings(&b[113], r);
    b[125] = 0x05;
    b[126] = audioByte(r);
    b[127] = 0x01;
}

void centurionFrontLoadTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    storeAddedPrices(&b[107], r);
    b[111] = r.medium_cycle_flags;
    b[112] = r.heavy_cycle_flags;
    b[113] = r.flw_extra_wash_time;
    b[114] = 0x05;
    b[115] = audioByte(r);
    b[116] = 0x01;
}

// The added prices appear twice on the extractor card.
void centurionExtractorTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    b[87] = r.setup_byte_2;
    storeAddedPrices(&b[107], r);
    storeAddedPrices(&b[111], r);
    b[115] = r.medium_cycle_flags;
    b[116] = r.heavy_cycle_flags;
    b[117] = r.flw_extra_wash_time;
    b[118] = 0x05;
    b[119] = audioByte(r);
    b[120] = 0x01;
}

void centurionDryerTail(AllianceBlockA& b, const STRUCT_laundry_setup& r)
{
    store_be16(&b[93], r.topoff_price);
    b[95] = r.heated_cycle_time;
    b[97] = r.noheat_cycle_time;
    std::ranges::copy(r.cool_down_times, &b[99]);
    b[103] = topoffEnabledBit(r);
    b[104] = r.topoff_time_alt;
    b[106] = r.temp_high;
    b[107] = r.temp_med;
    b[108] = r.temp_low;
    b[109] = r.temp_delicate;
    b[110] = 0x04;
    b[111] = audioByte(r);
    b[112] = 0x01;
    b[113] = celsiusBit(r);
    b[114] = 0x01;
}

using Kind = AllianceMachineKind;

constexpr AllianceVariant kAcaVariants[] = {
    {1, Kind::Washer, {0x32, 0x21, 0x70, 0x01}, &acaTopLoadTail},
    {2, Kind::Washer, {0x25, 0x22, 0x70, 0x02}, &acaFrontLoadTail},
    {9, Kind::Dryer, {0x25, 0x29, 0x70, 0x09}, &acaDryerTail},
};

constexpr AllianceVariant kCenturionVariants[] = {
    {1, Kind::Washer, {0x2D, 0x21, 0x65, 0x01}, &centurionTopLoadTail},
    {2, Kind::Washer, {0x22, 0x22, 0x65, 0x02}, &centurionFrontLoadTail},
    {4, Kind::Washer, {0x26, 0x24, 0x65, 0x04}, &centurionExtractorTail},
    {8, Kind::Dryer, {0x21, 0x28, 0x65, 0x08}, &centurionDryerTail},
    {9, Kind::Dryer, {0x21, 0x29, 0x65, 0x09}, &centurionDryerTail},
};

const AllianceVariant* findVariant(std::span<const AllianceVariant> variants, uint8_t machineType)
{
    const auto it = std::ranges::find(variants, machineType, &AllianceVariant::machineType);
    return it == variants.end() ? nullptr : &*it;
}

} // namespace

const AllianceVariant* findAcaVariant(uint8_t machineType)
{
    return findVariant(kAcaVariants, machineType);
}

const AllianceVariant* findCenturionVariant(uint8_t machineType)
{
    return findVariant(kCenturionVariants, machineType);
}

} // namespace setup
