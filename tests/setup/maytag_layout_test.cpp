#include "setup/gen2_layout.h"
#include "setup/manual_layout.h"
#include "setup/maytag_layout.h"
#include "setup/setup_layout.h"
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

// A Maytag tab-dialog profile; bytes the clear leaves alone are 0xAA, and the
// prices carry a high byte, so anything that should not reach the card shows.
STRUCT_laundry_setup maytagRecord(uint16_t cardTypeCode, uint8_t machineType)
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0xAA, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = cardTypeCode;
    r.machine_type = machineType;
    r.word_02 = 0x1234;
    r.vend_price = 25;
    r.option_flags = 0x4A;
    r.max_card_value = 100;
    r.enable_tokens = 1;
    for (int i = 0; i < 8; ++i)
        r.maytag_prices[i] = uint16_t(0x0110 + i);
    for (int i = 0; i < 3; ++i)
        r.maytag_spec_prices[i] = uint16_t(0x0120 + i);
    r.position = 0x0207;
    r.wash = 0x11;
    r.rinse = 0x12;
    r.prewash = 0x24;
    r.maytag_byte_1ff = 0x3F;
    r.top_spin_speed = 0x27;
    r.action_flags = 0x97;
    std::memcpy(r.text_field_10, "ABCDEFGHIJ", 10);
    std::memcpy(r.text_field_1a, "klmnopqrst", 10);
    std::memcpy(r.machine_serial, "SN12345678", 11);
    r.location_machine = 123456;
    r.setup_byte_1 = 0x5A;
    r.setup_byte_2 = 0xC3;
    r.feature_flags = 0x21;
    r.feature_flags_2 = 0x22;
    r.spec_days = 0x41;
    r.spec_price_begin = 0x05;
    r.spec_price_end = 0x17;
    r.coin1_value = 0x61;
    r.coin2_value = 0x62;
    r.penny_increment = 0x03;
    return r;
}

const QByteArray kTexts = "ABCDEFGHIJklmnopqrst";

// The Marlin card; MHN33 (`machine_type` 16) differs in the bytes passed in.
QByteArray marlinCard(const char* machineType, const char* prewashAndByte1ff, const char* topSpin,
                      const char* soilLevel)
{
    return layout(125, {{10, hex("1234 25") + hex(machineType) + hex("4a 0064")},
                        {17, hex("1011121314 202122 16")},
                        {32, hex("07 11") + hex(prewashAndByte1ff) + hex("97 12") + hex(topSpin)},
                        {40, kTexts},
                        {63, "SN12345678"},
                        {73, hex("123456 00 5ac3") + hex(soilLevel) + hex("15")},
                        {85, hex("2122 00 410517")},
                        {95, hex("61 00 03")},
                        {112, hex("010101")},
                        {122, hex("0101")}});
}

TEST(MaytagLayout, MarlinAndMhn33Cards)
{
    RecordingCardImage marlin;
    const STRUCT_laundry_setup marlinProfile = maytagRecord(0xC7, 14);
    ASSERT_EQ(setup::CardSetMarlinSetup(marlin, &marlinProfile), 0);
    EXPECT_EQ(marlin.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                         "SelectFile 2001", "WriteData 2001 125 0"}));
    EXPECT_EQ(marlin.header.left(4).toHex(), "c7123400");
    EXPECT_EQ(marlin.files.at(0x2001).toHex(), marlinCard("0e", "0000", "00", "17").toHex());

    RecordingCardImage mhn33;
    ASSERT_EQ(setup::writeMarlinLayout(mhn33, maytagRecord(0xC7, 16)), 0);
    EXPECT_EQ(mhn33.header.left(4).toHex(), "c7123400");
    EXPECT_EQ(mhn33.files.at(0x2001).toHex(), marlinCard("10", "243f", "27", "00").toHex());
}

TEST(MaytagLayout, QuicksilverCard)
{
    RecordingCardImage image;
    const STRUCT_laundry_setup profile = maytagRecord(0xC9, 14);
    ASSERT_EQ(setup::CardSetQuicksilverSetup(image, &profile), 0);
    EXPECT_EQ(image.calls, QStringList({"SetCardVersion 0", "WriteData header 3 0",
                                        "SelectFile 2001", "WriteData 2001 125 0"}));
    EXPECT_EQ(image.header.left(4).toHex(), "c9123400");
    const QByteArray expected = layout(125, {{10, hex("1234 2b 0e 4a 0064")},
                                             {17, hex("1011121314 202122 16")},
                                             {32, hex("07")},
                                             {40, kTexts},
                                             {63, "SN12345678"},
                                             {73, hex("123456 03 5a 0c 17 15")},
                                             {85, hex("21 0000 410517")},
                                             {95, hex("61 00 03")},
                                             {112, hex("010101")},
                                             {122, hex("0101")}});
    EXPECT_EQ(image.files.at(0x2001).toHex(), expected.toHex());

    // The MHN33 rules never apply to a Quicksilver card.
    QByteArray withMachineType16 = expected;
    withMachineType16[13] = 0x10;
    EXPECT_EQ(
        QByteArray(
            reinterpret_cast<const char*>(
                setup::maytagBlock(maytagRecord(0xC9, 16), setup::MaytagModel::Quicksilver).data()),
            125)
            .toHex(),
        withMachineType16.toHex());
}

TEST(MaytagLayout, LocationAboveSixDigitsIsWrittenAsZero)
{
    STRUCT_laundry_setup r = maytagRecord(0xC7, 14);
    r.location_machine = 0xFFFFFFFF;
    for (auto model : {setup::MaytagModel::Marlin, setup::MaytagModel::Quicksilver}) {
        const auto block = setup::maytagBlock(r, model);
        EXPECT_EQ(block[73] | block[74] | block[75], 0);
    }
}

// The frame statuses of every encoder here: the card's own status from the
// version step, 22 for a failed write, 38 when the data file cannot be
// selected; nothing runs after a failure.
struct Encoder {
    const char* name;
    setup::LayoutWriter write;
    uint16_t cardTypeCode;
    const char* versionCall;
    const char* dataCall;
};

struct Failure {
    const char* failOn;
    uint8_t status;
    int callsMade;
};

const Encoder kEncoders[] = {
    {"Gen2", &setup::writeGen2Layout, 0xBB, "SetCardVersion 0", "WriteData 2001 125 0"},
    {"Gen2Advanced", &setup::writeGen2AdvancedLayout, 0xB9, "SetCardVersion 1",
     "WriteData 2001 125 0"},
    {"Lg", &setup::writeLgLayout, 0xC5, "SetCardVersion 1", "WriteData 2001 125 0"},
    {"Marlin", &setup::writeMarlinLayout, 0xC7, "SetCardVersion 0", "WriteData 2001 125 0"},
    {"Quicksilver", &setup::writeQuicksilverLayout, 0xC9, "SetCardVersion 0",
     "WriteData 2001 125 0"},
    {"Generic", &setup::writeManualLayout, 0xCA, "SetCardVersion 0", "WriteData 2001 250 0"},
};

const Failure kFailures[] = {
    {"", 0, 4},
    {"SetCardVersion", 0x6F, 1},
    {"WriteData header", 22, 2},
    {"SelectFile", 38, 3},
    {"WriteData 2001", 22, 4},
};

class MaytagFrame : public ::testing::TestWithParam<std::tuple<Encoder, Failure>> {};

TEST_P(MaytagFrame, ReturnsTheFrameStatusAndStops)
{
    const auto& [encoder, failure] = GetParam();
    RecordingCardImage image;
    image.failOn = failure.failOn;
    image.failStatus = 0x6F;
    const STRUCT_laundry_setup record = maytagRecord(encoder.cardTypeCode, 14);

    EXPECT_EQ(encoder.write(image, record), failure.status);
    const QStringList all = {encoder.versionCall, "WriteData header 3 0", "SelectFile 2001",
                             encoder.dataCall};
    EXPECT_EQ(image.calls, all.mid(0, failure.callsMade));
}

INSTANTIATE_TEST_SUITE_P(Encoders, MaytagFrame,
                         ::testing::Combine(::testing::ValuesIn(kEncoders),
                                            ::testing::ValuesIn(kFailures)),
                         [](const auto& info) {
                             const Failure& f = std::get<1>(info.param);
                             std::string failOn = *f.failOn ? f.failOn : "Nothing";
                             std::erase(failOn, ' ');
                             return std::string(std::get<0>(info.param).name) + "_" + failOn;
                         });

} // namespace
