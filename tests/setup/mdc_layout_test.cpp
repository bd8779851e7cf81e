#include "setup/layout_bytes.h"
#include "setup/mdc_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// An MDC dryer profile with a distinct value in every field the card carries.
STRUCT_laundry_setup mdcRecord()
{
    STRUCT_laundry_setup r = clearedRecord(0xC1);
    r.word_02 = 0x4321;
    r.byte_138 = 0;
    std::memcpy(r.text_field_10, "LAUNDRY-01", 10);
    std::memcpy(r.text_field_1a, "SQ-MDC-002", 10);
    r.machine_type = 9;
    r.option_flags = 0x4A;
    r.audio_time = 0x08;
    r.mdc_options = 0x14;
    r.mdc_pricing_flags = 0x07;
    r.mdc_cycle_or_heat = 0x2E;
    r.mdc_cool_time = 0x06;
    r.topoff_time_alt = 0x0B;
    r.temp_high = 0x0D;
    r.temp_med = 0x0E;
    r.temp_low = 0x0F;
    r.temp_delicate = 0x10;
    r.mdc_days = 0xFE;
    r.spec_begin_hour = 23;
    r.spec_begin_minute = 45;
    r.spec_end_hour = 7;
    r.spec_end_minute = 9;
    r.max_card_value = 300;
    r.topoff_price_alt = 25;
    const uint16_t prices[8] = {0x0111, 0x0122, 0x0133, 0x0144, 0x0155, 0x0166, 0x0177, 0x0188};
    std::memcpy(r.mdc_prices, prices, sizeof prices);
    r.enable_tokens = 1;
    return r;
}

// The special times become BCD; the card version is byte_138.
TEST(MdcLayout, WritesHeaderAndBlockByteExactWithByte138AsVersion)
{
    const QByteArray block =
        zeros(10) + hex("4321 09 4a 012c 2e06 0d0e0f10 0814 0b") + "LAUNDRY-01SQ-MDC-002" +
        hex("0111012201330144 0155016601770188 0019 fe 23450709") + zeros(9) + hex("07 01");
    for (const uint8_t version : {0, 3}) {
        STRUCT_laundry_setup record = mdcRecord();
        record.byte_138 = version;
        RecordingCardImage image;
        ASSERT_EQ(setup::writeMdcLayout(image, record), 0);
        EXPECT_EQ(image.header.left(4).toHex(), version == 0 ? "c1432100" : "c1432103");
        EXPECT_EQ(image.file(0x2001).toHex(), block.toHex());
    }
}

} // namespace
