#include "card_test_support.h"

#include "card/card_images.h"
#include "card/card_status.h"
#include "services/cardcore.h"
#include "services/keyring.h"

#include <array>

using CardServicesTest = CardStackTest;

TEST_F(CardServicesTest, CardSetKeysWritesOnlyTheLoadedManagementKeys)
{
    const QString file = insert(initialisedCard());
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

TEST(Bcd, ConvertsZeroToNinetyNineBothWaysAndOtherBytesByTheirNibbles)
{
    for (int v = 0; v <= 99; ++v)
        EXPECT_EQ(cardcore::bcd_to_hex(cardcore::hex_to_bcd(static_cast<uint8_t>(v))), v);
    EXPECT_EQ(cardcore::hex_to_bcd(45), 0x45);
    EXPECT_EQ(cardcore::hex_to_bcd(100), 0x00);
    EXPECT_EQ(cardcore::bcd_to_hex(0xFF), 165); // an unwritten byte
}

TEST(CardSerial, StoredTextBecomesSixBytes)
{
    struct Case {
        const char* text;
        bool ok;
        std::array<uint8_t, 6> bytes;
    };
    const Case cases[] = {
        {"0A1B2C3D4E5F", true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}},
        {" 0a-1b 2c-3d 4e-5f ", true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}},
        {"1B2C3D4E5F", true, {0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F}}, // the five-byte key form
        {"0A1B2C3D4E5F60", false, {}},
        {"0A1B2C3D4E5", false, {}},
        {"0A--1B2C3D4E5F", false, {}},
        {"-0A1B2C3D4E5F", false, {}},
        {"0G1B2C3D4E5F", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        std::array<uint8_t, 6> serial;
        serial.fill(0xEE);
        EXPECT_EQ(cardcore::GetBinaryCardSerial(QString::fromLatin1(c.text), serial.data(), 5, 6),
                  c.ok)
            << c.text;
        EXPECT_EQ(serial, c.bytes) << c.text;
    }
}
