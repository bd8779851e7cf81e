#include "card_test_support.h"
#include "support/recording_card_image.h"

#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "services/cardcore.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/readerio.h"

#include <memory>

using CardServicesTest = CardStackTest;

TEST_F(CardServicesTest, CardSetKeysWritesTheLoadedManagementKeysOnOurImagesOnly)
{
    const QString file = insertCard(true);
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    EXPECT_EQ(cardcore::CardSetKeys(image), card::kStatusNoKeys);
    keyring::LoadZQKeys();
    EXPECT_EQ(cardcore::CardSetKeys(image), card::kStatusNoKeys);
    EXPECT_EQ(cardOnDisk(file).keys, card::kFactoryKeySet);

    ASSERT_TRUE(keyring::LoadKeys());
    ASSERT_EQ(cardcore::CardSetKeys(image), 0);
    ASSERT_EQ(image.Commit(), 0);
    EXPECT_EQ(cardOnDisk(file).keys, card::kManagementKeySet);

    image.Close();
    EXPECT_EQ(cardcore::CardSetKeys(image), card::kStatusNotPowered);

    const QString setup = path("setup.lcif");
    card::RexaFile fileImage;
    ASSERT_TRUE(fileImage.InitForWrite(setup));
    ASSERT_TRUE(fileImage.Init());
    ASSERT_EQ(cardcore::CardSetKeys(fileImage), 0);
    ASSERT_EQ(fileImage.Commit(), 0);
    EXPECT_EQ(cardOnDisk(setup).keys, card::kManagementKeySet);

    RecordingCardImage foreign; // an image of another card library
    EXPECT_EQ(cardcore::CardSetKeys(foreign), card::kStatusForeignImage);
}

TEST_F(CardServicesTest, FaultsHitTheKthCallCountedFromArming)
{
    insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    uint8_t type = 0;
    ASSERT_EQ(cardlayout::NIMBOGetCardType(&type), 0); // before arming: not counted

    card::faults::inject(card::FaultKind::NIMBOGetCardType, 2, 77, 2);
    for (const int status : {0, 77, 77, 0})
        EXPECT_EQ(cardlayout::NIMBOGetCardType(&type), status);
    EXPECT_EQ(card::faults::callCount(card::FaultKind::NIMBOGetCardType), 5);

    card::faults::inject(card::FaultKind::LoadKeys, 1, 1);
    EXPECT_FALSE(keyring::LoadKeys());
    EXPECT_EQ(cardcore::CardSetKeys(*std::make_unique<card::RexaCard>()), card::kStatusNoKeys);
    EXPECT_TRUE(keyring::LoadKeys());

    card::faults::inject(card::FaultKind::PowerCard, 1, 1);
    EXPECT_FALSE(readerio::PowerCard(readerio::POWER_OFF));
    EXPECT_TRUE(card::isPowered());

    card::faults::inject(card::FaultKind::WriteData, 1, 22);
    card::RexaCard image;
    ASSERT_TRUE(image.Init());
    const uint8_t byte = 1;
    EXPECT_EQ(image.WriteData(1, 0, &byte), 22);
    EXPECT_EQ(card::insertedCard()->cardType(), 0);

    card::faults::inject(card::FaultKind::ValidateCard, 1, 9);
    EXPECT_EQ(cardfx::ValidateCard(), 9);

    card::faults::reset();
    EXPECT_EQ(card::faults::callCount(card::FaultKind::NIMBOGetCardType), 0);
    card::faults::inject(card::FaultKind::Init, 1, 1);
    card::faults::reset();
    EXPECT_TRUE(image.Init());
}

TEST(Bcd, ConvertsZeroToNinetyNineBothWaysAndOtherBytesByTheirNibbles)
{
    for (int v = 0; v <= 99; ++v)
        EXPECT_EQ(cardcore::bcd_to_hex(cardcore::hex_to_bcd(static_cast<uint8_t>(v))), v);
    EXPECT_EQ(cardcore::hex_to_bcd(45), 0x45);
    EXPECT_EQ(cardcore::hex_to_bcd(100), 0x00);
    EXPECT_EQ(cardcore::bcd_to_hex(0xFF), 165); // an unwritten byte
    EXPECT_EQ(cardcore::bcd_to_hex(0x1A), 20);
}
