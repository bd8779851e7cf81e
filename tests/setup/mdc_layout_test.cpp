#include "setup/mdc_layout.h"
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

// An MDC dryer profile with a distinct value in every field the card carries;
// bytes the layout never reads keep 0xAA.
STRUCT_laundry_setup mdcRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 0xC1;
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

QByteArray expectedFamilyRecord()
{
    QByteArray b = hex("c1"
                       "00"
                       "2143") +
                   "LAUNDRY-01SQ-MDC-002";
    b += hex("094a0814072e060b"
             "0d0e0f10"
             "fe"
             "23450709"
             "00"
             "2c01"
             "1900");
    b += hex("1101220133014401"
             "5501660177018801"
             "01"
             "00");
    return b;
}

QByteArray expectedBlock()
{
    QByteArray b = zeros(10) + hex("4321"
                                   "09"
                                   "4a"
                                   "012c"
                                   "2e06"
                                   "0d0e0f10"
                                   "0814"
                                   "0b");
    b += "LAUNDRY-01SQ-MDC-002";
    b += hex("0111012201330144"
             "0155016601770188"
             "0019"
             "fe"
             "23450709");
    b += zeros(9) + hex("07"
                        "01");
    return b;
}

TEST(MdcLayout, FamilyRecordFromSetupRecord)
{
    const MDC_SETUP_CARD card = setup::makeMdcRecord(mdcRecord());
    const QByteArray bytes(reinterpret_cast<const char*>(&card), sizeof card);
    EXPECT_EQ(bytes.toHex(), expectedFamilyRecord().toHex());
}

TEST(MdcLayout, WritesHeaderAndBlockByteExact)
{
    RecordingCardImage image;
    ASSERT_EQ(setup::writeMdcLayout(image, mdcRecord()), 0);

    EXPECT_EQ(image.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                        "SelectFile 2001", "WriteData 2001 79 0"}));
    EXPECT_EQ(image.header.left(4).toHex(), "c1432100");
    ASSERT_EQ(expectedBlock().size(), 79);
    EXPECT_EQ(image.file(0x2001).toHex(), expectedBlock().toHex());
}

TEST(MdcLayout, CardVersionFollowsByte138)
{
    STRUCT_laundry_setup record = mdcRecord();
    record.byte_138 = 3;
    RecordingCardImage image;
    ASSERT_EQ(setup::writeMdcLayout(image, record), 0);
    EXPECT_EQ(image.calls.first(), "SetCardVersion 3");
    EXPECT_EQ(image.header.left(4).toHex(), "c1432103");
    EXPECT_EQ(image.file(0x2001).toHex(), expectedBlock().toHex()); // the data is the same
}

struct FrameFailure {
    const char* failOn;
    uint8_t expectedStatus;
    int callsMade;
};

class MdcFrameFailure : public ::testing::TestWithParam<FrameFailure> {};

TEST_P(MdcFrameFailure, StopsWithTheFrameStatus)
{
    RecordingCardImage image;
    image.failOn = GetParam().failOn;
    image.failStatus = 0x6F;
    EXPECT_EQ(setup::writeMdcLayout(image, mdcRecord()), GetParam().expectedStatus);
    EXPECT_EQ(image.calls.size(), GetParam().callsMade) << image.calls.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Statuses, MdcFrameFailure,
                         ::testing::Values(FrameFailure{"SetCardVersion", 0x6F, 1},
                                           FrameFailure{"WriteData header", 22, 2},
                                           FrameFailure{"SelectFile", 38, 3},
                                           FrameFailure{"WriteData 2001", 22, 4}));

} // namespace
