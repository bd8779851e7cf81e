// Gen2 and Gen2 Advanced cards written by their encoder and read back by the
// card library.
#include "card_test_support.h"

#include "card/card_images.h"
#include "laundry/gen2_setup_card.h"
#include "services/cardlayout.h"
#include "services/readerio.h"
#include "setup/gen2_layout.h"
#include "setup/setup_record.h"

#include <cstring>

using namespace cardlayout;

namespace {

constexpr uint16_t kCustomer = 0x1234;

QByteArray hexOf(const GEN2_SETUP_CARD& card)
{
    return QByteArray(reinterpret_cast<const char*>(&card), sizeof card).toHex();
}

STRUCT_laundry_setup gen2Record(bool washer)
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = 187;
    r.word_02 = kCustomer;
    r.vend_price = 0x0125;
    r.option_flags = 0x5A;
    r.topoff_price_alt = 0x0203;
    r.washer = washer ? 1 : 0;
    r.wash = 12;
    r.rinse = 5;
    r.dry = 45;
    std::memcpy(r.text_field_10, "LOCATION01", 10);
    std::memcpy(r.text_field_1a, "MACHINE-02", 10);
    r.machine_type = 3; // not carried by a Gen2 card
    return r;
}

// Every byte of the record distinct, so a field read from the wrong card
// offset cannot go unnoticed.
GEN2_SETUP_CARD patternRecord(uint16_t cardType, uint8_t version)
{
    GEN2_SETUP_CARD c;
    auto* bytes = reinterpret_cast<uint8_t*>(&c);
    for (std::size_t i = 0; i < sizeof c; ++i)
        bytes[i] = uint8_t(0x20 + i);
    c.card_type = cardType;
    c.card_version = version;
    return c;
}

// The Gen2 card carries only its head, the top-off price, the texts and the
// two cycle-time bytes.
GEN2_SETUP_CARD gen2Carried(const GEN2_SETUP_CARD& written)
{
    GEN2_SETUP_CARD c{};
    c.card_type = written.card_type;
    c.word_02 = written.word_02;
    c.vend_price = written.vend_price;
    c.word_02_again = written.word_02_again;
    c.option_flags = written.option_flags;
    c.topoff_price_alt = written.topoff_price_alt;
    std::memcpy(c.text_field_10, written.text_field_10, sizeof c.text_field_10);
    std::memcpy(c.text_field_1a, written.text_field_1a, sizeof c.text_field_1a);
    c.wash = written.wash;
    c.rinse = written.rinse;
    c.card_version = written.card_version;
    return c;
}

class Gen2CardReaders : public CardStackTest {
protected:
    void SetUp() override
    {
        CardStackTest::SetUp();
        insertCard(true);
    }

    // Init again each time: the header is written before any SelectFile.
    void write(const GEN2_SETUP_CARD& card)
    {
        ASSERT_TRUE(image_.Init());
        ASSERT_EQ(setup::CardSetGen2Setup(image_, &card), 0);
    }

    card::RexaCard image_;
};

TEST_F(Gen2CardReaders, WasherRoundTrip)
{
    const GEN2_SETUP_CARD written = setup::makeGen2Record(gen2Record(true));
    ASSERT_EQ(written.wash, 0x12);
    write(written);
    GEN2_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadGen2Setup(&read), 0);
    EXPECT_EQ(hexOf(read), hexOf(written));
}

TEST_F(Gen2CardReaders, DryerRoundTripKeepsTheBcdDryTime)
{
    const GEN2_SETUP_CARD written = setup::makeGen2Record(gen2Record(false));
    write(written);
    GEN2_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadGen2Setup(&read), 0);
    EXPECT_EQ(hexOf(read), hexOf(written));
    EXPECT_EQ(read.wash, 0x45);
    EXPECT_EQ(read.rinse, 0);
}

TEST_F(Gen2CardReaders, Gen2ReaderTakesOnlyWhatAGen2CardCarries)
{
    const GEN2_SETUP_CARD written = patternRecord(187, 0);
    write(written);
    GEN2_SETUP_CARD read;
    std::memset(&read, 0xCC, sizeof read);
    ASSERT_EQ(NIMBOReadGen2Setup(&read), 0);
    EXPECT_EQ(hexOf(read), hexOf(gen2Carried(written)));
}

TEST_F(Gen2CardReaders, AdvancedRoundTrip)
{
    const GEN2_SETUP_CARD written = patternRecord(185, 1);
    write(written);
    GEN2_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadGen2AdvSetup(&read), 0);

    // Not on a Gen2 Advanced card: the padding, the top-off price, the setup
    // record's byte 0x101 and the top byte of the 32-bit location number.
    GEN2_SETUP_CARD expected = written;
    std::memset(expected.bytes_10, 0, sizeof expected.bytes_10);
    expected.topoff_price_alt = 0;
    expected.byte_47 = 0;
    expected.location_bcd &= 0x00FFFFFF;
    expected.byte_52 = 0;
    expected.byte_101 = 0;
    std::memset(expected.bytes_85, 0, sizeof expected.bytes_85);
    std::memset(expected.bytes_89, 0, sizeof expected.bytes_89);
    expected.byte_95 = 0;
    std::memset(expected.bytes_98, 0, sizeof expected.bytes_98);
    EXPECT_EQ(hexOf(read), hexOf(expected));
}

TEST_F(Gen2CardReaders, AdvancedRoundTripFromASetupRecord)
{
    STRUCT_laundry_setup r = gen2Record(true);
    r.location_machine = 654321;
    r.machine_model_byte = 0x33;
    r.max_card_value = 0x0456;
    r.enable_tokens = 1;
    const GEN2_SETUP_CARD written = setup::makeGen2AdvancedRecord(r);
    write(written);
    GEN2_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadGen2AdvSetup(&read), 0);
    GEN2_SETUP_CARD expected = written;
    expected.byte_101 = 0;
    EXPECT_EQ(hexOf(read), hexOf(expected));
    EXPECT_EQ(read.location_bcd, 0x654321u);
    EXPECT_EQ(read.card_version, 1);
    EXPECT_EQ(read.one_84 + read.one_88 + read.one_93 + read.one_94, 4);
}

TEST_F(Gen2CardReaders, EachReaderRefusesTheOtherType)
{
    write(patternRecord(185, 1));
    GEN2_SETUP_CARD read;
    std::memset(&read, 0xCC, sizeof read);
    EXPECT_EQ(NIMBOReadGen2Setup(&read), kStatusWrongSetupCardType);
    write(patternRecord(187, 0));
    EXPECT_EQ(NIMBOReadGen2AdvSetup(&read), kStatusWrongSetupCardType);
    GEN2_SETUP_CARD untouched;
    std::memset(&untouched, 0xCC, sizeof untouched);
    EXPECT_EQ(hexOf(read), hexOf(untouched));
}

} // namespace
