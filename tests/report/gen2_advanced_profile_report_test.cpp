// A Maytag Gen2 Advanced and an LG profile, as the operator enters them on
// their tab dialogs, made into setup cards that the card details report
// reads back with the values entered.
#include "profiles/pages/gen2_advanced_dialog_rules.h"
#include "profiles/record_conversion.h"
#include "report_fixture.h"
#include "setup/profile_types.h"

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using Prices = Gen2AdvancedPriceRules;
using Features = Gen2AdvancedFeaturesRules;

using Gen2AdvancedProfileReport = ReportFixture;

TEST_F(Gen2AdvancedProfileReport, TheCardShowsWhatWasEntered)
{
    const struct {
        int code;
        bool cyclePricing;
        const char* expected;
    } cases[] = {
        {setup::kMaytagGen2Advanced, false,
         // No coin 2 value on a Gen2 Advanced card: the cleared record's 0.
         "Dryer Price: $1.03\r\nWasher Price: $1.77\r\nTopoff Price: $0.00\r\n"
         "Topoff: DISABLED\r\nSuper Cycle: ON\r\n"},
        {setup::kLg, true,
         "Dryer Price: $1.03\r\nWasher Cold Price: $1.27\r\nWasher Warm Price: $1.52\r\n"
         "Washer Hot Price: $2.02\r\nTopoff Price: $0.25\r\nTopoff: DISABLED\r\nSuper Cycle: "
         "OFF\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Gen2AdvancedDialogRules dialog(c.code);
        for (const auto& [field, text] : {std::pair{Prices::kVend, "1.75"},
                                          {Prices::kRegDryer, "1.00"},
                                          {Prices::kVendCold, "1.25"},
                                          {Prices::kVendWarm, "1.50"},
                                          {Prices::kVendHot, "2.00"},
                                          {Prices::kCoin2, "0.25"}})
            ASSERT_FALSE(dialog.leaveMoney(field, QLatin1String(text)));
        dialog.prices().setPenny(2);
        dialog.prices().setPennyDryer(3);
        dialog.clickFeature(Features::kFixedCycle, true);
        dialog.clickFeature(c.cyclePricing ? Features::kCyclePricing : Features::kSuperCycle, true);
        CommonValues common = newProfileValues(c.code);
        common.name = QStringLiteral("Round trip");
        common.maxCardValue = Currency::fromDollars(75);
        common.userTransactionCollection = true;
        STRUCT_laundry_setup record = testfiles::setupRecord(0, 0, 0x0412);
        ASSERT_TRUE(transferDialogToRecord(common, dialog, record));
        writeCard(record);
        // The record's text fields are the cleared blanks.
        EXPECT_EQ(appended(setup::cardTypeCodeOf(c.code)).toStdString(),
                  std::string("Machine Location:           \r\nMachineID:           \r\n") +
                      c.expected +
                      "Check Location: ON\r\nClear Counters: ON\r\nUser Transactions: ON\r\n"
                      "Max Card Value: $75.00\r\n");
    }
}

} // namespace
