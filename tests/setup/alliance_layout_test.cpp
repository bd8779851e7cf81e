#include "setup/alliance_layout.h"
#include "setup/layout_bytes.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace layouttest;

enum class Line { Aca, Centurion };

// An Alliance profile with a distinct value in every field the cards carry.
STRUCT_laundry_setup allianceRecord(Line line, uint8_t machineType, bool cyclePricing)
{
    STRUCT_laundry_setup r = clearedRecord(198);
    r.aca_product_line = line == Line::Aca ? 1 : 0;
    r.machine_type = machineType;
    r.byte_138 = 5;
    r.option_flags = 0x4A;
    r.max_card_value = 300;
    put(r.audio_time, "1118"); // audio time; options: audio signal on, Celsius
    r.topoff_time_alt = 0x07;
    std::memcpy(r.text_field_10, "ABCDEFGHIJKLMNOPQRST", 20);
    r.vend_price = 175;
    r.enable_tokens = 1;
    r.mdc_pricing_flags = cyclePricing ? 0x03 : 0x01; // top-off on
    r.setup_byte_2 = 0x5C;
    r.topoff_price = 0x48;
    for (int i = 0; i < 9; ++i)
        r.alliance_washer_prices[i] = uint16_t(0x0111 + 0x11 * i);
    for (int i = 0; i < 12; ++i)
        r.washer_cycle_settings[i] = uint8_t(0xC0 + i);
    put(r.heavy_added_price, "1b2a 3d4c e1 e2 e3 e4"); // added prices, heavy and warm rinse flags
    put(r.heavy_extra_wash_time, "d2 d3 d4");
    put(r.medium_warm_rinse, "f6 f7 f8");
    put(r.mdc_prices, "1003 2003 3003 4003"); // medium, delicate, high, low
    r.dryer_noheat_price = 0x0350;
    put(r.heated_cycle_time, "b0 b1 b2b3b4b5"); // heated, no heat, cool-down times
    put(r.temp_high, "91929394");
    return r;
}

uint8_t encode(RecordingCardImage& image, const STRUCT_laundry_setup& r, Line line)
{
    return line == Line::Aca ? setup::CardSetAllianceAcaSetup(image, &r)
                             : setup::CardSetCenturionSetup(image, &r);
}

struct Variant {
    const char* name;
    Line line;
    uint8_t machineType;
    bool dryer;
    const char* codeBytes; // 82-85
    const char* byte87;
    const char* tail; // washers from 107, dryers from 93
    int audioAt;      // the byte that is 0x1D with the audio signal on
    int celsiusAt;    // dryers: the Celsius bit; washers: audioAt again
};

const Variant kVariants[] = {
    {"Aca1", Line::Aca, 1, false, "32217001", "00",
     "4c3d2a1b f6 e2 f7f8 d2d4 c0c6c3c9 c1c7c4ca c2c8c5cb 05 0000 1d 01", 132, 132},
    {"Aca2", Line::Aca, 2, false, "25227002", "00", "4c3d2a1b e3 e4 f7f8 d2d4 05 00 1d 01", 119,
     119},
    {"Aca9", Line::Aca, 9, true, "25297009", "00",
     "01 0048 07 0005 2616 1e b000b100 b2b3b4b5 91929394 04 1d 0000 01 01", 115, 118},
    {"Centurion1", Line::Centurion, 1, false, "2d216501", "00",
     "2a1b e1 d2 d4 e2 c0c6 c3c9 c1c7c4ca c2c8c5cb 05 1d 01", 126, 126},
    {"Centurion2", Line::Centurion, 2, false, "22226502", "00", "4c3d2a1b e3 e4 d3 05 1d 01", 115,
     115},
    {"Centurion4", Line::Centurion, 4, false, "26246504", "5c", "4c3d2a1b 4c3d2a1b e3e4d3 05 1d 01",
     119, 119},
    {"Centurion8", Line::Centurion, 8, true, "21286508", "00",
     "0048 b000 b100 b2b3b4b5 01 07 00 91929394 04 1d 01 01 01", 111, 113},
    {"Centurion9", Line::Centurion, 9, true, "21296509", "00",
     "0048 b000 b100 b2b3b4b5 01 07 00 91929394 04 1d 01 01 01", 111, 113},
};

QByteArray expectedBlockA(const Variant& v, bool cyclePricing)
{
    QByteArray b = zeros(10);
    b += hex("1234") + char(v.machineType) + hex("4a 012c");
    b += zeros(6) + hex("11 18 07");
    b += "ABCDEFGHIJKLMNOPQRST";
    b += hex("00af 01") + (cyclePricing ? hex("03") : hex("01"));
    b += zeros(32) + hex("02") + hex(v.codeBytes) + zeros(1) + hex(v.byte87) + zeros(1);
    if (v.dryer)
        b += cyclePricing ? hex("0330 0350") : hex("00af00af");
    else
        b += cyclePricing ? hex("0111 0122 0133 0144 0155 0166 0177 0188 0199")
                          : hex("00af00af00af 00af00af00af 00af00af00af");
    b += hex(v.tail);
    return b + zeros(138 - int(b.size()));
}

QByteArray expectedBlockB(const Variant& v, bool cyclePricing)
{
    if (!v.dryer)
        return zeros(64);
    const QByteArray prices =
        cyclePricing ? hex("0330 0310 0340 0320 0350") : hex("00af00af00af00af00af");
    return prices + hex("0048") + zeros(52);
}

class AllianceVariantTest : public ::testing::TestWithParam<Variant> {
protected:
    QByteArray write(const STRUCT_laundry_setup& r)
    {
        RecordingCardImage image;
        EXPECT_EQ(encode(image, r, GetParam().line), 0);
        EXPECT_EQ(image.header.left(4).toHex(), "c6123405"); // version = byte_138
        return image.file(0x2001);
    }
};

TEST_P(AllianceVariantTest, WritesBothBlocksByteExact)
{
    const Variant& v = GetParam();
    for (const bool cyclePricing : {false, true}) {
        SCOPED_TRACE(cyclePricing ? "cycle pricing" : "flat price");
        const QByteArray file = write(allianceRecord(v.line, v.machineType, cyclePricing));
        EXPECT_EQ(file.toHex(),
                  (expectedBlockA(v, cyclePricing) + zeros(118) + expectedBlockB(v, cyclePricing))
                      .toHex());
    }
}

TEST_P(AllianceVariantTest, AudioSignalAndCelsiusReachTheirBytes)
{
    const Variant& v = GetParam();
    STRUCT_laundry_setup quiet = allianceRecord(v.line, v.machineType, false);
    quiet.mdc_options = 0x00;
    const QByteArray a = write(quiet), b = write(allianceRecord(v.line, v.machineType, false));
    std::set<int> changed;
    for (int i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            changed.insert(i);
    EXPECT_EQ(changed, (std::set<int>{23, v.audioAt, v.celsiusAt}));
}

INSTANTIATE_TEST_SUITE_P(Variants, AllianceVariantTest, ::testing::ValuesIn(kVariants),
                         [](const auto& info) { return std::string(info.param.name); });

// The ACA layout for any nonzero product line; the extractor (4) exists on
// the Centurion line only.
TEST(AllianceLayout, WriterPicksTheLayoutByProductLine)
{
    const std::pair<uint8_t, const char*> lines[] = {
        {1, "32217001"}, {0x80, "32217001"}, {0, "2d216501"}};
    for (const auto& [productLine, codeBytes] : lines) {
        RecordingCardImage image;
        STRUCT_laundry_setup r = allianceRecord(Line::Aca, 1, false);
        r.aca_product_line = productLine;
        ASSERT_EQ(setup::writeAllianceSetup(image, r), 0);
        EXPECT_EQ(image.file(0x2001).mid(82, 4).toHex(), codeBytes);
    }
}

TEST(AllianceLayout, OtherMachineTypesReturn20AfterTheHeaderWithoutSelectingTheSetupFile)
{
    const std::pair<Line, uint8_t> refused[] = {
        {Line::Centurion, 3}, {Line::Centurion, 7}, {Line::Aca, 4}, {Line::Aca, 8}};
    for (const auto& [line, machineType] : refused) {
        SCOPED_TRACE(int(machineType));
        RecordingCardImage image;
        EXPECT_EQ(setup::writeAllianceSetup(image, allianceRecord(line, machineType, true)), 20);
        EXPECT_EQ(image.calls, QStringList({"SetCardVersion 5", "WriteData header 3 0"}));
        EXPECT_EQ(image.header.left(4).toHex(), "c6123405");
        EXPECT_TRUE(image.files.empty());
    }
}

} // namespace
