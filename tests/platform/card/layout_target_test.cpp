// The layout library and the cardfx globals follow the open file image, and
// fall back to the card in the reader when none is open.
#include "card_test_support.h"
#include "platform/ui/checked_scripted_ui.h"

#include "card/card_images.h"
#include "card/card_keys.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "laundry/laundry.h"
#include "laundry/tovan2000_setup_card.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/readerio.h"
#include "setup/tovan2000_layout.h"

#include <cstring>

using card::CardState;
using namespace cardlayout;

namespace {

constexpr uint16_t kCustomer = 0x1234;

STRUCT_laundry_setup tovan2000Record(uint16_t cardTypeCode)
{
    STRUCT_laundry_setup r = testfiles::setupRecord(cardTypeCode, 0x0125, kCustomer);
    r.dryer_run_time = 45;
    r.heat_time = 30;
    r.topoff_time = 12;
    r.scroll_speed = 3; // cycle program 3
    r.washer = 1;
    return r;
}

class LayoutTargetTest : public CardStackTest {
protected:
    // A powered card in the reader with content of its own, remembered so
    // that tests can prove it was left alone.
    void insertMarkedReaderCard()
    {
        CardState reader = initialisedCard(0xD2);
        reader.setCustId(0x0777);
        const uint8_t mark[6] = {'r', 'e', 'a', 'd', 'e', 'r'};
        reader.write(kSetupDataFileId, 0, sizeof mark, mark, card::kCardFileMaxBytes);
        readerFile_ = insert(reader, true, "reader.lcif");
        readerBefore_ = reader;
    }

    void expectReaderUntouched() const
    {
        ASSERT_NE(card::insertedCard(), nullptr);
        EXPECT_EQ(*card::insertedCard(), readerBefore_);
        EXPECT_EQ(cardOnDisk(readerFile_), readerBefore_);
    }

    QString readerFile_;
    CardState readerBefore_;
};

// The setup writers that write through the layout library, not the image.
struct LayoutWriterCase {
    const char* name;
    uint16_t code;
    uint8_t (*write)(BaseCardImage&, const STRUCT_laundry_setup&);
    uint8_t version;
    const char* dataHead; // data-area bytes 8-11
};

class LayoutWriterTarget : public LayoutTargetTest,
                           public ::testing::WithParamInterface<LayoutWriterCase> {};

// The library's setup-card export makes the card in a setup file and leaves
// the reader alone; the writer itself does the same on an open file image,
// saved at its Commit (the setup tests write the reader's card with it).
TEST_P(LayoutWriterTarget, AnOpenFileImageGetsWhatTheReaderWouldGet)
{
    uitest::CheckedScriptedUi ui;
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    insertMarkedReaderCard();
    STRUCT_laundry_setup record = tovan2000Record(GetParam().code);
    card::RexaFile image;
    ASSERT_TRUE(image.InitForWrite(path("setup.lcard")));
    ASSERT_EQ(create_laundry_setup_card(&image, kCustomer, &record, 0), 1);
    EXPECT_EQ(ui->messageTexts(), QStringList{"Reader Setup File Created"});
    const CardState written = cardOnDisk(path("setup.lcard"));
    EXPECT_EQ(written.cardType(), GetParam().code);
    EXPECT_EQ(written.custId(), kCustomer);
    EXPECT_EQ(written.version(), GetParam().version);
    const std::vector<uint8_t>& data = written.files.at(kSetupDataFileId);
    ASSERT_GE(data.size(), 12u);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(data.data()) + 8, 4).toHex(),
              GetParam().dataHead);
    EXPECT_EQ(card::keyStateOf(written.keys), card::KeyState::Management);
    expectReaderUntouched();

    const QString out = path("direct.lcif");
    card::RexaFile file;
    ASSERT_TRUE(file.InitForWrite(out)) << file.lastError().toStdString();
    ASSERT_TRUE(file.Init());
    const QByteArray blank = testfiles::bytes(out);
    ASSERT_EQ(GetParam().write(file, record), 0);
    expectReaderUntouched();
    EXPECT_EQ(testfiles::bytes(out), blank); // saved on Commit, as the image's own writes
    ASSERT_EQ(file.Commit(), 0);
    file.Close();
    EXPECT_EQ(cardOnDisk(out).header, written.header);
    EXPECT_EQ(cardOnDisk(out).files, written.files);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, LayoutWriterTarget,
    ::testing::Values(
        LayoutWriterCase{"Tovan2000", 180, &setup::writeTovan2000Layout, 1, "01251234"},
        LayoutWriterCase{"Tovan2000Cycle", 181, &setup::writeTovan2000CycleLayout, 0, "06300700"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutTargetTest, ReadersReadTheOpenFileImage)
{
    const STRUCT_laundry_setup record = tovan2000Record(180);
    card::RexaFile file;
    ASSERT_TRUE(file.InitForWrite(path("setup.lcif")));
    ASSERT_TRUE(file.Init());
    ASSERT_EQ(setup::writeTovan2000Layout(file, record), 0);

    const TOVAN2000_SETUP_CARD expected = setup::makeTovan2000Record(record);
    TOVAN2000_SETUP_CARD read{};
    ASSERT_EQ(NIMBOReadTovan2000Setup(&read), 0); // before the file is saved
    EXPECT_EQ(std::memcmp(&read, &expected, sizeof read), 0);
    file.Close();
    EXPECT_EQ(NIMBOReadTovan2000Setup(&read), card::kStatusNoCard);
}

TEST_F(LayoutTargetTest, TheNewestOpenFileImageIsTheTargetAndTheReaderTheLast)
{
    insertMarkedReaderCard();
    const QString a = writeImages("a.lcif", {initialisedCard()});
    const QString b = writeImages("b.lcif", {initialisedCard()});
    const QString c = writeImages("c.lcif", {initialisedCard()});
    card::RexaFile fileA(a);
    card::RexaFile fileB(b);
    ASSERT_TRUE(fileA.Init());
    ASSERT_EQ(NIMBOSetCardType(0xA1), 0);
    ASSERT_TRUE(fileB.Init());
    ASSERT_EQ(NIMBOSetCardType(0xB1), 0);
    {
        card::RexaFile fileC(c);
        ASSERT_TRUE(fileC.Init());
        ASSERT_EQ(fileA.Commit(), 0);
        fileA.Close(); // closing an older image keeps the newest
        ASSERT_EQ(NIMBOSetCardType(0xC1), 0);
    } // C is dropped without Close: its changes are lost and it is no target.
    ASSERT_EQ(NIMBOSetCardType(0xB2), 0);
    ASSERT_EQ(fileB.Commit(), 0);
    card::faults::inject(card::FaultKind::Close, 1, 1);
    fileB.Close(); // a failed close still hands back the reader
    EXPECT_EQ(cardOnDisk(a).cardType(), 0xA1);
    EXPECT_EQ(cardOnDisk(b).cardType(), 0xB2);
    EXPECT_EQ(cardOnDisk(c).cardType(), 0);
    expectReaderUntouched();

    ASSERT_EQ(NIMBOSetCardType(0xC4), 0);
    EXPECT_EQ(card::insertedCard()->cardType(), 0xC4);
}

// The chip tables act on the card of their chip, the open file image's.
TEST_F(LayoutTargetTest, ValidateCardAndChipTablesUseTheOpenFileImage)
{
    insertMarkedReaderCard();
    const QString out = writeImages("chip2.lcif", {initialisedCard(0, 2, true)});
    card::RexaFile file(out);
    ASSERT_TRUE(file.Init());
    ASSERT_EQ(cardfx::ValidateCard(), 0);
    EXPECT_EQ(keyring::ChipID, 2);
    EXPECT_EQ(keyring::pomCard, 1);

    uint16_t custId = 0x4321;
    ASSERT_EQ(cardfx::SetCustId[2](&custId), 0);
    ASSERT_EQ(cardfx::SetCardVersion[2](7), 0);
    EXPECT_EQ(cardfx::SetCustId[0](&custId), card::kStatusWrongChip);
    uint8_t type = 0xAA;
    ASSERT_EQ(cardfx::GetCardType[2](&type), 0);
    EXPECT_EQ(type, 0);
    ASSERT_EQ(file.Commit(), 0);
    file.Close();
    EXPECT_EQ(cardOnDisk(out).custId(), 0x4321);
    EXPECT_EQ(cardOnDisk(out).version(), 7);
    expectReaderUntouched();
}

// A fresh file image is no valid card and takes no writes; an initialised
// one takes layout writes as far as the image's own writes reach.
TEST_F(LayoutTargetTest, AFileImageHasItsOwnStateAndLimits)
{
    insertMarkedReaderCard();
    const QString fresh = writeImages("fresh.lcif", {CardState::factoryFresh()});
    {
        card::RexaFile file(fresh);
        ASSERT_TRUE(file.Init()); // not InitForWrite: the image stays fresh
        EXPECT_EQ(cardfx::ValidateCard(), card::kStatusCardNotValid);
        EXPECT_EQ(NIMBOSetCardType(0xB4), card::kStatusNotInitialised);
    }

    // Past a card, within a file image.
    HEADER_DATA_AREA area{4, card::kCardFileMaxBytes, {1, 2, 3, 4}};
    const QString out = writeImages("big.lcif", {initialisedCard()});
    card::RexaFile file(out);
    ASSERT_TRUE(file.Init());
    ASSERT_EQ(NIMBOSetDataArea(&area), 0);
    ASSERT_EQ(file.Commit(), 0);
    file.Close();
    EXPECT_EQ(cardOnDisk(out).extent(kSetupDataFileId), card::kCardFileMaxBytes + 4);
    expectReaderUntouched();
}

} // namespace
