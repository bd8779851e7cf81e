#include "card_test_support.h"

#include <QJsonDocument>

using card::CardState;

TEST(CardDump, JsonOfAnImage)
{
    CardState card = initialisedCard();
    card.header = {0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    card.files[0x2001] = std::vector<uint8_t>(18, 0x41);
    card.files[0x2001][17] = 0x00;
    card.files[0x0010] = {0x41};
    EXPECT_EQ(QJsonDocument(card::cardToJson(card)).toJson(QJsonDocument::Compact),
              R"({"chip":0,"cust_id":4660,"files":{"0010":"41",)"
              R"("2001":"414141414141414141414141414141414100"},)"
              R"("header":"b912340100000000","pom":false,"type":185,"version":1})");
}

// The command line's tests check the options reach the images; here what
// its dump cannot show.
TEST_F(CardStackTest, NewCardFilesAreInitialisedWithFactoryKeysWhenTyped)
{
    card::NewCardFileOptions options;
    options.images = 3;
    options.custId = 0x0200;
    const QString dc = path("dc.lcif");
    ASSERT_EQ(card::createCardImageFile(dc, options), QString());
    EXPECT_TRUE(cardOnDisk(dc, 2).initialised);
    EXPECT_EQ(cardOnDisk(dc, 2).keys, card::kFactoryKeySet);
    options.images = 0;
    EXPECT_FALSE(card::createCardImageFile(path("none.lcif"), options).isEmpty());
}
