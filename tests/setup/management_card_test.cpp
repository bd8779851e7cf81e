#include "services/keyring.h"
#include "setup/management_card.h"
#include "support/card_fixture.h"

namespace {

using card::FaultKind;

class ManagementCardCheck : public CardFixture {
protected:
    // Runs the check and returns its result; *message gets the one message
    // shown, if any.
    bool check(bool* newCard, QString* message = nullptr)
    {
        const bool ok = setup::check_management_card(newCard);
        const auto& boxes = script().messages();
        EXPECT_LE(boxes.size(), 1u);
        if (!boxes.empty()) {
            EXPECT_EQ(boxes[0].caption, "ERROR: Reader Manager");
            EXPECT_EQ(boxes[0].icon, unsigned(promptui::MB_ICONERROR));
        }
        if (message)
            *message = boxes.empty() ? QString() : boxes[0].text;
        return ok;
    }
};

TEST_F(ManagementCardCheck, EmptyReaderAsksForACard)
{
    bool newCard = true;
    QString message;
    EXPECT_FALSE(check(&newCard, &message));
    EXPECT_EQ(message, "Please insert card first then retry...");
    EXPECT_FALSE(newCard);
}

TEST_F(ManagementCardCheck, BlankChipZeroCardIsInitialisedAndReportedNew)
{
    const QString file = insertCard(fresh(0));
    bool newCard = false;
    EXPECT_TRUE(check(&newCard));
    EXPECT_TRUE(newCard);
    EXPECT_TRUE(onDisk(file).initialised);
    EXPECT_TRUE(card::isPowered());  // the check leaves the card powered
}

TEST_F(ManagementCardCheck, ValidChipZeroCardIsAcceptedAsIs)
{
    insertCard(initialised(0xB8, 7));
    bool newCard = true;
    EXPECT_TRUE(check(&newCard));
    EXPECT_FALSE(newCard);
    EXPECT_TRUE(check(nullptr));  // new_card may be null
}

TEST_F(ManagementCardCheck, CardsThatCannotBeManagementCardsAreRefusedUntouched)
{
    constexpr char kNotManagement[] = "Card Cannot Be Used As A Management Card...";
    const struct {
        bool blank;
        uint8_t chip;
        bool pom;
        const char* message;
    } refusals[] = {
        {true, 1, false, kNotManagement},          {true, 3, false, kNotManagement},
        {true, 2, false, "Unknown Card..."},       {false, 0, true, kNotManagement},
        {false, 1, false, kNotManagement},         {false, 2, false, "Card Not Supported..."},
        {false, 9, false, "Card Not Supported..."}};
    for (const auto& r : refusals) {
        card::NewCardFileOptions options = r.blank ? fresh(r.chip) : initialised(0, 7, r.chip);
        options.pom = r.pom;
        const QString file = insertCard(options);
        const card::CardState before = onDisk(file);
        bool newCard = true;
        QString message;
        EXPECT_FALSE(check(&newCard, &message));
        EXPECT_EQ(message, r.message);
        EXPECT_FALSE(newCard);
        EXPECT_EQ(onDisk(file), before);
        script().clear();
    }
}

TEST_F(ManagementCardCheck, FailedInitialisationIsCardUnknown)
{
    for (FaultKind kind : {FaultKind::NIMBOCreateCard, FaultKind::ValidateCard}) {
        insertCard(fresh(0), QString("c%1").arg(int(kind)));
        // The first validation fails on the blank card by itself; the fault
        // hits initialisation or the second validation.
        card::faults::inject(kind, kind == FaultKind::ValidateCard ? 2 : 1, 0x42);
        bool newCard = true;
        QString message;
        EXPECT_FALSE(check(&newCard, &message));
        EXPECT_EQ(message, "Card Unknown...\nError Num: 66");
        EXPECT_FALSE(newCard);
        card::faults::reset();
        script().clear();
    }
}

}  // namespace
