#include "setup/setup_record.h"
#include "setup/wascomat_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <cstring>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A Wascomat profile with a distinct value in every field the card carries;
// everything else holds 0xAA so a stray read shows up on the card.
STRUCT_laundry_setup wascomatRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 200;
    r.word_02 = 0x1234;
    std::memcpy(r.text_field_10, "ABCDEFGHIJ", 10);
    std::memcpy(r.text_field_1a, "KLMNOPQRST", 10);
    r.machine_type = 0x03;
    for (int i = 0; i < 16; ++i) {
        r.wascomat_prices[i] = uint16_t(0x1000 + i);
        r.wascomat_spec_prices[i] = uint16_t(0x2000 + i);
    }
    const uint16_t adders[4] = {0x3031, 0x3233, 0x3435, 0x3637};
    std::memcpy(r.wascomat_adders, adders, sizeof adders);
    r.feature_flags = 0x9F;
    r.spec_price_begin = 0x08;
    r.wascomat_bytes_26a[0] = 0x6A;
    r.spec_price_end = 0x14;
    r.wascomat_bytes_26a[1] = 0x6B;
    r.spec_days = 0x7E;
    r.option_flags = 0x4A;
    r.max_card_value = 300;
    return r;
}

QByteArray expectedBlock()
{
    QByteArray b = hex("00000000 1234") + "ABCDEFGHIJKLMNOPQRST" + hex("03");
    b += hex("1000100110021003 1004100510061007 10081009100a100b 100c100d100e100f");
    b += hex("3031 3233");
    b += hex("2000200120022003 2004200520062007 20082009200a200b 200c200d200e200f");
    b += hex("3435 3637");
    b += hex("9f 08 6a 14 6b 7e 01 4a 012c");
    return b;
}

TEST(WascomatLayout, WritesHeaderAndBlockByteExact)
{
    RecordingCardImage image;
    const STRUCT_laundry_setup r = wascomatRecord();
    ASSERT_EQ(setup::CardSetWascomatGen7Setup(image, &r), 0);
    EXPECT_EQ(image.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                        "SelectFile 2001", "WriteData 2001 109 0"}));
    EXPECT_EQ(image.header.left(4).toHex(), "c8123400");
    EXPECT_EQ(image.file(0x2001).toHex(), expectedBlock().toHex());
}

struct FrameFailure {
    const char* failOn;
    uint8_t expectedStatus;
    int callsMade;
};

class WascomatFrameFailure : public ::testing::TestWithParam<FrameFailure> {};

TEST_P(WascomatFrameFailure, StopsWithTheFrameStatus)
{
    RecordingCardImage image;
    image.failOn = GetParam().failOn;
    image.failStatus = 0x6F;
    EXPECT_EQ(setup::writeWascomatSetup(image, wascomatRecord()), GetParam().expectedStatus);
    EXPECT_EQ(image.calls.size(), GetParam().callsMade) << image.calls.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, WascomatFrameFailure,
    ::testing::Values(FrameFailure{"SetCardVersion", 0x6F, 1}, // the card's own status
                      FrameFailure{"WriteData header", 22, 2}, FrameFailure{"SelectFile", 38, 3},
                      FrameFailure{"WriteData 2001", 22, 4}));

} // namespace
