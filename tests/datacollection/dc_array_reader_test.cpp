#include "card/card_images.h"
#include "laundry/card_types.h"
#include "machines/dc_machine.h"
#include "services/cardlayout.h"
#include "services/dc_records.h"
#include "services/readerio.h"
#include "support/card_fixture.h"
#include "support/recording_card_image.h"

#include <functional>
#include <tuple>
#include <vector>

namespace {

using namespace promptui;
using card::FaultKind;

constexpr uint16_t kCustomer = 0x1234;
constexpr char kNoRecords[] = "No Reader records on card. Insert card into Reader machine first.";

class DcArrayReader : public CardFixture {
protected:
    // A DC card of `type` for kCustomer, formatted on the reader, with what
    // the machines then wrote onto it.
    card::CardState dcCard(uint8_t type, const std::function<void()>& machines = {})
    {
        const QString file = insertCard(initialised(0, 0), QString("f%1.lcard").arg(++cards_));
        readerio::PowerCard(readerio::POWER_ON);
        DC_CARD format{};
        format.card_type = type;
        format.cust_id = kCustomer;
        EXPECT_EQ(cardlayout::NIMBOCreateDcCard(&format), 0);
        if (machines)
            machines();
        card::resetCardStack();
        return onDisk(file);
    }

    QString cardFile(const std::vector<card::CardState>& images)
    {
        const QString file = path(QString("in%1.lcard").arg(++cards_));
        EXPECT_EQ(card::saveCardImageFile(file, images), QString());
        return file;
    }

    uint8_t fill(const QString& file, uint16_t custId = kCustomer)
    {
        card::RexaFile image(file);
        return fill_laundry_dc_array(&image, custId, &records);
    }

    void expectOnlyError(const QString& text)
    {
        ASSERT_EQ(script().messages().size(), 1u)
            << script().messageTexts().join(" | ").toStdString();
        EXPECT_EQ(script().messages()[0].text, text);
        EXPECT_EQ(script().messages()[0].caption, "ERROR: Reader Manager");
        EXPECT_EQ(script().messages()[0].icon, unsigned(MB_ICONERROR));
    }

    GenericDC records;

private:
    int cards_ = 0;
};

TEST_F(DcArrayReader, EveryImageIsCheckedAndReadInOneWindow)
{
    // Formatted but never in a machine: read through, yet nothing to store.
    const card::CardState empty = dcCard(laundry::kReaderDcCard);
    EXPECT_EQ(fill(cardFile({empty, empty, empty})), 0);
    expectOnlyError(kNoRecords);
    ASSERT_EQ(script().progressWindows().size(), 1u);
    const ui::RecordedProgress& window = script().progressWindows()[0];
    EXPECT_EQ(window.title, "Reading Machine Data Collection card ... Please Wait");
    EXPECT_EQ(window.steps, 8);
    QStringList steps{"Reading Total Number of Records ..."};
    for (int i = 0; i < 3; ++i)
        steps << "Checking Card Type ..."
              << "Reading Machine Data Collection Card ...";
    EXPECT_EQ(window.stepTexts, steps << "Done");
    script().clear();

    // An image that holds no card image at all.
    struct NoImages : RecordingCardImage {
        NoImages() { numCardImages_ = 0; }
    } none;
    EXPECT_EQ(fill_laundry_dc_array(&none, kCustomer, &records), 0);
    expectOnlyError(kNoRecords);
    EXPECT_EQ(script().progressWindows()[0].steps, 2);
}

TEST_F(DcArrayReader, RecordsOfEveryImageJoinOneContainerInCardOrder)
{
    const machines::CollectTime time{0x24, 0x03, 0x15, 0x10, 0x30};
    auto write = [&](uint8_t family, const char* machine) {
        EXPECT_EQ(
            machines::appendDcRecord(kCustomer, machines::dcRecord(family, time, machine, "L\x01")),
            0);
    };
    const card::CardState reader = dcCard(laundry::kReaderDcCard, [&] {
        write(3, "W1");
        write(13, "Q2");
    });
    const card::CardState complex = dcCard(laundry::kComplexDcCard, [&] {
        EXPECT_EQ(machines::appendStackDcRecords(kCustomer, machines::dcRecord(5, time, "S3", ""),
                                                 machines::dcRecord(6, time, "S4", "")),
                  0);
    });
    const card::CardState advanteck = dcCard(laundry::kAdvanteckDcCard, [&] { write(8, "A5"); });

    EXPECT_EQ(fill(cardFile({reader, complex, advanteck})), 1);
    EXPECT_TRUE(script().messages().empty());
    QStringList read;
    for (int i = 0; i < records.GetNumRecs(); ++i) {
        const GenericDCRec* rec = records.GetRec(i);
        read << QString("%1 %2 %3")
                    .arg(rec->record_family)
                    .arg(QString::fromLatin1(rec->machine_id, 2),
                         QString::fromLatin1(rec->location_id, 2));
    }
    // Post-processed: the unprintable id character has become a blank.
    EXPECT_EQ(read, QStringList({"3 W1 L ", "13 Q2 L ", "5 S3   ", "6 S4   ", "8 A5 L "}));

    // A later image that fails keeps the records read before it.
    script().clear();
    card::CardState manual = reader;
    manual.setCardType(laundry::kManualDcCard);
    EXPECT_EQ(fill(cardFile({reader, manual})), 0);
    EXPECT_EQ(records.GetNumRecs(), 7);
    EXPECT_EQ(script().messageTexts(),
              QStringList{"Current Card is Not A Reader Data Collection Card"});
}

TEST_F(DcArrayReader, CardsThatAreNotTheCustomersDcCardsAreRefused)
{
    const card::CardState dc = dcCard(laundry::kReaderDcCard);
    card::CardState retrofit = dc;
    retrofit.setCardType(laundry::kRetrofitCard);
    card::CardState unowned = dc;
    unowned.setCustId(0xFFFF);
    const std::tuple<std::vector<card::CardState>, uint16_t, const char*> refusals[] = {
        {{retrofit}, kCustomer, "Current Card is Not A Reader Data Collection Card"},
        // Unlike the creators, reading has no exemption for a blank owner.
        {{unowned}, kCustomer, "Wrong Customer ID !\nNot allowed to access this card !"},
    };
    for (const auto& [images, custId, message] : refusals) {
        SCOPED_TRACE(message);
        EXPECT_EQ(fill(cardFile(images), custId), 0);
        expectOnlyError(message);
        EXPECT_NE(script().steps().last(), "Done");
        script().clear();
    }
}

TEST_F(DcArrayReader, UnreadableImagesShowTheStatus)
{
    const QString file = cardFile({dcCard(laundry::kReaderDcCard)});
    const std::tuple<FaultKind, const char*> failures[] = {
        {FaultKind::GetCardType, "Error Reading Card...\nError Num: 66"},
        {FaultKind::ReadData, "Error Reading Card\nError Num: 66"},
    };
    for (const auto& [kind, message] : failures) {
        SCOPED_TRACE(message);
        card::faults::inject(kind, 1, 0x42);
        EXPECT_EQ(fill(file), 0);
        expectOnlyError(message);
        card::faults::reset();
        script().clear();
    }

    card::faults::inject(FaultKind::Init, 1, 0);
    EXPECT_EQ(fill(file), 0); // silently
    EXPECT_TRUE(script().messages().empty());
    EXPECT_TRUE(script().progressWindows().empty());
}

} // namespace
