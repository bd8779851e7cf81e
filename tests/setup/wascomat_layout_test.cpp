#include "setup/layout_bytes.h"
#include "setup/wascomat_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

TEST(WascomatLayout, WritesHeaderAndBlockByteExact)
{
    STRUCT_laundry_setup r = clearedRecord(200);
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

    RecordingCardImage image;
    ASSERT_EQ(setup::CardSetWascomatGen7Setup(image, &r), 0);
    EXPECT_EQ(image.header.left(4).toHex(), "c8123400");
    // Each price list runs on into its two adders.
    const QByteArray block =
        hex("00000000 1234") + "ABCDEFGHIJKLMNOPQRST" + hex("03") +
        hex("1000100110021003 1004100510061007 10081009100a100b 100c100d100e100f 3031 3233") +
        hex("2000200120022003 2004200520062007 20082009200a200b 200c200d200e200f 3435 3637") +
        hex("9f 08 6a 14 6b 7e 01 4a 012c");
    EXPECT_EQ(image.file(0x2001).toHex(), block.toHex());
}

} // namespace
