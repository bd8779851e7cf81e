#include "setup/layout_bytes.h"
#include "setup/maytag_layout.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

// A Maytag tab-dialog profile; the prices carry a high byte, so anything that
// should not reach the card shows.
STRUCT_laundry_setup tabRecord(uint16_t cardTypeCode, uint8_t machineType)
{
    STRUCT_laundry_setup r = maytagRecord(cardTypeCode);
    r.machine_type = machineType;
    for (int i = 0; i < 8; ++i)
        r.maytag_prices[i] = uint16_t(0x0110 + i);
    for (int i = 0; i < 3; ++i)
        r.maytag_spec_prices[i] = uint16_t(0x0120 + i);
    r.maytag_byte_1ff = 0x3F;
    r.setup_byte_1 = 0x5A;
    r.setup_byte_2 = 0xC3;
    return r;
}

QByteArray written(const STRUCT_laundry_setup& record, const char* header)
{
    RecordingCardImage image;
    const uint8_t status = record.card_type_code == 0xC7
                               ? setup::writeMarlinLayout(image, record)
                               : setup::writeQuicksilverLayout(image, record);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(image.header.left(4).toHex(), header);
    return image.file(0x2001).toHex();
}

// MHN33 (machine type 16) differs from Marlin in the bytes passed in.
QByteArray marlinCard(const char* machineType, const char* prewashAndByte1ff, const char* topSpin,
                      const char* soilLevel)
{
    return layout(125, {{10, hex("1234 25") + hex(machineType) + hex("4a 0064")},
                        {17, hex("1011121314 202122 16")},
                        {32, hex("07 11") + hex(prewashAndByte1ff) + hex("97 12") + hex(topSpin)},
                        {40, "ABCDEFGHIJklmnopqrst"},
                        {63, "SN12345678"},
                        {73, hex("123456 00 5ac3") + hex(soilLevel) + hex("15")},
                        {85, hex("2122 00 410517")},
                        {95, hex("61 00 03")},
                        {112, hex("010101")},
                        {122, hex("0101")}})
        .toHex();
}

TEST(MaytagLayout, MarlinAndMhn33Cards)
{
    EXPECT_EQ(written(tabRecord(0xC7, 14), "c7123400"), marlinCard("0e", "0000", "00", "17"));
    EXPECT_EQ(written(tabRecord(0xC7, 16), "c7123400"), marlinCard("10", "243f", "27", "00"));
}

// No cycle bytes, setup byte 2 split into nibbles at 76 and 78, the Soil
// Level price always, and the MHN33 rules never.
TEST(MaytagLayout, QuicksilverCard)
{
    for (const uint8_t machineType : {14, 16}) {
        const QByteArray card =
            layout(125, {{10, hex("1234 2b") + char(machineType) + hex("4a 0064")},
                         {17, hex("1011121314 202122 16")},
                         {32, hex("07")},
                         {40, "ABCDEFGHIJklmnopqrst"},
                         {63, "SN12345678"},
                         {73, hex("123456 03 5a 0c 17 15")},
                         {85, hex("21 0000 410517")},
                         {95, hex("61 00 03")},
                         {112, hex("010101")},
                         {122, hex("0101")}});
        EXPECT_EQ(written(tabRecord(0xC9, machineType), "c9123400"), card.toHex());
    }
}

} // namespace
