#include "specials/special_card_writer.h"
#include "support/card_fixture.h"

#include <optional>

namespace {

using namespace promptui;
using namespace specials;

constexpr uint16_t kCustomer = 0x1234;

CardOrder order(Mode mode, int entries)
{
    CardOrder o;
    o.mode = mode;
    o.custId = kCustomer;
    o.profile = SpecialProfile::defaults(mode);
    o.profile.name = QStringLiteral("Evenings");
    for (int k = 0; k < entries; ++k) {
        SpecialEntry entry;
        entry.days = kAllDays;
        entry.setStart(18, 0);
        o.entries.append(entry);
    }
    return o;
}

struct CheckCase {
    const char* what;
    Mode mode;
    card::NewCardFileOptions card;
    std::optional<int> answer; // the erase question's answer; none: no question
    const char* refusal;       // null: written; "" declined without a message
};

class SpecialCardWriter : public CardFixture {};

TEST_F(SpecialCardWriter, CheckCardDecidesByTypeOwnerAndChip)
{
    const CheckCase kCases[] = {
        {"factory fresh", Mode::PriceSpecial, fresh(0), std::nullopt, nullptr},
        {"blank, nobody's", Mode::PriceSpecial, initialised(0x00, 0), std::nullopt, nullptr},
        {"own price card", Mode::PriceSpecial, initialised(0xB0, kCustomer), std::nullopt, nullptr},
        {"own restriction card", Mode::DoorAccess, initialised(0xBE, kCustomer), std::nullopt,
         nullptr},
        {"setup card, Yes", Mode::PriceSpecial, initialised(0xB8, kCustomer), IDYES, nullptr},
        {"setup card, No", Mode::PriceSpecial, initialised(0xB8, kCustomer), IDNO, ""},
        {"price card for a door profile, No", Mode::DoorAccess, initialised(0xB0, kCustomer), IDNO,
         ""},
        {"restriction card for a price profile, Yes", Mode::PriceSpecial,
         initialised(0xBE, kCustomer), IDYES, nullptr},
        {"same type, other customer", Mode::PriceSpecial, initialised(0xB0, 0x4321), std::nullopt,
         "You are not allowed access! Wrong Customer Id!"},
        {"other type, other customer, Yes", Mode::PriceSpecial, initialised(0xD2, 0x4321), IDYES,
         "You are not allowed access! Wrong Customer Id!"},
        {"chip 1", Mode::PriceSpecial, initialised(0, 0, 1), std::nullopt,
         "Card Cannot Be Used As A Management Card..."},
        {"fresh chip 3", Mode::DoorAccess, fresh(3), std::nullopt,
         "Card Cannot Be Used As A Management Card..."},
        {"chip 2", Mode::DoorAccess, initialised(0, 0, 2), std::nullopt,
         "This card's chip type cannot be used as a Time Restriction card. Please insert another "
         "card."},
    };
    int n = 0;
    for (const CheckCase& c : kCases) {
        SCOPED_TRACE(c.what);
        script().clear();
        const QString file = insertCard(c.card, QString("c%1.lcard").arg(++n));
        const card::CardState before = onDisk(file);
        if (c.answer)
            script().queueAnswer(*c.answer);

        const bool written = createCard(order(c.mode, 1), false);

        EXPECT_EQ(written, c.refusal == nullptr);
        EXPECT_TRUE(script().unexpectedQuestions().empty());
        EXPECT_EQ(script().pendingAnswers(), 0);
        const QStringList texts = script().messageTexts();
        const QString caption =
            c.mode == Mode::DoorAccess ? "Door Access Manager" : "Reader Manager";
        if (c.refusal == nullptr) {
            ASSERT_FALSE(texts.isEmpty());
            EXPECT_EQ(script().lastMessage()->caption, "SUCCESS: " + caption);
            const card::CardState after = onDisk(file);
            EXPECT_EQ(after.cardType(), cardTypeOf(c.mode));
            EXPECT_EQ(after.custId(), kCustomer);
            EXPECT_EQ(after.version(), 0);
            ASSERT_GE(after.files.at(0x2001).size(), 25u);
            EXPECT_EQ(after.files.at(0x2001)[13], 1) << "entry count";
        } else if (QString(c.refusal).isEmpty()) {
            EXPECT_EQ(texts.size(), c.answer ? 1 : 0) << texts.join('|').toStdString();
            EXPECT_EQ(onDisk(file), before);
        } else {
            ASSERT_FALSE(texts.isEmpty());
            EXPECT_EQ(texts.last(), c.refusal);
            EXPECT_EQ(script().lastMessage()->caption, "ERROR: " + caption);
            if (c.card.chip != 0 || c.card.type) {
                EXPECT_EQ(onDisk(file), before);
            }
        }
        EXPECT_TRUE(script().progressBalanced());
    }
}

TEST_F(SpecialCardWriter, EraseQuestionNamesTheCardAndTheKind)
{
    insertCard(initialised(0xB0, kCustomer));
    script().queueAnswer(IDNO);
    createCard(order(Mode::DoorAccess, 1), false);
    ASSERT_EQ(script().messages().size(), 1u);
    const auto& question = script().messages().front();
    EXPECT_TRUE(question.text.startsWith("Current Card:\t"));
    EXPECT_TRUE(question.text.endsWith(
        "\nAre you sure you want to erase this card and make it into a door access time "
        "restricion card?"));
    EXPECT_EQ(question.caption, "Are you sure?");
    EXPECT_EQ(question.flags, MB_YESNO | MB_ICONEXCLAMATION);
}

TEST_F(SpecialCardWriter, RefusesBeforeTouchingTheCard)
{
    struct Case {
        int entries;
        bool clear;
        bool named;
        const char* message; // null: written
        const char* caption;
    } cases[] = {
        {0, false, true,
         "You must add at least 1 Time entry to this profile before creating a card.",
         "Reader Manager"},
        {24, false, true,
         "The maximum number of special entries written to a card is limited to 23. Please delete "
         "some special entries from this profile and try again.",
         "Reader Manager"},
        {1, false, false, "You must select a Profile before creating a card.",
         "ERROR: Reader Manager"},
        {0, true, true, nullptr, nullptr},
        {24, true, true, nullptr, nullptr},
        {23, false, true, nullptr, nullptr},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        script().clear();
        const QString file = insertCard(fresh(), QString("r%1.lcard").arg(++n));
        CardOrder o = order(Mode::PriceSpecial, c.entries);
        if (!c.named)
            o.profile.name.clear();
        EXPECT_EQ(createCard(o, c.clear), c.message == nullptr);
        if (c.message) {
            EXPECT_EQ(script().messageTexts(), QStringList{c.message});
            EXPECT_EQ(script().lastMessage()->caption, c.caption);
            EXPECT_TRUE(script().progressWindows().empty());
            EXPECT_FALSE(onDisk(file).initialised);
        } else {
            EXPECT_EQ(script().steps(), (QStringList{"Constructing data file", "Initializing card",
                                                     "Writing data to card", "Done"}));
            EXPECT_EQ(script().lastMessage()->text, "Price Specials Card Created");
            const std::vector<uint8_t> data = onDisk(file).files.at(0x2001);
            EXPECT_EQ(data[13], c.clear ? 1 : c.entries);
        }
    }
}

TEST_F(SpecialCardWriter, NoCardInTheReaderIsRefused)
{
    EXPECT_FALSE(createCard(order(Mode::DoorAccess, 1), false));
    EXPECT_EQ(script().messageTexts(), QStringList{"Please insert card first then retry..."});
    EXPECT_EQ(script().lastMessage()->caption, "ERROR: Door Access Manager");
}

} // namespace
