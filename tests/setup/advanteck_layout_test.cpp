#include "setup/advanteck_layout.h"
#include "setup/setup_record.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}
QByteArray zeros(int n)
{
    return QByteArray(n, '\0');
}

// An Advantech profile with a distinct value in every field the card carries;
// bytes the layout never reads keep 0xAA.
STRUCT_laundry_setup advantechRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 0xC0;
    r.word_02 = 0x1234;
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

QByteArray expectedFamilyRecord()
{
    QByteArray b = hex("c000"
                       "3412"
                       "00"
                       "55") +
                   zeros(46);
    b += hex("0201"
             "2d"
             "00"
             "3200"
             "0a"
             "00");
    b += hex("1101"
             "7f1213"
             "00"
             "2202"
             "212223"
             "00"
             "3303"
             "313233");
    b += hex("41424344"
             "00"
             "1c00"
             "0587") +
         zeros(4) + hex("efbe") + zeros(10);
    b += hex("1900"
             "4b00"
             "6400"
             "c800"
             "0102"
             "1400"
             "030f06") +
         zeros(20);
    b += hex("5a") + "LOCATION01MACHINE-02" +
         hex("81"
             "00"
             "fa00");
    return b;
}

QByteArray expectedBlock1()
{
    QByteArray b = zeros(8) + hex("55") + zeros(46);
    b += hex("0102"
             "2d"
             "0032"
             "0a");
    b += hex("0111"
             "7f1213"
             "0222"
             "212223"
             "0333"
             "313233");
    b += hex("42414443"); // maximum before minimum
    b += hex("001c"
             "0587") +
         zeros(3) + hex("beef") + zeros(9);
    b += hex("0019"
             "004b"
             "0064"
             "00c8"
             "0102"
             "0014"
             "030f06") +
         zeros(20);
    b += hex("00fa"
             "5a");
    return b;
}

TEST(AdvanteckLayout, FamilyRecordFromSetupRecord)
{
    const ADVNTECK_SETUP_CARD card = setup::makeAdvanteckRecord(advantechRecord());
    const QByteArray bytes(reinterpret_cast<const char*>(&card), sizeof card);
    EXPECT_EQ(bytes.toHex(), expectedFamilyRecord().toHex());
}

TEST(AdvanteckLayout, WritesVersionZeroHeaderAndBothBlocksByteExact)
{
    RecordingCardImage image;
    ASSERT_EQ(setup::writeAdvanteckLayout(image, advantechRecord()), 0);

    EXPECT_EQ(image.calls,
              QStringList({"SetCardVersion 0", "WriteData header 3 0", "SelectFile 2001",
                           "WriteData 2001 136 0", "WriteData 2001 21 400"}));
    EXPECT_EQ(image.header.left(4).toHex(), "c0123400");
    const QByteArray file = image.file(0x2001);
    ASSERT_EQ(expectedBlock1().size(), 136);
    EXPECT_EQ(file.left(136).toHex(), expectedBlock1().toHex());
    EXPECT_EQ(file.mid(136, 264), zeros(264));
    EXPECT_EQ(file.mid(400), QByteArray("LOCATION01MACHINE-02") + hex("81"));
}

TEST(AdvanteckLayout, CardVersionIsZeroWhateverTheRecordSays)
{
    RecordingCardImage image;
    ADVNTECK_SETUP_CARD card = setup::makeAdvanteckRecord(advantechRecord());
    card.card_version = 7;
    ASSERT_EQ(setup::CardSetAdvanteckSetup(image, &card), 0);
    EXPECT_EQ(image.calls.first(), "SetCardVersion 0");
    EXPECT_EQ(uint8_t(image.header[3]), 0);
}

struct FrameFailure {
    const char* failOn;
    uint8_t expectedStatus;
    int callsMade;
};

class AdvanteckFrameFailure : public ::testing::TestWithParam<FrameFailure> {};

TEST_P(AdvanteckFrameFailure, StopsWithTheFrameStatus)
{
    RecordingCardImage image;
    image.failOn = GetParam().failOn;
    image.failStatus = 0x6F;
    EXPECT_EQ(setup::writeAdvanteckLayout(image, advantechRecord()), GetParam().expectedStatus);
    EXPECT_EQ(image.calls.size(), GetParam().callsMade) << image.calls.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Statuses, AdvanteckFrameFailure,
                         ::testing::Values(FrameFailure{"SetCardVersion", 0x6F, 1},
                                           FrameFailure{"WriteData header", 22, 2},
                                           FrameFailure{"SelectFile", 38, 3},
                                           FrameFailure{"WriteData 2001 136", 22, 4},
                                           FrameFailure{"WriteData 2001 21", 22, 5}));

} // namespace
