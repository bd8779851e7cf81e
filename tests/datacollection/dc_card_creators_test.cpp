#include "laundry/card_types.h"
#include "services/progress.h"
#include "support/card_fixture.h"

#include <tuple>

namespace {

using namespace promptui;
using card::FaultKind;

constexpr uint16_t kCustomer = 0x1234;

using Creator = uint8_t (*)(uint16_t, uint32_t);

struct CreatorCase {
    Creator create;
    uint8_t type;
    const char* title; // null: the Advanteck title, which names the type
    QStringList steps;
    const char* cancelStep; // null: the window just closes
    bool leavesPowered;
};

const QStringList kReaderSteps{"Identifying Card...", "Writing data card header...", "Done"};
const CreatorCase kCreators[] = {
    {create_laundry_dc_card, 210, "Creating Reader Data Collection card ... Please Wait",
     kReaderSteps, "Cancelled", false},
    {create_complex_laundry_dc_card, 210,
     "Creating Complex Reader Data Collection card ... Please Wait", kReaderSteps, "Cancelled",
     false},
    {create_laundry_manual_dc_card,
     212,
     "Creating Reader Manual Data Collection card ... Please Wait",
     {"Validating Card ...", "Checking Card Type ...", "Writing card header ...", "Done"},
     "ERROR: Write Cancelled",
     false},
    {create_adv_dc_card,
     217,
     nullptr,
     {"Validating Card ...", "Checking Card ...", "Writing card header ...", "Done"},
     nullptr,
     true},
};
const CreatorCase& kPlain = kCreators[0];
const CreatorCase& kManual = kCreators[2];
const CreatorCase& kAdvanteck = kCreators[3];

class DcCardCreators : public CardFixture {
protected:
    QString insert(const card::NewCardFileOptions& options)
    {
        return insertCard(options, QString("c%1.lcard").arg(++cards_));
    }

    // The card stays as it was, nothing more than `message` was shown and
    // the operation ended as a cancel.
    void expectRefused(const CreatorCase& c, const QString& file, const card::CardState& before,
                       const QString& message)
    {
        EXPECT_EQ(onDisk(file), before);
        ASSERT_FALSE(script().messages().empty());
        EXPECT_EQ(script().messages().back().text, message);
        if (c.cancelStep)
            EXPECT_EQ(script().steps().last(), c.cancelStep);
        else
            EXPECT_NE(script().steps().last(), "Done");
        EXPECT_EQ(card::isPowered(), c.leavesPowered);
        script().clear();
    }

private:
    int cards_ = 0;
};

TEST_F(DcCardCreators, BlankCardsAreFormattedWithoutQuestion)
{
    for (const CreatorCase& c : kCreators) {
        SCOPED_TRACE(c.type);
        // Factory fresh, initialised blank and blank with the factory owner;
        // the manual creator formats its own type again without a question.
        for (const auto& options : {fresh(), initialised(0, 0), initialised(0xFF, 0xFFFF),
                                    initialised(c.type == 212 ? 212 : 0, kCustomer)}) {
            const QString file = insert(options);
            ASSERT_EQ(c.create(kCustomer, 0), 1);
            const card::CardState state = onDisk(file);
            EXPECT_EQ(state.cardType(), c.type);
            EXPECT_EQ(state.custId(), kCustomer);
            ASSERT_EQ(script().messages().size(), 1u);
            EXPECT_EQ(script().messages()[0].text,
                      "Card Created \nNew Card Type : " + StrCardtype(c.type));
            EXPECT_EQ(script().messages()[0].caption, "DONE: Reader Manager");
            EXPECT_EQ(script().messages()[0].icon, unsigned(MB_ICONINFORMATION));
            ASSERT_EQ(script().progressWindows().size(), 1u);
            const ui::RecordedProgress& window = script().progressWindows()[0];
            EXPECT_EQ(window.title, c.title ? QString(c.title)
                                            : "Creating " + StrCardtype(217) + " ... Please Wait");
            EXPECT_EQ(window.steps, c.leavesPowered ? 5 : 4);
            EXPECT_EQ(window.stepTexts, c.steps);
            EXPECT_EQ(card::isPowered(), c.leavesPowered);
            script().clear();
        }
    }
}

TEST_F(DcCardCreators, PlainAndComplexWriteTheSameCardWithTheOptionsLowByte)
{
    const QString plain = insert(fresh());
    ASSERT_EQ(create_laundry_dc_card(kCustomer, 0xABCD12), 1);
    const QString complex = insert(fresh());
    ASSERT_EQ(create_complex_laundry_dc_card(kCustomer, 0x12), 1);
    EXPECT_EQ(onDisk(plain), onDisk(complex));
    const QString other = insert(fresh());
    ASSERT_EQ(create_laundry_dc_card(kCustomer, 0x13), 1);
    EXPECT_NE(onDisk(other), onDisk(plain));
}

TEST_F(DcCardCreators, CardsOfAnotherTypeOrTheirOwnAreFormattedOnlyAfterYes)
{
    const QString retrofit = StrCardtype(laundry::kRetrofitCard);
    const std::tuple<const CreatorCase*, uint8_t, QString, const char*, unsigned> questions[] = {
        {&kPlain, 210,
         "The card inserted is already a Reader data collection card.\nIf you continue, you will "
         "erase the records currently on the card.\nDo you want to continue?",
         "Reader Data Collection Card Inserted", MB_ICONWARNING},
        {&kCreators[1], laundry::kRetrofitCard,
         "Current Card type is : " + retrofit + "\nDo you want to overwrite it to " +
             StrCardtype(210) + " type ?",
         "Are you sure?", MB_ICONWARNING},
        {&kManual, 210,
         "Wrong Card Type !\nCurrent Card Type is : " + StrCardtype(210) +
             "\nDo you want to overwrite it to : " + StrCardtype(212),
         "CONFIRM: Reader Manager", MB_ICONQUESTION},
        {&kAdvanteck, 217,
         "Card is already a " + StrCardtype(217) +
             ".\nContinuing will delete any data on the card. Continue..?",
         "Are you sure?", MB_ICONWARNING},
        {&kAdvanteck, laundry::kRetrofitCard,
         "Current Card type is : " + retrofit + "\nDo you want to overwrite it to " +
             StrCardtype(217) + " type?",
         "Are you sure?", MB_ICONWARNING},
    };
    for (const auto& [c, current, question, caption, icon] : questions) {
        SCOPED_TRACE(question.toStdString());
        for (const int answer : {IDNO, IDYES}) {
            const QString file = insert(initialised(current, kCustomer));
            const card::CardState before = onDisk(file);
            script().queueAnswer(answer);
            EXPECT_EQ(c->create(kCustomer, 0), answer == IDYES ? 1 : 0);
            ASSERT_FALSE(script().messages().empty());
            const ui::RecordedMessage& asked = script().messages()[0];
            EXPECT_EQ(asked.text, question);
            EXPECT_EQ(asked.caption, caption);
            EXPECT_EQ(asked.icon, icon);
            EXPECT_EQ(asked.buttons, unsigned(MB_YESNO));
            if (answer == IDNO) {
                EXPECT_EQ(script().messages().size(), 1u); // No ends silently
                expectRefused(*c, file, before, question);
            } else {
                EXPECT_EQ(onDisk(file).cardType(), c->type);
                script().clear();
            }
        }
    }
}

TEST_F(DcCardCreators, CardOfAnotherCustomerIsRefusedUnlessJustInitialised)
{
    for (const CreatorCase& c : kCreators) {
        SCOPED_TRACE(c.type);
        const QString file = insert(initialised(c.type, 0x9999));
        const card::CardState before = onDisk(file);
        if (c.type != laundry::kManualDcCard)
            script().queueAnswer(IDYES); // erase the card's records
        EXPECT_EQ(c.create(kCustomer, 0), 0);
        EXPECT_EQ(script().messages().back().caption, "ERROR: Reader Manager");
        EXPECT_EQ(script().messages().back().icon, unsigned(MB_ICONERROR));
        expectRefused(c, file, before, "You are not allowed access! Wrong Customer Id!");
    }
}

TEST_F(DcCardCreators, CardTheCheckInitialisedPassesWhateverOwnerItReports)
{
    // The initialisation is lost (status 0): the card keeps another owner,
    // passes the owner check and only the format then finds it blank.
    card::CardState blank = onDisk(insert(initialised(0, 0x9999)));
    blank.initialised = false;
    const QString file = path("lost.lcard");
    ASSERT_EQ(card::saveCardImageFile(file, {blank}), QString());
    ASSERT_TRUE(card::insertCardFile(file, nullptr));
    card::faults::inject(FaultKind::NIMBOCreateCard, 1, 0);
    card::faults::inject(FaultKind::ValidateCard, 2, 0);
    EXPECT_EQ(create_adv_dc_card(kCustomer, 0), 0);
    EXPECT_EQ(script().messageTexts(), QStringList{"Error Creating Card...\nError Num: 103"});
}

TEST_F(DcCardCreators, CardFailuresShowTheirMessageAndLeaveTheCard)
{
    constexpr char kReader[] = "ERROR: Reader Manager";
    constexpr char kCreateFailed[] = "Error Creating Card...\nError Num: 66";
    // The last column: the plain creator has written the owner by then.
    const std::tuple<const CreatorCase*, FaultKind, const char*, const char*, bool> failures[] = {
        {&kPlain, FaultKind::FxGetCardType, "Error Reading Card Type...\nError Num: 66", kReader,
         false},
        {&kManual, FaultKind::FxGetCustId, "Error Reading Customer ID...\nError Num: 66", kReader,
         false},
        {&kAdvanteck, FaultKind::FxGetCustId, "Error Reading Customer ID...\nError Num: 66",
         kReader, false},
        {&kPlain, FaultKind::NIMBOSetCustId, "Error Writing Customer Id...\nError Num: 66", kReader,
         false},
        {&kPlain, FaultKind::NIMBOCreateDcCard, kCreateFailed, "ERROR: Vendra Manager", true},
        {&kManual, FaultKind::NIMBOCreateDcCard, kCreateFailed, kReader, false},
        {&kAdvanteck, FaultKind::NIMBOCreateDcCard, kCreateFailed, kReader, false},
    };
    for (const auto& [c, kind, message, caption, ownerWritten] : failures) {
        SCOPED_TRACE(message);
        const QString file = insert(initialised(0x00, 0));
        card::CardState expected = onDisk(file);
        if (ownerWritten)
            expected.setCustId(kCustomer);
        card::faults::inject(kind, 1, 0x42);
        EXPECT_EQ(c->create(kCustomer, 0), 0);
        EXPECT_EQ(script().messages().back().caption, caption);
        EXPECT_EQ(script().messages().back().icon, unsigned(MB_ICONERROR));
        expectRefused(*c, file, expected, message);
        card::faults::reset();
    }
}

TEST_F(DcCardCreators, EmptyReaderEndsTheCreation)
{
    // The Advanteck creator reports through its own window, so titled.
    for (const CreatorCase& c : kCreators) {
        EXPECT_EQ(c.create(kCustomer, 0), 0);
        EXPECT_EQ(script().messageTexts(), QStringList{"Please insert card first then retry..."});
        EXPECT_EQ(script().messages()[0].caption,
                  c.leavesPowered ? "Reader Manager" : "ERROR: Reader Manager");
        EXPECT_EQ(script().messages()[0].icon, unsigned(MB_ICONERROR));
        script().clear();
    }
}

} // namespace
