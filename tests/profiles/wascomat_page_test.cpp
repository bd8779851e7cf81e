// The Wascomat dialog's rules: what its fields refuse, the byte special
// pricing turns on, and an imported profile to the exact bytes of its card.
#include "profile_db_fixture.h"

#include "profiles/pages/wascomat_page_rules.h"
#include "setup/layout_bytes.h"
#include "setup/profile_types.h"
#include "setup/wascomat_layout.h"

using namespace profiles;
using Rules = WascomatPageRules;

namespace {

const char kRange[] = "Please enter a value between $0.00 and $655.35";
const char kTime[] = "The time format is invalid";

QVariant money(qint64 units)
{
    return Currency(units).toVariant();
}

TEST(WascomatPage, HeldValuesTheCardCannotCarryAreRefused)
{
    struct Case {
        const char* column;
        QVariant value;
        const char* message; // nullptr: accepted
        int control;
    };
    const Case cases[] = {
        {"PRICE16", money(6553500), nullptr, 0},
        {"PRICE16", money(6553600), kRange, Rules::kFirstRegularControl + 15},
        {"STANDARD ADDER OPTION2", money(6553600), kRange, Rules::kFirstRegularControl + 17},
        {"SPECIAL ADDER OPTION1", money(10050), "Please enter a currency multiple of $0.01",
         Rules::kFirstSpecialControl + 16},
        {"SPEC PRICE 3", money(-100),
         "Please enter a valid currency value in the form 'dd.cc' (dollars.cents)",
         Rules::kFirstSpecialControl + 2},
        {"MACHINE TYPE", 1, nullptr, 0},
        {"MACHINE TYPE", 2, "The machine type must be 0 (Washer) or 1 (Dryer).",
         Rules::kMachineTypeControl},
        {"SPEC PRICE BEGIN", QStringLiteral("24:00"), kTime, Rules::kBeginControl},
        {"SPEC PRICE END", QStringLiteral("9:60"), kTime, Rules::kEndControl},
        {"SPEC PRICE END", QStringLiteral("23:59"), nullptr, 0},
    };
    for (const Case& c : cases) {
        Rules rules;
        rules.load({{QLatin1String(c.column), c.value}});
        const Check refused = rules.checkFields();
        // The card takes what the page takes.
        EXPECT_EQ(bool(rules.checkCardLimits()), bool(refused)) << c.column;
        if (!c.message) {
            EXPECT_FALSE(refused) << c.column << ": " << refused->message.toStdString();
            continue;
        }
        ASSERT_TRUE(refused) << c.column;
        EXPECT_EQ(refused->message, c.message);
        EXPECT_EQ(refused->column, c.column);
        EXPECT_EQ(refused->control, c.control);
        EXPECT_EQ(refused->caption, "Input Error");
    }
}

TEST(WascomatPage, TypedPricesAndTimesAreTakenOverOrKeepTheirValue)
{
    Rules rules;
    const int program1 = Rules::kFirstRegularControl;
    const int option2 = Rules::kFirstSpecialControl + 17;
    EXPECT_FALSE(rules.enterPrice(program1, u"$3.5"));
    EXPECT_EQ(*rules.priceOf(program1), Currency::fromCents(350));
    EXPECT_EQ(rules.enterPrice(program1, u"655.36")->message, kRange);
    EXPECT_TRUE(rules.enterPrice(program1, u"1,00"));
    EXPECT_EQ(*rules.priceOf(program1), Currency::fromCents(350));
    EXPECT_FALSE(rules.enterPrice(option2, u" "));
    EXPECT_EQ(*rules.priceOf(option2), Currency());

    EXPECT_FALSE(rules.enterTime(Rules::kBeginControl, u"7:5"));
    EXPECT_EQ(rules.values().begin, "7:05");
    EXPECT_EQ(rules.enterTime(Rules::kEndControl, u"10:00 PM")->message, kTime);
    EXPECT_EQ(rules.enterTime(Rules::kEndControl, u"")->message, kTime);
    EXPECT_EQ(rules.values().end, "23:59");
}

TEST(WascomatPage, SpecialPricingChangesOnlyItsFlagAndNeedsADay)
{
    Rules rules;
    rules.values().days[2] = true;
    const auto block = [&rules](bool on) {
        rules.values().specPricing = on;
        STRUCT_laundry_setup record{};
        setup::clearSetupRecord(record);
        rules.writeRecord(newProfileValues(setup::kWascomat), record);
        const setup::WascomatSetupBlock b = setup::wascomatBlock(record);
        return QByteArray(reinterpret_cast<const char*>(&b), int(sizeof b));
    };
    QByteArray off = block(false);
    const QByteArray on = block(true);
    EXPECT_EQ(off[99], 0x00);
    EXPECT_EQ(on[99], Rules::kSpecPricingFlag);
    off[99] = on[99];
    EXPECT_EQ(off.toHex(' '), on.toHex(' '));

    EXPECT_FALSE(rules.checkBeforeSave());
    rules.values().days[2] = false;
    const Check refused = rules.checkBeforeSave();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->column, "SPEC PRICING");
    EXPECT_EQ(refused->control, Rules::kDayControls[0]);
    rules.values().specPricing = false;
    EXPECT_FALSE(rules.checkBeforeSave());
}

using WascomatProfile = profiletest::ProfileFileTest;

TEST_F(WascomatProfile, AnImportedProfileReachesItsCardByteForByte)
{
    const char json[] = R"([{"PROFILE NAME":"Wasco","MAX CARD VALUE":"250","ENABLE TOKENS":false,
 "CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":true,"USER TRANSACTION COL":true,
 "PROFILE TYPE":11,"MACHINE TYPE":1,"PRICE1":"3","PRICE2":"3.25","PRICE5":"4.5",
 "PRICE16":"655.35","STANDARD ADDER OPTION1":"0.5","STANDARD ADDER OPTION2":"0.75",
 "SPEC PRICE 1":"2","SPEC PRICE 5":"3","SPECIAL ADDER OPTION1":"0.25",
 "SPECIAL ADDER OPTION2":"0","SPEC PRICING":true,"MONDAY":true,"FRIDAY":true,
 "SPEC PRICE BEGIN":"6:30","SPEC PRICE END":"21:45"}])";
    ASSERT_TRUE(importJson(json).succeeded());
    const STRUCT_laundry_setup record = converted("Wasco");
    EXPECT_EQ(record.card_type_code, 200);

    // Dryer (9); programs 3, 4 and 6-15 and specials 2-4 and 6-16 keep a new
    // page's $2.00 and $1.50; special pricing 6:30 to 21:45 on Monday and
    // Friday; option flags 0xCA; $250 on a card.
    const QByteArray expected = layouttest::hex(
        "000000000000 2020202020202020202020202020202020202020 09"
        "012c 0145 00c8 00c8 01c2 00c8 00c8 00c8 00c8 00c8 00c8 00c8 00c8 00c8 00c8 ffff"
        "0032 004b"
        "00c8 0096 0096 0096 012c 0096 0096 0096 0096 0096 0096 0096 0096 0096 0096 0096"
        "0019 0000"
        "02 06 1e 15 2d 22 01 ca 00fa");
    ASSERT_EQ(expected.size(), 109);
    EXPECT_EQ(setupFile(record, setup::writeWascomatSetup).toHex(' ').toStdString(),
              expected.toHex(' ').toStdString());
}

} // namespace
