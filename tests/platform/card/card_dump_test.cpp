#include "card_test_support.h"

#include <QJsonDocument>

using card::CardState;

namespace {

CardState setupCard()
{
    CardState card = CardState::factoryFresh(0);
    card.initialise();
    card.header = {0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    card.files[0x2001] = std::vector<uint8_t>(18, 0x41);
    card.files[0x2001][17] = 0x00;
    card.files[0x0010] = {0x41};
    return card;
}

TEST(CardDump, JsonAndTextOfAnImage)
{
    EXPECT_EQ(QJsonDocument(card::cardToJson(setupCard())).toJson(QJsonDocument::Compact),
              R"({"chip":0,"cust_id":4660,"files":{"0010":"41",)"
              R"("2001":"414141414141414141414141414141414100"},)"
              R"("header":"b912340100000000","pom":false,"type":185,"version":1})");

    const QString text = card::cardToText(setupCard());
    EXPECT_TRUE(text.startsWith("Type:        185 (0xb9)\n"
                                "Customer id: 4660 (0x1234)\n"
                                "Version:     1\n"
                                "Chip:        0\n"
                                "POM:         no\n"
                                "Initialised: yes\n"
                                "Keys:        factory (ZQ)\n"
                                "Header:      b912340100000000\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("File 0x2001, 18 bytes:\n"
                              "  0000  41 41 41 41 41 41 41 41  41 41 41 41 41 41 41 41  "
                              "|AAAAAAAAAAAAAAAA|\n"
                              "  0010  41 00                                             |A.|\n"))
        << text.toStdString();
    EXPECT_TRUE(card::cardToText(CardState::factoryFresh())
                    .contains("Keys:        blank\nHeader:      ffffffffffffffff\nNo files\n"));
}

} // namespace

// The command line's tests check the options reach the images; here what
// its dump cannot show.
TEST_F(CardStackTest, NewCardFilesAreInitialisedWithFactoryKeysWhenTyped)
{
    card::NewCardFileOptions options;
    options.images = 3;
    options.custId = 0x0200;
    const QString dc = path("dc.lcif");
    ASSERT_EQ(card::createCardImageFile(dc, options), QString());
    std::vector<CardState> images;
    ASSERT_EQ(card::loadCardImageFile(dc, &images), QString());
    ASSERT_EQ(images.size(), 3u);
    EXPECT_TRUE(images[2].initialised);
    EXPECT_EQ(images[2].keys, card::kFactoryKeySet);
    EXPECT_TRUE(card::cardImagesToText(images).contains("Image 3 of 3 (index 2)\n"));

    options.images = 0;
    EXPECT_EQ(card::createCardImageFile(path("none.lcif"), options),
              "the image count must be between 1 and 1000");
}
