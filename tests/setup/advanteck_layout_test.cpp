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
    r.spec_price_1 = 0x0111;
    r.sp1_days = 0x7F;
    r.sp1_start = 0x12;
    r.sp1_duration = 0x13;
    r.spec_price_2 = 0x0222;
    r.sp2_days = 0x21;
    r.sp2_start = 0x22;
    r.sp2_duration = 0x23;
    r.spec_price_3 = 0x0333;
    r.sp3_days = 0x31;
    r.sp3_start = 0x32;
    r.sp3_duration = 0x33;
    r.coin1_pulse_min = 0x41;
    r.coin1_pulse_max = 0x42;
    r.coin2_pulse_min = 0x43;
    r.coin2_pulse_max = 0x44;
    r.advantech_time_step = 0x001C;
    r.setup_byte_1 = 0x05;
    r.setup_byte_2 = 0x87;
    r.word_18e = 0xBEEF;
    r.advantech_warm_price = 0x0019;
    r.advantech_hot_price = 0x004B;
    r.coin1_value_cents = 0x0064;
    r.coin2_value_cents = 0x00C8;
    r.coin_slide_1 = 0x01;
    r.coin_slide_2 = 0x02;
    r.advantech_option_1a4 = 0x0014;
    r.decimal_point = 0x03;
    r.hot_temp_reduction = 0x0F;
    r.extended_cool_down = 0x06;
    std::memcpy(r.text_field_10, "LOCATION01", 10);
    std::memcpy(r.text_field_1a, "MACHINE-02", 10);
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

TEST(AdvanteckLayout, CardVersionIsZeroWhateverTheRecordSays)
{
    RecordingCardImage image;
    ADVNTECK_SETUP_CARD card = setup::makeAdvanteckRecord(advantechRecord());
    card.card_version = 7;
    ASSERT_EQ(setup::CardSetAdvanteckSetup(image, &card), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "c0123400");
}

} // namespace
