#include "card_test_support.h"

#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "services/cardcore.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/readerio.h"

#include <memory>

using card::CardState;

using CardServicesTest = CardStackTest;

TEST_F(CardServicesTest, ValidateCardIdentifiesChipAndPom)
{
    EXPECT_EQ(cardfx::ValidateCard(), card::kStatusNoCard);

    insertCard(true, 3, true);
    EXPECT_EQ(cardfx::ValidateCard(), card::kStatusNotPowered);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    EXPECT_EQ(cardfx::ValidateCard(), 0);
    EXPECT_EQ(keyring::ChipID, 3);
    EXPECT_EQ(keyring::pomCard, 1);

    insertCard(false, 0);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    EXPECT_EQ(cardfx::ValidateCard(), card::kStatusCardNotValid);
    EXPECT_EQ(keyring::ChipID, 0);
    EXPECT_EQ(keyring::pomCard, 0);

    // The recovery a management-card check runs on chip 0.
    keyring::LoadZQKeys();
    ASSERT_EQ(cardlayout::NIMBOCreateCard(), 0);
    EXPECT_EQ(cardfx::ValidateCard(), 0);

    insertCard(false, 2);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    EXPECT_EQ(cardfx::ValidateCard(), card::kStatusCardNotValid);
    EXPECT_EQ(keyring::ChipID, 2);
}

TEST_F(CardServicesTest, ChipTablesActOnTheCardOfTheirChip)
{
    const QString file = insertCard(true, 1);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    ASSERT_EQ(cardfx::ValidateCard(), 0);
    const uint8_t chip = keyring::ChipID;
    ASSERT_TRUE(cardfx::hasChip(chip));

    uint16_t custId = 0x4321;
    ASSERT_EQ(cardfx::SetCustId[chip](&custId), 0);
    ASSERT_EQ(cardfx::SetCardVersion[chip](5), 0);
    uint16_t readId = 0;
    uint8_t type = 0xAA;
    ASSERT_EQ(cardfx::GetCustId[chip](&readId), 0);
    ASSERT_EQ(cardfx::GetCardType[chip](&type), 0);
    EXPECT_EQ(readId, 0x4321);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(cardOnDisk(file).version(), 5);
    EXPECT_EQ(cardOnDisk(file).custId(), 0x4321);

    EXPECT_EQ(cardfx::GetCardType[0](&type), card::kStatusWrongChip);
    EXPECT_EQ(cardfx::SetCardVersion[2](1), card::kStatusWrongChip);
    EXPECT_EQ(cardfx::SetCustId[chip](nullptr), card::kStatusBadArgument);
    readerio::PowerCard(readerio::POWER_OFF);
    EXPECT_EQ(cardfx::GetCustId[chip](&readId), card::kStatusNotPowered);
}

TEST_F(CardServicesTest, CardSetKeysWritesTheLoadedManagementKeys)
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
}

TEST_F(CardServicesTest, CardSetKeysRefusesImagesOfOtherLibraries)
{
    class ForeignImage : public BaseCardImage {
        uint8_t SelectFile(uint16_t) override { return 0; }
        uint8_t GetCardType(uint8_t*) override { return 0; }
        uint8_t GetCustId(uint16_t*) override { return 0; }
        uint8_t GetCardVersion(uint8_t*) override { return 0; }
        uint8_t ReadData(uint32_t, uint32_t, uint8_t*) override { return 0; }
        uint8_t SetCardType(uint8_t) override { return 0; }
        uint8_t SetCustId(uint16_t) override { return 0; }
        uint8_t SetCardVersion(uint8_t) override { return 0; }
        uint8_t WriteData(uint32_t, uint32_t, const uint8_t*) override { return 0; }
        uint32_t GetMaxDataSize() override { return 0; }
        bool CheckPrevState() override { return false; }
        bool IsCreatingSetupFile() override { return false; }
    } foreign;
    ASSERT_TRUE(keyring::LoadKeys());
    EXPECT_EQ(cardcore::CardSetKeys(foreign), card::kStatusForeignImage);
}

TEST_F(CardServicesTest, FaultsHitTheKthCallCountedFromArming)
{
    insertCard(true);
    ASSERT_TRUE(readerio::PowerCard(readerio::POWER_ON));
    uint8_t type = 0;
    ASSERT_EQ(cardlayout::NIMBOGetCardType(&type), 0); // before arming: not counted

    card::faults::inject(card::FaultKind::NIMBOGetCardType, 2, 77, 2);
    EXPECT_EQ(cardlayout::NIMBOGetCardType(&type), 0);
    EXPECT_EQ(cardlayout::NIMBOGetCardType(&type), 77);
    EXPECT_EQ(cardlayout::NIMBOGetCardType(&type), 77);
    EXPECT_EQ(cardlayout::NIMBOGetCardType(&type), 0);
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

TEST(FaultKinds, NamesRoundTrip)
{
    for (int k = 0; k < static_cast<int>(card::FaultKind::Count); ++k) {
        const auto kind = static_cast<card::FaultKind>(k);
        EXPECT_EQ(card::faults::kindFromName(card::faults::kindName(kind)), kind);
    }
    EXPECT_EQ(card::faults::kindName(card::FaultKind::NIMBOSetDataArea), "NIMBOSetDataArea");
    EXPECT_FALSE(card::faults::kindFromName("Nonsense").has_value());
}

TEST(Bcd, ConvertsZeroToNinetyNineBothWays)
{
    EXPECT_EQ(cardcore::hex_to_bcd(0), 0x00);
    EXPECT_EQ(cardcore::hex_to_bcd(45), 0x45);
    EXPECT_EQ(cardcore::hex_to_bcd(99), 0x99);
    for (int v = 0; v <= 99; ++v)
        EXPECT_EQ(cardcore::bcd_to_hex(cardcore::hex_to_bcd(static_cast<uint8_t>(v))), v);
}

TEST(Bcd, OutOfRangeValuesFollowTheDocumentedRules)
{
    EXPECT_EQ(cardcore::hex_to_bcd(100), 0x00);
    EXPECT_EQ(cardcore::hex_to_bcd(255), 0x00);
    EXPECT_EQ(cardcore::bcd_to_hex(0xFF), 165);
    EXPECT_EQ(cardcore::bcd_to_hex(0x1A), 20);
}

TEST_F(CardServicesTest, TokensAreOnUntilTurnedOff)
{
    EXPECT_TRUE(cardcore::GetTokensEnabled());
    cardcore::SetTokensEnabled(false);
    EXPECT_FALSE(cardcore::GetTokensEnabled());
    card::resetCardStack();
    EXPECT_TRUE(cardcore::GetTokensEnabled());
}
