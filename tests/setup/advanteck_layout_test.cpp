#include "setup/advanteck_layout.h"
#include "setup/layout_bytes.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// An Advantech profile with a distinct value in every field the card carries.
STRUCT_laundry_setup advantechRecord()
{
    STRUCT_laundry_setup r = clearedRecord(0xC0);
    r.option_flags = 0x5A;
    r.advantech_vend_price = 0x0102;
    r.advantech_dryer_run_time = 0x2D;
    r.topoff_price_alt = 0x0032;
    r.topoff_time_alt = 0x0A;
    // Each special price, its days, start and duration.
    put(r.spec_price_1, "1101 7f 12 13");
    put(r.spec_price_2, "2202 21 22 23");
    put(r.spec_price_3, "3303 31 32 33 41 42 43 44"); // and coin pulse min, max, min, max
    r.advantech_time_step = 0x001C;
    put(r.setup_byte_1, "05 87");
    r.word_18e = 0xBEEF;
    // Warm and hot prices, coin values, coin slides, option, decimal point,
    // hot temperature reduction, extended cool down.
    put(r.advantech_warm_price, "1900 4b00 6400 c800 01 02 1400 03 0f 06");
    std::memcpy(r.text_field_10, "LOCATION01MACHINE-02", 20);
    r.action_flags = 0x81;
    r.max_card_value = 250;
    return r;
}

TEST(AdvanteckLayout, WritesVersionZeroHeaderAndBothBlocksByteExact)
{
    RecordingCardImage image;
    ASSERT_EQ(setup::writeAdvanteckLayout(image, advantechRecord()), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "c0123400");
    // Each coin's maximum pulse length comes before its minimum.
    const QByteArray block1 = layout(
        136, {{8, hex("55")},
              {55, hex("0102 2d 0032 0a 0111 7f1213 0222 212223 0333 313233 42414443 001c 0587")},
              {87, hex("beef")},
              {98, hex("0019 004b 0064 00c8 0102 0014 030f06")},
              {133, hex("00fa 5a")}});
    const QByteArray block2 = QByteArray("LOCATION01MACHINE-02") + hex("81");
    EXPECT_EQ(image.file(0x2001).toHex(), (block1 + zeros(264) + block2).toHex());
}

} // namespace
