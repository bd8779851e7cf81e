#include "card/card_images.h"
#include "laundry/card_types.h"
#include "services/dc_records.h"
#include "support/card_fixture.h"
#include "support/recording_card_image.h"

#include <tuple>
#include <vector>

namespace {

using namespace promptui;
using card::FaultKind;

constexpr uint16_t kCustomer = 0x1234;
constexpr char kNoRecords[] = "No Reader records on card. Insert card into Reader machine first.";

class DcArrayReader : public CardFixture {
protected:
    // An empty DC card of `type`, formatted by its creator on the reader.
    card::CardState formattedCard(uint8_t type)
    {
        const QString file = insertCard(fresh(), QString("f%1.lcard").arg(++cards_));
        const uint8_t created = type == laundry::kAdvanteckDcCard
                                    ? create_adv_dc_card(kCustomer, 0)
                                    : create_laundry_dc_card(kCustomer, 0);
        EXPECT_EQ(created, 1);
        card::resetCardStack();
        script().clear();
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
    const card::CardState empty = formattedCard(laundry::kReaderDcCard);
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

TEST_F(DcArrayReader, CardsThatAreNotTheCustomersDcCardsAreRefused)
{
    const card::CardState dc = formattedCard(laundry::kReaderDcCard);
    card::CardState retrofit = dc;
    retrofit.setCardType(laundry::kRetrofitCard);
    card::CardState manual = dc;
    manual.setCardType(laundry::kManualDcCard);
    const std::tuple<std::vector<card::CardState>, uint16_t, const char*> refusals[] = {
        {{retrofit}, kCustomer, "Current Card is Not A Reader Data Collection Card"},
        // Read as machine cards only: the manual card is no such card.
        {{manual}, kCustomer, "Current Card is Not A Reader Data Collection Card"},
        // No exemption for a blank owner when reading.
        {{dc}, 0, "Wrong Customer ID !\nNot allowed to access this card !"},
        // A later image stops the whole read.
        {{dc, retrofit}, kCustomer, "Current Card is Not A Reader Data Collection Card"},
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
    const QString file = cardFile({formattedCard(laundry::kReaderDcCard)});
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
