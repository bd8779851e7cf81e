#include "setup/card_type_registry.h"
#include "setup/gen2_layout.h"
#include "setup/layout_bytes.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

namespace {

using namespace layouttest;

const QByteArray kTexts = "ABCDEFGHIJklmnopqrst";

STRUCT_laundry_setup gen2Record(bool washer)
{
    STRUCT_laundry_setup r = clearedRecord(0xBB);
    std::memcpy(r.text_field_10, kTexts.constData(), 20);
    r.vend_price = 125;
    r.option_flags = 0x0A;
    r.topoff_price_alt = 0x0132;
    put(r.wash, "19 0c 2d"); // wash, rinse, dry
    r.washer = washer ? 1 : 0;
    return r;
}

STRUCT_laundry_setup advancedRecord()
{
    STRUCT_laundry_setup r = maytagRecord(0xB9);
    r.topoff_price_alt = 0x0BAD; // a Gen2 value: never on an Advanced card
    put(r.dry, "1314");          // dry, regular dry
    r.machine_model_byte = 0x3D;
    r.machine_type = 0x0A;
    r.washer = 1;
    r.byte_101 = 0xEE; // not carried to the card
    r.super_cycle_type = 0x23;
    // Final spin, penny increment, dryer penny increment, regular and special
    // dryer prices, rinses.
    put(r.final_spin, "25 03 04 31 32 26");
    put(r.vend_cold_price, "5152535455565758"); // washer and special prices
    return r;
}

STRUCT_laundry_setup lgRecord(bool washer)
{
    STRUCT_laundry_setup r = advancedRecord();
    r.card_type_code = 0xC5;
    r.machine_model_byte = 0x1B;
    r.machine_type = washer ? 9 : 8;
    r.washer = washer ? 1 : 0;
    r.topoff_time_alt = 0x0C;
    return r;
}

// The data block the writer puts on the card, in hex; the header must be
// `header`. Gen2 cards (187) leave every Advanced byte 0.
QByteArray written(setup::LayoutWriter writer, const STRUCT_laundry_setup& record,
                   const char* header)
{
    RecordingCardImage image;
    EXPECT_EQ(writer(image, record), 0);
    EXPECT_EQ(image.header.left(4).toHex(), header);
    return image.file(0x2001).toHex();
}

TEST(Gen2Layout, Gen2WasherAndDryerCards)
{
    const auto card = [](const char* cycleTime, const char* rinse) {
        return layout(125, {{8, hex("007d 1234")},
                            {14, hex("0a")},
                            {31, hex("01")},
                            {33, hex(cycleTime)},
                            {37, hex(rinse) + hex("0132")},
                            {40, kTexts}})
            .toHex();
    };
    EXPECT_EQ(written(setup::writeGen2Layout, gen2Record(true), "bb123400"), card("25", "12"));
    EXPECT_EQ(written(setup::writeGen2Layout, gen2Record(false), "bb123400"), card("45", "00"));
}

TEST(Gen2Layout, Gen2AdvancedCard)
{
    const QByteArray card = layout(
        125, {{8, hex("0019 1234 3d 0a 4a 0064")},
              {31, hex("01 07 11 00 58 97 12")},
              {40, kTexts},
              {63, "SN12345678"},
              {73, hex("123456 00 51525354555657 232122 00 4105172425 2627 616203043132 14 13")},
              {112, hex("010101")},
              {122, hex("0101")}});
    EXPECT_EQ(written(setup::writeGen2AdvancedLayout, advancedRecord(), "b9123401"), card.toHex());
}

// LG cards carry one Coin2/TopOff value (39 and 100), one special price and
// either the washer or the dryer cycle pair.
TEST(Gen2Layout, LgWasherAndDryerCards)
{
    const auto card = [](const char* machineType, const char* specPrice, const char* cycle) {
        return layout(125, {{8, hex("0019 1234 1b") + hex(machineType) + hex("4a 0064")},
                            {31, hex("01 07 11 00 58 97 12 00 62")},
                            {40, kTexts},
                            {63, "SN12345678"},
                            {73, hex("123456 00 515253") + hex(specPrice) +
                                     hex("555657 232122 00 410517") + hex(cycle) +
                                     hex("2627 6162030431 62 14 0c")},
                            {112, hex("010101")},
                            {122, hex("0101")}})
            .toHex();
    };
    EXPECT_EQ(written(setup::writeLgLayout, lgRecord(true), "c5123401"), card("09", "54", "2425"));
    EXPECT_EQ(written(setup::writeLgLayout, lgRecord(false), "c5123401"), card("08", "32", "1413"));
}

} // namespace
