#include "card_test_support.h"
#include "support/failing_saves.h"

#include "card/card_status.h"
#include "services/card_image.h"
#include "services/cardlayout.h"
#include "services/readerio.h"

#include <cstring>

using namespace cardlayout;

namespace {

HEADER_DATA_AREA area(uint32_t length, uint32_t offset, uint8_t fill = 0)
{
    HEADER_DATA_AREA a;
    std::memset(&a, fill, sizeof a);
    a.length = length;
    a.offset = offset;
    return a;
}

} // namespace

using CardLayoutTest = CardStackTest;

TEST_F(CardLayoutTest, HeaderWritesTakeAndReadsLandAtIndex950)
{
    const QString file = insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    HEADER_DATA_AREA a = area(3, 0, 0xEE); // only 950..952 may be taken
    a.data[950] = 0xB0;
    a.data[951] = 0x12;
    a.data[952] = 0x34;
    ASSERT_EQ(NIMBOSetHeaderArea(&a), 0);
    const card::CardHeader expected = {0xB0, 0x12, 0x34, 0, 0, 0, 0, 0};
    EXPECT_EQ(card::insertedCard()->header, expected);
    EXPECT_EQ(cardOnDisk(file).header, expected);

    ASSERT_EQ(NIMBOSetCardType(0xB8), 0);
    ASSERT_EQ(NIMBOSetCustId(0xABCD), 0);
    HEADER_DATA_AREA read = area(8, 0, 0xEE);
    ASSERT_EQ(NIMBOReadHeaderArea(&read), 0);
    const uint8_t header[8] = {0xB8, 0xAB, 0xCD, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(read.data + 950, header, 8), 0);
    EXPECT_EQ(read.data[949], 0xEE);
    EXPECT_EQ(read.data[958], 0xEE);
    // The record byte a caller picks up after that read: data[953], record byte 961.
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(&read)[961], 0);

    HEADER_DATA_AREA versionOnly = area(1, 3, 0xEE);
    ASSERT_EQ(NIMBOReadHeaderArea(&versionOnly), 0);
    EXPECT_EQ(versionOnly.data[950], 0); // data[950 + i] is header[offset + i]
}

TEST_F(CardLayoutTest, DataAreaMapsIndexZeroToTheRequestedOffsetOfFile2001)
{
    const QString file = insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    HEADER_DATA_AREA a = area(4, 8);
    const uint8_t bytes[4] = {0x01, 0x02, 0x03, 0x04};
    std::memcpy(a.data, bytes, 4);
    ASSERT_EQ(NIMBOSetDataArea(&a), 0);

    const std::vector<uint8_t> expected = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4};
    EXPECT_EQ(card::insertedCard()->files.at(kSetupDataFileId), expected);
    EXPECT_EQ(cardOnDisk(file).files.at(kSetupDataFileId), expected);

    HEADER_DATA_AREA read = area(6, 7, 0xEE);
    ASSERT_EQ(NIMBOReadDataArea(&read), 0);
    const uint8_t back[7] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x00, 0xEE}; // past the extent: 00
    EXPECT_EQ(std::memcmp(read.data, back, 7), 0);

    HEADER_DATA_AREA lastBytes = area(960, card::kCardFileMaxBytes - 960);
    lastBytes.data[959] = 0x7F;
    ASSERT_EQ(NIMBOSetDataArea(&lastBytes), 0);
    EXPECT_EQ(card::insertedCard()->extent(kSetupDataFileId), card::kCardFileMaxBytes);
    EXPECT_EQ(card::insertedCard()->files.at(kSetupDataFileId).back(), 0x7F);
}

TEST_F(CardLayoutTest, RequestsOutsideBufferHeaderOrAreaAreRefused)
{
    insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    for (const auto& [length, offset] : std::vector<std::pair<uint32_t, uint32_t>>{
             {9, 0}, {1, 8}, {3, 6}, {11, 0}, {1, 0xFFFFFFFF}, {0xFFFFFFFF, 1}}) {
        HEADER_DATA_AREA a = area(length, offset);
        EXPECT_EQ(NIMBOSetHeaderArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
        EXPECT_EQ(NIMBOReadHeaderArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
    }
    HEADER_DATA_AREA last = area(2, 6);
    EXPECT_EQ(NIMBOReadHeaderArea(&last), 0);
    EXPECT_EQ(NIMBOSetHeaderArea(nullptr), card::kStatusBadArgument);

    for (const auto& [length, offset] : std::vector<std::pair<uint32_t, uint32_t>>{
             {961, 0}, {960, card::kCardFileMaxBytes - 959}, {16, 0xFFFFFFF8}}) {
        HEADER_DATA_AREA a = area(length, offset);
        EXPECT_EQ(NIMBOSetDataArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
        EXPECT_EQ(NIMBOReadDataArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
    }
}

// Every call reaches the card through one check of the slot.
TEST_F(CardLayoutTest, CallsNeedACardThatIsPowered)
{
    uint8_t type = 0;
    HEADER_DATA_AREA a = area(1, 0);
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNoCard);
    EXPECT_EQ(NIMBOSetDataArea(&a), card::kStatusNoCard);
    EXPECT_FALSE(readerio::CardInserted());
    EXPECT_FALSE(readerio::PowerCard(readerio::POWER_ON));

    insertCard(true);
    EXPECT_TRUE(readerio::CardInserted());
    EXPECT_EQ(NIMBOReadHeaderArea(&a), card::kStatusNotPowered);
    EXPECT_EQ(NIMBOSetDataArea(&a), card::kStatusNotPowered);
    EXPECT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    EXPECT_EQ(NIMBOGetCardType(&type), 0);
    EXPECT_TRUE(readerio::PowerCard(readerio::POWER_OFF));
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNotPowered);

    readerio::PowerCard(readerio::POWER_ON);
    card::eject();
    EXPECT_FALSE(card::isPowered());
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNoCard);
}

TEST_F(CardLayoutTest, AFactoryFreshCardReadsButRefusesWritesUntilCreateCard)
{
    const QString file = insertCard(false);
    const QByteArray before = readFile(file);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    uint8_t type = 0;
    ASSERT_EQ(NIMBOGetCardType(&type), 0);
    EXPECT_EQ(type, 0xFF);
    HEADER_DATA_AREA header = area(3, 0);
    ASSERT_EQ(NIMBOReadHeaderArea(&header), 0);
    EXPECT_EQ(header.data[951], 0xFF);
    EXPECT_EQ(header.data[952], 0xFF);

    EXPECT_EQ(NIMBOSetCardType(1), card::kStatusNotInitialised);
    EXPECT_EQ(NIMBOSetCustId(1), card::kStatusNotInitialised);
    EXPECT_EQ(NIMBOSetHeaderArea(&header), card::kStatusNotInitialised);
    HEADER_DATA_AREA data = area(2, 100);
    EXPECT_EQ(NIMBOSetDataArea(&data), card::kStatusNotInitialised);
    EXPECT_EQ(readFile(file), before);

    // Create initialises, and erases again whatever was written since.
    ASSERT_EQ(NIMBOCreateCard(), 0);
    ASSERT_EQ(NIMBOSetCardType(0xD2), 0);
    data.data[0] = 0x42;
    ASSERT_EQ(NIMBOSetDataArea(&data), 0);
    ASSERT_EQ(NIMBOCreateCard(), 0);
    card::CardState expected = card::CardState::factoryFresh();
    expected.initialise();
    EXPECT_EQ(*card::insertedCard(), expected);
    EXPECT_EQ(cardOnDisk(file), expected);
    EXPECT_EQ(card::insertedCard()->keys, card::kFactoryKeySet);

    for (uint8_t chip : {1, 2, 3, 7}) {
        const QString other = insertCard(false, chip);
        ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
        EXPECT_EQ(NIMBOCreateCard(), card::kStatusWrongChip) << int(chip);
        EXPECT_FALSE(cardOnDisk(other).initialised);
    }
}

TEST_F(CardLayoutTest, AFailedWriteThroughLeavesCardAndFileUnchanged)
{
    const QString file = insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    const card::CardState before = *card::insertedCard();
    const QByteArray bytesBefore = readFile(file);

    {
        FailingSaves full(FailingSaves::At::Write);
        EXPECT_EQ(NIMBOSetCardType(0xB8), card::kStatusSaveFailed);
    }
    EXPECT_EQ(*card::insertedCard(), before);
    EXPECT_EQ(readFile(file), bytesBefore);
    EXPECT_TRUE(card::lastSaveError().endsWith("No space left on device"));

    EXPECT_EQ(NIMBOSetCardType(0xB8), 0);
    EXPECT_EQ(cardOnDisk(file).cardType(), 0xB8);
}
