// A setup file written by the host holds what a setup card would, even for
// the Tovan2000 cards the layout library writes, and leaves the card in the
// reader alone.
#include "card/card_images.h"
#include "card/card_keys.h"
#include "setup/setup_record.h"
#include "support/card_fixture.h"

#include <cstring>

namespace {

constexpr uint16_t kCustomer = 0x1234;

STRUCT_laundry_setup tovan2000Record(uint16_t cardTypeCode)
{
    STRUCT_laundry_setup r;
    std::memset(&r, 0, sizeof r);
    setup::clearSetupRecord(r);
    r.card_type_code = cardTypeCode;
    r.word_02 = kCustomer;
    r.vend_price = 0x0125;
    r.dryer_run_time = 45;
    r.heat_time = 30;
    r.scroll_speed = 1;
    return r;
}

class SetupFile : public CardFixture, public ::testing::WithParamInterface<uint16_t> {};

TEST_P(SetupFile, HoldsTheLayoutLibrarysCardAndLeavesTheReaderAlone)
{
    const QString reader = insertCard(initialised(0xD2, 0x0777));
    const card::CardState readerBefore = onDisk(reader);
    const QString out = path("setup.lcard");
    STRUCT_laundry_setup record = tovan2000Record(GetParam());

    card::RexaFile image;
    ASSERT_TRUE(image.InitForWrite(out));
    ASSERT_EQ(create_laundry_setup_card(&image, kCustomer, &record, 0), 1)
        << script().messageTexts().join(" | ").toStdString();
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_EQ(script().messages()[0].text, "Reader Setup File Created");
    EXPECT_EQ(image.lastError(), QString());

    const card::CardState file = onDisk(out);
    EXPECT_EQ(file.cardType(), GetParam());
    EXPECT_EQ(file.custId(), kCustomer);
    EXPECT_EQ(card::keyStateOf(file.keys), card::KeyState::Management);
    EXPECT_EQ(file.extent(kSetupDataFileId), GetParam() == 180 ? 60u : 128u);

    EXPECT_EQ(onDisk(reader), readerBefore);
    ASSERT_NE(card::insertedCard(), nullptr);
    EXPECT_EQ(*card::insertedCard(), readerBefore);
}

INSTANTIATE_TEST_SUITE_P(Tovan2000Codes, SetupFile,
                         ::testing::Values(uint16_t(180), uint16_t(181)));

} // namespace
