#include "card/card_images.h"
#include "setup/layout_bytes.h"
#include "setup/retrofit_layout.h"
#include "support/card_fixture.h"
#include "support/test_files.h"

#include <QByteArray>

#include <tuple>

namespace {

using namespace promptui;
using card::FaultKind;

constexpr uint16_t kCustomer = 0x1234;

STRUCT_laundry_setup retrofitRecord(uint16_t cardTypeCode = 0xB8)
{
    STRUCT_laundry_setup r = testfiles::setupRecord(cardTypeCode, 125, kCustomer);
    r.max_card_value = 100;
    return r;
}

class SetupCardWriter : public CardFixture {
protected:
    uint8_t writeToReader(STRUCT_laundry_setup record, uint16_t custId = kCustomer)
    {
        card::RexaCard image;
        return create_laundry_setup_card(&image, custId, &record, 0);
    }

    void expectOnlyMessage(const QString& text, const QString& caption, unsigned icon)
    {
        ASSERT_EQ(script().messages().size(), 1u)
            << script().messageTexts().join(" | ").toStdString();
        EXPECT_EQ(script().messages()[0].text, text);
        EXPECT_EQ(script().messages()[0].caption, caption);
        EXPECT_EQ(script().messages()[0].icon, icon);
    }

    void expectCancelledAndPoweredOff()
    {
        EXPECT_EQ(script().steps().last(), "Cancelled");
        EXPECT_FALSE(card::isPowered());
    }
};

TEST_F(SetupCardWriter, BlankCardAndThenItsOwnCardAreWrittenWithoutQuestion)
{
    const QString file = insertCard(fresh());
    ASSERT_EQ(writeToReader(retrofitRecord()), 1);

    expectOnlyMessage("Reader Setup Card Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);
    ASSERT_EQ(script().progressWindows().size(), 1u);
    EXPECT_EQ(script().progressWindows()[0].title,
              "Create Reader Setup Card In Progress ... Please Wait");

    const card::CardState state = onDisk(file);
    EXPECT_EQ(state.cardType(), 0xB8);
    EXPECT_EQ(state.custId(), kCustomer);
    EXPECT_EQ(state.version(), 2);
    EXPECT_EQ(card::keyStateOf(state.keys), card::KeyState::Management);
    const QByteArray data = layouttest::setupFile(state);
    ASSERT_EQ(data.size(), 539); // block 2 ends at 400 + 139
    EXPECT_EQ(data.mid(8, 4).toHex(), "007d1234");
    EXPECT_EQ(uint8_t(data[63]), 0xA1);
    EXPECT_EQ(data.mid(128, 2).toHex(), "0064");
    EXPECT_FALSE(card::isPowered());

    // Now of this type and owner: rewritten without question.
    script().clear();
    EXPECT_EQ(writeToReader(retrofitRecord()), 1);
    expectOnlyMessage("Reader Setup Card Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);
}

TEST_F(SetupCardWriter, CardOfAnotherCustomerIsRefusedEvenWithMatchingType)
{
    const QString file = insertCard(initialised(0xB8, 0x9999));
    const card::CardState before = onDisk(file);
    EXPECT_EQ(writeToReader(retrofitRecord()), 0);
    expectOnlyMessage("You are not allowed access! Wrong Customer Id!", "ERROR: Reader Manager",
                      MB_ICONERROR);
    EXPECT_EQ(onDisk(file), before);
    expectCancelledAndPoweredOff();
}

// No leaves the card as it was, yes writes it.
TEST_F(SetupCardWriter, CardOfAnotherTypeIsWrittenOnlyAfterYes)
{
    for (const int answer : {IDNO, IDYES}) {
        const QString file = insertCard(initialised(210, kCustomer), QString("c%1").arg(answer));
        const card::CardState before = onDisk(file);
        script().queueAnswer(answer);
        EXPECT_EQ(writeToReader(retrofitRecord()), answer == IDYES ? 1 : 0);
        const ui::RecordedMessage q = script().messages()[0];
        EXPECT_EQ(q.text, "Current Card:\t" + StrCardtype(210) +
                              "\nAre you sure you want to erase this card and make it into a "
                              "Reader Retro Setup card?");
        EXPECT_EQ(q.caption, "Are you sure?");
        EXPECT_EQ(q.buttons, unsigned(MB_YESNO));
        EXPECT_EQ(q.icon, unsigned(MB_ICONWARNING));
        EXPECT_EQ(onDisk(file).cardType(), answer == IDYES ? 0xB8 : 210);
        if (answer == IDNO) {
            EXPECT_EQ(onDisk(file), before);
            expectCancelledAndPoweredOff();
        }
        script().clear();
    }
}

TEST_F(SetupCardWriter, FileImageSkipsEveryCheckAndReportsAFile)
{
    // The file exists with a card of another type and customer: no question,
    // no owner check.
    const QString file = path("setup.lcard");
    ASSERT_EQ(card::createCardImageFile(file, initialised(210, 0x9999)), QString());
    STRUCT_laundry_setup record = retrofitRecord();
    card::RexaFile image;
    ASSERT_TRUE(image.InitForWrite(file)) << image.lastError().toStdString();
    EXPECT_EQ(create_laundry_setup_card(&image, kCustomer, &record, 0), 1);

    expectOnlyMessage("Reader Setup File Created", "SUCCESS: Reader Manager", MB_ICONINFORMATION);
    EXPECT_EQ(onDisk(file).cardType(), 0xB8);
}

TEST_F(SetupCardWriter, CodeWithoutAWriterGivesErrorOne)
{
    const QString file = insertCard(fresh());
    EXPECT_EQ(writeToReader(retrofitRecord(182)), 0);
    EXPECT_EQ(script().messageTexts(),
              QStringList({"Error Writing Data To Card\nError Num: 1", "Card Not Created!"}));
    EXPECT_EQ(script().messages()[1].caption, "WARNING: Reader Manager");
    EXPECT_TRUE(layouttest::setupFile(onDisk(file)).isEmpty());
    expectCancelledAndPoweredOff();
}

TEST_F(SetupCardWriter, CardFailuresShowTheirMessageAndCancel)
{
    const std::tuple<FaultKind, int, uint8_t, const char*> failures[] = {
        {FaultKind::GetCardType, 1, 0x55, "Error Reading Card Type...\nError Num: 85"},
        {FaultKind::GetCustId, 1, 0x56, "Could not read Customer Id! Cannot Continue!"},
        // The layout's status is the number; the registry tests hold each one.
        {FaultKind::WriteData, 1, 0x58, "Error Writing Data To Card\nError Num: 22"},
        // The key step selects the data file again: its failure is key error 1.
        {FaultKind::SelectFile, 2, 0x5B, "Error Setting Keys...\nError Num: 1"},
        {FaultKind::CardSetKeys, 1, 0x07, "Error Setting Keys...\nError Num: 7"}};
    for (const auto& [kind, nth, status, message] : failures) {
        SCOPED_TRACE(message);
        insertCard(initialised(0xB8, kCustomer), QString("f%1-%2").arg(int(kind)).arg(nth));
        card::faults::reset();
        card::faults::inject(kind, nth, status);
        EXPECT_EQ(writeToReader(retrofitRecord()), 0);
        EXPECT_EQ(script().messageTexts().value(0), message);
        expectCancelledAndPoweredOff();
        script().clear();
    }
}

TEST_F(SetupCardWriter, FailedKeysLeaveTheNewSetupDataOnTheCard)
{
    const QString file = insertCard(initialised(0, kCustomer));
    card::faults::inject(FaultKind::CardSetKeys, 1, 0x07);
    EXPECT_EQ(writeToReader(retrofitRecord()), 0);
    const card::CardState state = onDisk(file);
    EXPECT_EQ(state.cardType(), 0xB8);
    EXPECT_EQ(layouttest::setupFile(state).mid(8, 2).toHex(), "007d");
    EXPECT_NE(card::keyStateOf(state.keys), card::KeyState::Management);
}

TEST_F(SetupCardWriter, EmptyReaderCancelsSilently)
{
    EXPECT_EQ(writeToReader(retrofitRecord()), 0);
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
