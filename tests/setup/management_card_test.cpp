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

struct Refusal {
    bool blank;
    uint8_t chip;
    bool pom;
    const char* message;
};

class ManagementCardRefusal : public ManagementCardCheck,
                              public ::testing::WithParamInterface<Refusal> {};

TEST_P(ManagementCardRefusal, ShowsItsMessage)
{
    card::NewCardFileOptions options = GetParam().blank ? fresh(GetParam().chip)
                                                        : initialised(0, 7, GetParam().chip);
    options.pom = GetParam().pom;
    const QString file = insertCard(options);
    const card::CardState before = onDisk(file);
    bool newCard = true;
    QString message;
    EXPECT_FALSE(check(&newCard, &message));
    EXPECT_EQ(message, GetParam().message);
    EXPECT_FALSE(newCard);
    EXPECT_EQ(onDisk(file), before);
}

INSTANTIATE_TEST_SUITE_P(
    Chips, ManagementCardRefusal,
    ::testing::Values(Refusal{true, 1, false, "Card Cannot Be Used As A Management Card..."},
                      Refusal{true, 3, false, "Card Cannot Be Used As A Management Card..."},
                      Refusal{true, 2, false, "Unknown Card..."},
                      Refusal{false, 0, true, "Card Cannot Be Used As A Management Card..."},
                      Refusal{false, 1, false, "Card Cannot Be Used As A Management Card..."},
                      Refusal{false, 2, false, "Card Not Supported..."},
                      Refusal{false, 9, false, "Card Not Supported..."}));

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
