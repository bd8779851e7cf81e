#include "laundry/laundry.h"
#include "setup/layout_bytes.h"
#include "setup/retrofit_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// A Retrofit profile with a distinct value in every field the card carries.
STRUCT_laundry_setup retrofitRecord()
{
    STRUCT_laundry_setup r = clearedRecord(0xB8);
    r.vend_price = 125;
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

TEST(RetrofitLayout, WritesVersionHeaderAndBothBlocksByteExact)
{
    RecordingCardImage image;
    ASSERT_EQ(setup::writeRetrofitLayout(image, retrofitRecord()), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "b8123402");
    const QByteArray block1 =
        layout(130, {{8, hex("007d 1234 0000 4a")},
                     {32, hex("004501050012 0032") + "ABCDEFGHIJ" + QByteArray(10, ' ')},
                     {63, hex("a1 0016") + QByteArray("HELLO\0", 6) + QByteArray(54, ' ') +
                              hex("03 05 0064")}});
    // Text lines 0-119 interleaved with bytes_9c (6, 5, 4 reversed) and
    // words_a4 in the order 4, 1, 2, 3, 0.
    const QByteArray block2 = QByteArray(20, 'a') + QByteArray(20, 'b') + hex("0102") +
                              QByteArray(20, 'c') + hex("03") + QByteArray(20, 'd') +
                              hex("04 070605 5005 2002 3003 4004 1001 08") + QByteArray(20, 'e') +
                              QByteArray(20, 'f') + hex("77");
    EXPECT_EQ(image.file(0x2001).toHex(), (block1 + zeros(270) + block2).toHex());
}

TEST(RetrofitLayout, VersionZeroWritesBlockOneOnly)
{
    RecordingCardImage image;
    RETRO_FIT_SETUP_CARD card = setup::makeRetrofitRecord(retrofitRecord());
    card.card_version = 0;
    ASSERT_EQ(CardSetRetrofitSetup(image, &card), 0); // through the export
    EXPECT_EQ(image.file(0x2001).size(), 130);
    EXPECT_EQ(image.header.left(4).toHex(), "b8123400");
}

} // namespace
