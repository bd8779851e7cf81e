#include "laundry/laundry.h"
#include "setup/retrofit_layout.h"
#include "setup/setup_record.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

// A Retrofit profile with a distinct value in every field the card carries.
STRUCT_laundry_setup retrofitRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 0xB8;
    r.vend_price = 125;
    r.word_02 = 0x1234;
    r.word_04 = 0;
    r.option_flags = 0x4A;
    r.dryer_run_time = 45;
    r.heat_time = 0x0105;
    r.topoff_time = 12;
    r.topoff_price = 50;
    std::memcpy(r.text_field_10, "ABCDEFGHIJ", 10);
    r.display_flags = 0x0016;
    setup::copyTextField(r.idle_message, sizeof r.idle_message, "HELLO");
    r.pulses = 3;
    r.scroll_speed = 5;
    r.max_card_value = 100;
    for (int line = 0; line < 6; ++line)
        std::memset(r.text_lines_24[line], 'a' + line, 20);
    for (int i = 0; i < 8; ++i)
        r.bytes_9c[i] = uint8_t(i + 1);
    const uint16_t words[5] = {0x1001, 0x2002, 0x3003, 0x4004, 0x5005};
    std::memcpy(r.words_a4, words, sizeof words);
    r.byte_af = 0x77;
    return r;
}

QByteArray expectedBlock1()
{
    QByteArray b(8, '\0');
    b += hex("007d" "1234" "0000" "4a");
    b += QByteArray(17, '\0');
    b += hex("004501050012" "0032");
    b += "ABCDEFGHIJ" + QByteArray(10, ' ');
    b += QByteArray(3, '\0');
    b += hex("a1" "0016");
    b += QByteArray("HELLO\0", 6) + QByteArray(24, ' ');
    b += QByteArray(30, ' ');
    b += hex("03" "05" "0064");
    return b;
}

QByteArray expectedBlock2()
{
    QByteArray b = QByteArray(20, 'a') + QByteArray(20, 'b');
    b += hex("0102") + QByteArray(20, 'c') + hex("03") + QByteArray(20, 'd');
    b += hex("04" "070605" "5005" "2002" "3003" "4004" "1001" "08");
    b += QByteArray(20, 'e') + QByteArray(20, 'f');
    b += hex("77");
    return b;
}

TEST(RetrofitLayout, FamilyRecordFromSetupRecord)
{
    const RETRO_FIT_SETUP_CARD card = setup::makeRetrofitRecord(retrofitRecord());
    const QByteArray bytes(reinterpret_cast<const char*>(&card), sizeof card);
    EXPECT_EQ(bytes.left(18).toHex(), QByteArray("b8003412" "7d003412" "0000" "4a" "004501050012" "00"));
    EXPECT_EQ(bytes.mid(18, 2).toHex(), "3200");
    EXPECT_EQ(card.card_version, 2);
    EXPECT_EQ(bytes.mid(225, 8).toHex(), "0102030405060708");
    EXPECT_EQ(bytes.mid(234, 10).toHex(), "01100220033004400550");
    EXPECT_EQ(uint8_t(bytes[245]), 0x77);
    EXPECT_EQ(bytes.mid(246, 2).toHex(), "6400");
}

TEST(RetrofitLayout, WritesVersionHeaderAndBothBlocksByteExact)
{
    RecordingCardImage image;
    const RETRO_FIT_SETUP_CARD card = setup::makeRetrofitRecord(retrofitRecord());
    ASSERT_EQ(setup::CardSetRetrofitSetup(image, &card), 0);

    EXPECT_EQ(image.calls, QStringList({"SetCardVersion 2", "WriteData header 3 0",
                                        "SelectFile 2001", "WriteData 2001 130 0",
                                        "WriteData 2001 139 400"}));
    EXPECT_EQ(image.header.left(4).toHex(), "b8123402");
    const QByteArray file = image.file(0x2001);
    EXPECT_EQ(file.left(130).toHex(), expectedBlock1().toHex());
    EXPECT_EQ(file.mid(130, 270), QByteArray(270, '\0'));
    EXPECT_EQ(file.mid(400).toHex(), expectedBlock2().toHex());
}

TEST(RetrofitLayout, VersionZeroWritesBlockOneOnly)
{
    RecordingCardImage image;
    RETRO_FIT_SETUP_CARD card = setup::makeRetrofitRecord(retrofitRecord());
    card.card_version = 0;
    ASSERT_EQ(CardSetRetrofitSetup(image, &card), 0);  // through the export
    EXPECT_EQ(image.file(0x2001).size(), 130);
    EXPECT_FALSE(image.calls.contains("WriteData 2001 139 400"));
    EXPECT_EQ(image.header.left(4).toHex(), "b8123400");
}

struct FrameFailure {
    const char* failOn;
    uint8_t expectedStatus;
    int callsMade;
};

class RetrofitFrameFailure : public ::testing::TestWithParam<FrameFailure> {};

TEST_P(RetrofitFrameFailure, StopsWithTheFrameStatus)
{
    RecordingCardImage image;
    image.failOn = GetParam().failOn;
    image.failStatus = 0x6F;
    const RETRO_FIT_SETUP_CARD card = setup::makeRetrofitRecord(retrofitRecord());
    EXPECT_EQ(setup::CardSetRetrofitSetup(image, &card), GetParam().expectedStatus);
    EXPECT_EQ(image.calls.size(), GetParam().callsMade) << image.calls.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, RetrofitFrameFailure,
    ::testing::Values(FrameFailure{"SetCardVersion", 0x6F, 1},   // the card's own status
                      FrameFailure{"WriteData header", 22, 2},
                      FrameFailure{"SelectFile", 38, 3},
                      FrameFailure{"WriteData 2001 130", 22, 4},
                      FrameFailure{"WriteData 2001 139", 22, 5}));

}  // namespace
