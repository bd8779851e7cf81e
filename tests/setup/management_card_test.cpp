#include "services/keyring.h"
#include "setup/management_card.h"
#include "support/card_fixture.h"

#include <tuple>

namespace {

using card::FaultKind;

class ManagementCardCheck : public CardFixture {
protected:
    // Runs the check into `ok` and `newCard` (which starts the opposite of
    // `expectNew`) and returns the one message shown, if any.
    QString check(bool expectNew = false)
    {
        newCard = !expectNew;
        ok = setup::check_management_card(&newCard);
        const auto boxes = script().messages();
        script().clear();
        EXPECT_LE(boxes.size(), 1u);
        if (boxes.empty())
            return {};
        EXPECT_EQ(boxes[0].caption, "ERROR: Reader Manager");
        EXPECT_EQ(boxes[0].icon, unsigned(promptui::MB_ICONERROR));
        return boxes[0].text;
    }

    bool ok = false;
    bool newCard = false;
};

TEST_F(ManagementCardCheck, EmptyReaderAsksForACard)
{
    EXPECT_EQ(check(), "Please insert card first then retry...");
    EXPECT_FALSE(ok || newCard);
}

TEST_F(ManagementCardCheck, BlankChipZeroCardIsInitialisedAndReportedNew)
{
    const QString file = insertCard(fresh(0));
    EXPECT_EQ(check(true), "");
    EXPECT_TRUE(ok && newCard);
    EXPECT_TRUE(onDisk(file).initialised);
    EXPECT_TRUE(card::isPowered()); // the check leaves the card powered
}

TEST_F(ManagementCardCheck, ValidChipZeroCardIsAcceptedAsIs)
{
    insertCard(initialised(0xB8, 7));
    EXPECT_EQ(check(), "");
    EXPECT_TRUE(ok && !newCard);
    EXPECT_TRUE(setup::check_management_card(nullptr)); // new_card may be null
}

TEST_F(ManagementCardCheck, CardsThatCannotBeManagementCardsAreRefusedUntouched)
{
    constexpr char kNotManagement[] = "Card Cannot Be Used As A Management Card...";
    const std::tuple<bool, uint8_t, bool, const char*> refusals[] = {
        {true, 1, false, kNotManagement},
        {true, 2, false, "Unknown Card..."},
        {false, 0, true, kNotManagement},
        {false, 1, false, kNotManagement},
        {false, 2, false, "Card Not Supported..."}};
    for (const auto& [blank, chip, pom, message] : refusals) {
        card::NewCardFileOptions options = blank ? fresh(chip) : initialised(0, 7, chip);
        options.pom = pom;
        const QString file = insertCard(options);
        const card::CardState before = onDisk(file);
        EXPECT_EQ(check(), message);
        EXPECT_FALSE(ok || newCard);
        EXPECT_EQ(onDisk(file), before);
    }
}

TEST_F(ManagementCardCheck, FailedInitialisationIsCardUnknown)
{
    for (FaultKind kind : {FaultKind::NIMBOCreateCard, FaultKind::ValidateCard}) {
        insertCard(fresh(0), QString("c%1").arg(int(kind)));
        // The first validation fails on the blank card by itself; the fault
        // hits initialisation or the second validation.
        card::faults::inject(kind, kind == FaultKind::ValidateCard ? 2 : 1, 0x42);
        EXPECT_EQ(check(), "Card Unknown...\nError Num: 66");
        EXPECT_FALSE(ok || newCard);
        card::faults::reset();
    }
}

} // namespace
