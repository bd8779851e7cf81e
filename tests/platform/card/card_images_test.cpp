#include "card_test_support.h"
#include "support/failing_saves.h"

#include "card/card_images.h"
#include "card/card_status.h"

#include <QFileInfo>

#include <cstring>

using card::CardState;

using CardImageTest = CardStackTest;

// Until SelectFile, and again after each Init, writes go to the header.
TEST_F(CardImageTest, WritesBeforeSelectFileReachTheHeader)
{
    const QString file = insert(initialisedCard());
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    const uint8_t header[4] = {0xB9, 0x12, 0x34, 4};
    ASSERT_EQ(image.SetCardVersion(1), 0);
    ASSERT_EQ(image.WriteData(3, 0, header), 0);
    EXPECT_EQ(image.WriteData(6, 3, header), card::kStatusOutOfRange);
    ASSERT_EQ(image.SelectFile(kSetupDataFileId), 0);
    ASSERT_EQ(image.WriteData(2, 400, header + 2), 0);
    uint8_t back[4];
    ASSERT_EQ(image.ReadData(4, 399, back), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(back), 4).toHex(), "00340400");
    ASSERT_EQ(image.Commit(), 0);
    EXPECT_EQ(cardOnDisk(file).header, (card::CardHeader{0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0}));
    EXPECT_EQ(cardOnDisk(file).extent(kSetupDataFileId), 402u);
    ASSERT_TRUE(image.Init());
    ASSERT_EQ(image.ReadData(3, 0, back), 0);
    EXPECT_EQ(std::memcmp(back, header, 3), 0);
}

TEST_F(CardImageTest, AFailedCommitOrNoCommitKeepsTheOldCard)
{
    card::RexaCard none;
    EXPECT_FALSE(none.Init());
    const QString file = insert(CardState::factoryFresh());
    const QByteArray before = testfiles::bytes(file);
    {
        card::RexaCard image;
        ASSERT_TRUE(image.Init());
        ASSERT_EQ(image.SetCustId(0x1234), 0);
        FailingSaves full(FailingSaves::At::Write);
        EXPECT_EQ(image.Commit(), card::kStatusSaveFailed);
        EXPECT_TRUE(image.lastError().endsWith("No space left on device"));
        uint16_t custId = 0;
        ASSERT_EQ(image.GetCustId(&custId), 0);
        EXPECT_EQ(custId, 0xFFFF); // back to the card as its file holds it
    }
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    ASSERT_EQ(image.SetCustId(0x1234), 0);
    image.Close();
    EXPECT_EQ(testfiles::bytes(file), before);
    EXPECT_FALSE(card::insertedCard()->initialised);
}

TEST_F(CardImageTest, InsertingChoosesAnImageAndChecksCardSizes)
{
    const CardState first = CardState::factoryFresh();
    CardState second = initialisedCard(0, 3);
    CardState tooBig = initialisedCard();
    tooBig.files[kSetupDataFileId].resize(card::kCardFileMaxBytes + 1);
    const QString file = writeImages("three.lcif", {first, second, tooBig});

    QString error;
    ASSERT_TRUE(card::insertCardFile(file, &error, 1));
    EXPECT_EQ(card::insertedCard()->chip, 3);
    EXPECT_FALSE(card::insertCardFile(file, &error, 3));
    EXPECT_FALSE(card::insertCardFile(file, &error, 2));
    EXPECT_TRUE(error.contains("more than a card's 7872")) << error.toStdString();
    EXPECT_EQ(card::cardImageIndex(), 1); // the slot keeps its card

    // Writing one image saves the others unchanged.
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    ASSERT_EQ(image.SetCardType(0xC0), 0);
    ASSERT_EQ(image.Commit(), 0);
    std::vector<CardState> images;
    ASSERT_EQ(card::loadCardImageFile(file, &images), QString());
    second.setCardType(0xC0);
    EXPECT_EQ(images, (std::vector<CardState>{first, second, tooBig}));
}

TEST_F(CardImageTest, FileImageWalksItsImagesAndSavesOnCommit)
{
    const CardState a = initialisedCard(0xD2);
    CardState b = a;
    b.setCustId(0x0102);
    const QString file = writeImages("dc.lcif", {a, b});

    card::RexaFile image(file);
    uint8_t type = 0;
    EXPECT_EQ(image.GetCardType(&type), card::kStatusNotOpen);
    ASSERT_TRUE(image.Init());
    EXPECT_EQ(image.GetNumCardImages(), 2u);
    ASSERT_EQ(image.GetCardType(&type), 0);
    EXPECT_EQ(type, 0xD2);
    ASSERT_TRUE(image.GetNextCardImage());
    uint16_t custId = 0;
    ASSERT_EQ(image.GetCustId(&custId), 0);
    EXPECT_EQ(custId, 0x0102);
    const uint8_t bytes[2] = {0x55, 0x66};
    ASSERT_EQ(image.SelectFile(0x0100), 0);
    ASSERT_EQ(image.WriteData(2, card::kImageFileMaxBytes - 2, bytes), 0);
    EXPECT_EQ(image.WriteData(1, card::kImageFileMaxBytes, bytes), card::kStatusOutOfRange);
    EXPECT_FALSE(image.GetNextCardImage());

    EXPECT_EQ(cardOnDisk(file, 1), b); // nothing saved before Commit
    ASSERT_EQ(image.Commit(), 0);
    image.Close();
    EXPECT_EQ(cardOnDisk(file, 1).extent(0x0100), card::kImageFileMaxBytes);
    EXPECT_EQ(cardOnDisk(file, 0), a);
}

TEST_F(CardImageTest, FileImageRefusesDamagedOrMissingFiles)
{
    const QString damaged = path("damaged.lcif");
    ASSERT_TRUE(testfiles::write(damaged, QByteArray("LCIF\x01\x00", 6)));
    card::RexaFile image(damaged);
    EXPECT_FALSE(image.Init());
    EXPECT_TRUE(image.lastError().contains(damaged + " is damaged"));
    EXPECT_FALSE(image.isOpen());
    EXPECT_FALSE(image.InitForWrite(path("no/such/folder/x.lcif")));
}

TEST_F(CardImageTest, InitForWriteMakesOrChangesTheFileOnlyAtASuccessfulCommit)
{
    const QString file = path("setup.lcif");
    card::RexaFile image;
    ASSERT_TRUE(image.InitForWrite(file));
    ASSERT_TRUE(image.Init());
    EXPECT_FALSE(image.IsNewCard());
    const uint8_t header[3] = {0xBB, 0x00, 0x07};
    ASSERT_EQ(image.WriteData(3, 0, header), 0);
    image.Close();
    EXPECT_FALSE(QFileInfo::exists(file)); // dropped without Commit
    ASSERT_TRUE(image.Init());
    ASSERT_EQ(image.WriteData(3, 0, header), 0);
    ASSERT_EQ(image.Commit(), 0);
    image.Close();
    EXPECT_EQ(cardOnDisk(file).custId(), 7);

    // A fresh first image is initialised as new; a failed save keeps the old file.
    const QString fresh = writeImages("fresh.lcif", {CardState::factoryFresh()});
    const QByteArray before = testfiles::bytes(fresh);
    ASSERT_TRUE(image.InitForWrite(fresh));
    ASSERT_TRUE(image.Init());
    EXPECT_TRUE(image.IsNewCard());
    {
        FailingSaves full(FailingSaves::At::Commit);
        EXPECT_EQ(image.Commit(), card::kStatusSaveFailed);
    }
    EXPECT_EQ(testfiles::bytes(fresh), before);
    ASSERT_EQ(image.Commit(), 0);
    EXPECT_TRUE(cardOnDisk(fresh).initialised);
}
