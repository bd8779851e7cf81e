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
    const QString file = insertCard(true);
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    const uint8_t header[3] = {0xB9, 0x12, 0x34};
    ASSERT_EQ(image.SetCardVersion(1), 0);
    ASSERT_EQ(image.WriteData(3, 0, header), 0);
    EXPECT_EQ(image.WriteData(6, 3, header), card::kStatusOutOfRange);
    const uint8_t block[4] = {1, 2, 3, 4};
    ASSERT_EQ(image.SelectFile(kSetupDataFileId), 0);
    ASSERT_EQ(image.WriteData(4, 400, block), 0);
    uint8_t back[6];
    ASSERT_EQ(image.ReadData(6, 399, back), 0);
    const uint8_t expected[6] = {0, 1, 2, 3, 4, 0};
    EXPECT_EQ(std::memcmp(back, expected, 6), 0);
    ASSERT_EQ(image.Commit(), 0);
    const card::CardHeader expectedHeader = {0xB9, 0x12, 0x34, 0x01, 0, 0, 0, 0};
    EXPECT_EQ(cardOnDisk(file).header, expectedHeader);
    EXPECT_EQ(cardOnDisk(file).extent(kSetupDataFileId), 404u);

    ASSERT_TRUE(image.Init());
    ASSERT_EQ(image.ReadData(3, 0, back), 0);
    EXPECT_EQ(std::memcmp(back, header, 3), 0);
}

TEST_F(CardImageTest, AFailedCommitOrNoCommitKeepsTheOldCard)
{
    card::RexaCard none;
    EXPECT_FALSE(none.Init());
    EXPECT_EQ(none.lastError(), "no card in the reader");

    const QString file = insertCard(false);
    const QByteArray before = readFile(file);
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
    EXPECT_EQ(readFile(file), before);
    EXPECT_FALSE(card::insertedCard()->initialised);
}

TEST_F(CardImageTest, InsertingChoosesAnImageAndChecksCardSizes)
{
    CardState first = CardState::factoryFresh();
    CardState second = CardState::factoryFresh(3);
    second.initialise();
    CardState tooBig = CardState::factoryFresh();
    tooBig.initialise();
    tooBig.files[kSetupDataFileId].resize(card::kCardFileMaxBytes + 1);
    const QString file = writeImages("three.lcif", {first, second, tooBig});

    QString error;
    ASSERT_TRUE(card::insertCardFile(file, &error, 1));
    EXPECT_EQ(card::cardImageIndex(), 1);
    EXPECT_EQ(card::cardFilePath(), file);
    EXPECT_EQ(card::insertedCard()->chip, 3);

    EXPECT_FALSE(card::insertCardFile(file, &error, 3));
    EXPECT_EQ(error, "card image file " + file + " holds 3 images; there is no image 3");
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
    CardState a = CardState::factoryFresh();
    a.initialise();
    a.setCardType(0xD2);
    CardState b = a;
    b.setCustId(0x0102);
    const QString file = writeImages("dc.lcif", {a, b});

    card::RexaFile image(file);
    uint8_t type = 0;
    EXPECT_EQ(image.GetCardType(&type), card::kStatusNotOpen);
    ASSERT_TRUE(image.Init());
    EXPECT_EQ(image.GetNumCardImages(), 2u);
    EXPECT_EQ(image.GetMaxDataSize(), 0xFFFFFFFFu);

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
    EXPECT_EQ(image.GetCardType(&type), card::kStatusNotOpen);
}

TEST_F(CardImageTest, FileImageRefusesDamagedOrMissingFiles)
{
    const QString missing = path("nothere.lcif");
    card::RexaFile absent(missing);
    EXPECT_FALSE(absent.Init());
    EXPECT_TRUE(absent.lastError().startsWith("cannot open card image file " + missing));

    const QString damaged = path("damaged.lcif");
    writeFile(damaged, QByteArray("LCIF\x01\x00", 6));
    card::RexaFile image(damaged);
    EXPECT_FALSE(image.Init());
    EXPECT_EQ(image.lastError(),
              "card image file " + damaged + " is damaged: file is truncated (6 bytes)");
    EXPECT_FALSE(image.isOpen());

    card::RexaFile nowhere;
    EXPECT_FALSE(nowhere.InitForWrite(path("no/such/folder/x.lcif")));
    EXPECT_FALSE(nowhere.InitForWrite(dir_.path()));
    EXPECT_FALSE(nowhere.lastError().isEmpty());
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
    EXPECT_EQ(cardOnDisk(file).cardType(), 0xBB);

    // A fresh first image is initialised as new; a failed save keeps the old file.
    const QString fresh = writeImages("fresh.lcif", {CardState::factoryFresh()});
    const QByteArray before = readFile(fresh);
    card::RexaFile output;
    ASSERT_TRUE(output.InitForWrite(fresh));
    ASSERT_TRUE(output.Init());
    EXPECT_TRUE(output.IsNewCard());
    {
        FailingSaves full(FailingSaves::At::Commit);
        EXPECT_EQ(output.Commit(), card::kStatusSaveFailed);
        EXPECT_TRUE(output.lastError().endsWith("No space left on device"));
    }
    EXPECT_EQ(readFile(fresh), before);
    ASSERT_EQ(output.Commit(), 0);
    EXPECT_TRUE(cardOnDisk(fresh).initialised);
}
