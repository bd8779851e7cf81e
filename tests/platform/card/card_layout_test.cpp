#include "card_test_support.h"
#include "support/failing_saves.h"

#include "card/card_status.h"
#include "services/card_image.h"
#include "services/cardlayout.h"

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

TEST_F(CardLayoutTest, RequestsOutsideBufferHeaderOrAreaAreRefused)
{
    insert(initialisedCard(), true);
    using Range = std::pair<uint32_t, uint32_t>; // length, offset
    for (const auto& [length, offset] : {Range{9, 0}, Range{3, 6}, Range{1, 0xFFFFFFFF}}) {
        HEADER_DATA_AREA a = area(length, offset);
        EXPECT_EQ(NIMBOSetHeaderArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
        EXPECT_EQ(NIMBOReadHeaderArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
    }
    HEADER_DATA_AREA last = area(2, 6);
    EXPECT_EQ(NIMBOReadHeaderArea(&last), 0);
    HEADER_DATA_AREA lastBytes = area(960, card::kCardFileMaxBytes - 960, 0x7F);
    EXPECT_EQ(NIMBOSetDataArea(&lastBytes), 0);
    EXPECT_EQ(card::insertedCard()->extent(kSetupDataFileId), card::kCardFileMaxBytes);
    EXPECT_EQ(NIMBOSetHeaderArea(nullptr), card::kStatusBadArgument);
    for (const auto& [length, offset] :
         {Range{961, 0}, Range{960, card::kCardFileMaxBytes - 959}, Range{16, 0xFFFFFFF8}}) {
        HEADER_DATA_AREA a = area(length, offset);
        EXPECT_EQ(NIMBOSetDataArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
        EXPECT_EQ(NIMBOReadDataArea(&a), card::kStatusOutOfRange) << length << "@" << offset;
    }
}

// Every call reaches the card through one check of the slot.
TEST_F(CardLayoutTest, CallsNeedACardThatIsPowered)
{
    uint8_t type = 0;
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNoCard);
    EXPECT_FALSE(readerio::PowerCard(readerio::POWER_ON));
    insert(initialisedCard());
    EXPECT_TRUE(readerio::CardInserted());
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNotPowered);
    EXPECT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    EXPECT_EQ(NIMBOGetCardType(&type), 0);
    card::eject();
    EXPECT_FALSE(card::isPowered());
    EXPECT_EQ(NIMBOGetCardType(&type), card::kStatusNoCard);
}

// Create initialises, and erases again whatever was written since.
TEST_F(CardLayoutTest, CreateCardErasesWhatWasWritten)
{
    const QString file = insert(card::CardState::factoryFresh(), true);
    ASSERT_EQ(NIMBOCreateCard(), 0);
    ASSERT_EQ(NIMBOSetCardType(0xD2), 0);
    HEADER_DATA_AREA data = area(2, 100, 0x42);
    ASSERT_EQ(NIMBOSetDataArea(&data), 0);
    ASSERT_EQ(NIMBOCreateCard(), 0);
    EXPECT_EQ(*card::insertedCard(), initialisedCard()); // factory keys, no files
    EXPECT_EQ(cardOnDisk(file), initialisedCard());
}

TEST_F(CardLayoutTest, AFailedWriteThroughLeavesCardAndFileUnchanged)
{
    const QString file = insert(initialisedCard(), true);
    const QByteArray before = testfiles::bytes(file);
    {
        FailingSaves full(FailingSaves::At::Write);
        EXPECT_EQ(NIMBOSetCardType(0xB8), card::kStatusSaveFailed);
    }
    EXPECT_EQ(*card::insertedCard(), initialisedCard());
    EXPECT_EQ(testfiles::bytes(file), before);
    EXPECT_TRUE(card::lastSaveError().endsWith("No space left on device"));
    EXPECT_EQ(NIMBOSetCardType(0xB8), 0);
    EXPECT_EQ(cardOnDisk(file).cardType(), 0xB8);
}
