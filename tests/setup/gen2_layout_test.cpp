#include "setup/gen2_layout.h"
#include "setup/setup_record.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// `size` zero bytes with the given bytes placed at their offsets.
QByteArray layout(int size, std::initializer_list<std::pair<int, QByteArray>> parts)
{
    QByteArray b(size, '\0');
    for (const auto& [at, bytes] : parts)
        b.replace(at, bytes.size(), bytes);
    b.resize(size);
    return b;
}

template <class T> QByteArray bytesOf(const T& value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

// Every byte the clear leaves alone is 0xAA, so a field that should not reach
// the card shows up.
STRUCT_laundry_setup baseRecord()
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.word_02 = 0x1234;
    std::memcpy(r.text_field_10, "ABCDEFGHIJ", 10);
    std::memcpy(r.text_field_1a, "klmnopqrst", 10);
    return r;
}

STRUCT_laundry_setup gen2Record(bool washer)
{
    STRUCT_laundry_setup r = baseRecord();
    r.card_type_code = 0xBB;
    r.vend_price = 125;
    r.option_flags = 0x0A;
    r.topoff_price_alt = 0x0132;
    r.wash = 25;
    r.rinse = 12;
    r.dry = 45;
    r.washer = washer ? 1 : 0;
    return r;
}

STRUCT_laundry_setup advancedRecord()
{
    STRUCT_laundry_setup r = baseRecord();
    r.card_type_code = 0xB9;
    r.vend_price = 25;
    r.option_flags = 0x4A;
    r.max_card_value = 100;
    r.enable_tokens = 1;
    r.topoff_price_alt = 0x0BAD; // a Gen2 value: never on an Advanced card
    r.wash = 0x11;
    r.rinse = 0x12;
    r.dry = 0x13;
    r.regular_dry = 0x14;
    std::memcpy(r.machine_serial, "SN12345678", 11);
    r.machine_model_byte = 0x3D;
    r.machine_type = 0x0A;
    r.washer = 1;
    r.feature_flags = 0x21;
    r.feature_flags_2 = 0x22;
    r.byte_101 = 0xEE;
    r.super_cycle_type = 0x23;
    r.prewash = 0x24;
    r.final_spin = 0x25;
    r.num_rinses_cycle = 0x26;
    r.top_spin_speed = 0x27;
    r.spec_days = 0x41;
    r.spec_price_begin = 0x05;
    r.spec_price_end = 0x17;
    r.penny_increment = 0x03;
    r.penny_increment_dryer = 0x04;
    r.reg_dryer_price = 0x31;
    r.spec_dryer_price = 0x32;
    r.action_flags = 0x97;
    const uint8_t prices[8] = {0x51, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58};
    std::memcpy(&r.vend_cold_price, prices, sizeof prices);
    r.coin1_value = 0x61;
    r.coin2_value = 0x62;
    r.position = 0x0207;
    r.location_machine = 123456;
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

const QByteArray kTexts = "ABCDEFGHIJklmnopqrst";

struct Written {
    uint8_t status;
    RecordingCardImage image;
};

template <class Writer> Written write(Writer writer, const STRUCT_laundry_setup& record)
{
    Written w{};
    w.status = writer(w.image, record);
    return w;
}

TEST(Gen2Layout, FamilyRecordAsFilled)
{
    // Gen2 washer: BCD wash and rinse; every Advanced field stays 0.
    EXPECT_EQ(bytesOf(setup::makeGen2Record(gen2Record(true))).toHex(),
              layout(100, {{0, hex("bb00 3412 7d00 3412 0a")},
                           {12, hex("3201")},
                           {14, kTexts},
                           {71, hex("250012")}})
                  .toHex());
    EXPECT_EQ(bytesOf(setup::makeGen2Record(gen2Record(false))).mid(71, 3).toHex(), "450000");

    EXPECT_EQ(bytesOf(setup::makeGen2AdvancedRecord(advancedRecord())).toHex(),
              layout(100, {{0, hex("b900 3412 1900 3412 4a 13")},
                           {14, kTexts},
                           {34, hex("3d0a")},
                           {36, "SN12345678"},
                           {46, hex("0700 56341200 00 5152535455565758 232122ee4105172425 14 "
                                    "112612 2761620304313297 01 01 01")},
                           {88, hex("01")},
                           {93, hex("0101")},
                           {96, hex("6400")}})
                  .toHex());
}

TEST(Gen2Layout, LgRecordInsertsWasherAndTopOffTimeBeforeTheTail)
{
    const QByteArray lg = bytesOf(setup::makeLgRecord(lgRecord(true)));
    const QByteArray advanced = bytesOf(setup::makeGen2AdvancedRecord(advancedRecord()));
    ASSERT_EQ(lg.size(), 102);
    EXPECT_EQ(lg.left(2).toHex(), "c500");
    EXPECT_EQ(lg.mid(34, 2).toHex(), "1b09");
    EXPECT_EQ(lg.mid(2, 32), advanced.mid(2, 32));
    EXPECT_EQ(lg.mid(36, 46), advanced.mid(36, 46));
    EXPECT_EQ(lg.mid(82).toHex(),
              hex("010c 01 01 01 000000 01 00000000 01 01 00 6400 0000").toHex());
}

TEST(Gen2Layout, Gen2WasherAndDryerCards)
{
    const Written washer = write(setup::writeGen2Layout, gen2Record(true));
    ASSERT_EQ(washer.status, 0);
    EXPECT_EQ(washer.image.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                               "SelectFile 2001", "WriteData 2001 125 0"}));
    EXPECT_EQ(washer.image.header.left(4).toHex(), "bb123400");
    const auto card = [](const char* cycleTime, const char* rinse) {
        return layout(125, {{8, hex("007d 1234")},
                            {14, hex("0a")},
                            {31, hex("01")},
                            {33, hex(cycleTime)},
                            {37, hex(rinse) + hex("0132")},
                            {40, kTexts}});
    };
    EXPECT_EQ(washer.image.files.at(0x2001).toHex(), card("25", "12").toHex());

    const Written dryer = write(setup::writeGen2Layout, gen2Record(false));
    ASSERT_EQ(dryer.status, 0);
    EXPECT_EQ(dryer.image.files.at(0x2001).toHex(), card("45", "00").toHex());
}

QByteArray advancedCard()
{
    return layout(
        125, {{8, hex("0019 1234 3d 0a 4a 0064")},
              {31, hex("01 07 11 00 58 97 12")},
              {40, kTexts},
              {63, "SN12345678"},
              {73, hex("123456 00 51525354555657 232122 00 4105172425 2627 616203043132 14 13")},
              {112, hex("010101")},
              {122, hex("0101")}});
}

TEST(Gen2Layout, Gen2AdvancedCard)
{
    const Written w = write(setup::writeGen2AdvancedLayout, advancedRecord());
    ASSERT_EQ(w.status, 0);
    EXPECT_EQ(w.image.calls, QStringList({"SetCardVersion 1", "WriteData header 3 0",
                                          "SelectFile 2001", "WriteData 2001 125 0"}));
    EXPECT_EQ(w.image.header.left(4).toHex(), "b9123401");
    EXPECT_EQ(w.image.files.at(0x2001).toHex(), advancedCard().toHex());
}

TEST(Gen2Layout, LgWasherAndDryerCards)
{
    const auto card = [](const char* machineType, const char* specPrice, const char* cycle) {
        return layout(
            125, {{8, hex("0019 1234 1b") + hex(machineType) + hex("4a 0064")},
                  {31, hex("01 07 11 00 58 97 12 00 62")},
                  {40, kTexts},
                  {63, "SN12345678"},
                  {73, hex("123456 00 515253") + hex(specPrice) + hex("555657 232122 00 410517") +
                           hex(cycle) + hex("2627 6162030431 62 14 0c")},
                  {112, hex("010101")},
                  {122, hex("0101")}});
    };

    const Written washer = write(setup::writeLgLayout, lgRecord(true));
    ASSERT_EQ(washer.status, 0);
    EXPECT_EQ(washer.image.calls, QStringList({"SetCardVersion 1", "WriteData header 3 0",
                                               "SelectFile 2001", "WriteData 2001 125 0"}));
    EXPECT_EQ(washer.image.header.left(4).toHex(), "c5123401");
    EXPECT_EQ(washer.image.files.at(0x2001).toHex(), card("09", "54", "2425").toHex());

    const Written dryer = write(setup::writeLgLayout, lgRecord(false));
    ASSERT_EQ(dryer.status, 0);
    EXPECT_EQ(dryer.image.files.at(0x2001).toHex(), card("08", "32", "1413").toHex());
}

TEST(Gen2Layout, LocationAboveSixDigitsIsWrittenAsZero)
{
    STRUCT_laundry_setup r = advancedRecord();
    r.location_machine = 1000000;
    EXPECT_EQ(bytesOf(setup::makeGen2AdvancedRecord(r)).mid(48, 4).toHex(), "00000000");
    EXPECT_EQ(write(setup::writeGen2AdvancedLayout, r).image.files.at(0x2001).mid(73, 3).toHex(),
              "000000");
    EXPECT_EQ(write(setup::writeLgLayout, r).image.files.at(0x2001).mid(73, 3).toHex(), "000000");

    r.location_machine = 999999;
    EXPECT_EQ(write(setup::writeGen2AdvancedLayout, r).image.files.at(0x2001).mid(73, 3).toHex(),
              "999999");
}

} // namespace
