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
    r.byte_138 = 3;
    std::memcpy(r.text_field_10, "LAUNDRY-01SQ-MDC-002", 20);
    r.machine_type = 9;
    r.option_flags = 0x4A;
    // Cycle, cool time, the four temperatures, audio time, options, days,
    // special begin 23:45 and end 07:09, pricing flags.
    put(r.mdc_cycle_or_heat, "2e 06 0d0e0f10 08 14 fe 17 2d 07 09 07");
    put(r.mdc_prices, "1101 2201 3301 4401 5501 6601 7701 8801");
    r.topoff_time_alt = 0x0B;
    r.max_card_value = 300;
    r.topoff_price_alt = 25;
    r.enable_tokens = 1;
    return r;
}

// The special times become BCD; the card version is byte_138.
TEST(MdcLayout, WritesHeaderAndBlockByteExactWithByte138AsVersion)
{
    const QByteArray block =
        zeros(10) + hex("4321 09 4a 012c 2e06 0d0e0f10 0814 0b") + "LAUNDRY-01SQ-MDC-002" +
        hex("0111012201330144 0155016601770188 0019 fe 23450709") + zeros(9) + hex("07 01");
    RecordingCardImage image;
    ASSERT_EQ(setup::writeMdcLayout(image, mdcRecord()), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "c1432103");
    EXPECT_EQ(image.file(0x2001).toHex(), block.toHex());
}

} // namespace
