// Values a setup card cannot carry, and common values the editor could not
// have saved, never reach a record.
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/card_limits.h"
#include "profiles/pages/display_message_page_rules.h"
#include "profiles/pages/tovan2000_page_rules.h"
#include "profiles/record_conversion.h"
#include "profiles/savable_common.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <functional>

using namespace profiles;

TEST(CardLimits, MoneyBeyondTheCardsWordsIsRefusedNamingTheLargest)
{
    struct Case {
        int code;
        std::function<void(CommonValues&)> set;
        const char* column; // nullptr: converts
        const char* largest;
    };
    const Case cases[] = {
        {setup::kRetrofit, [](CommonValues& c) { c.vendPrice = Currency::fromCents(65535); },
         nullptr, ""},
        {setup::kRetrofit, [](CommonValues& c) { c.vendPrice = Currency::fromCents(65536); },
         "VEND PRICE", "$655.35"},
        {setup::kMaytagGen2, [](CommonValues& c) { c.vendPrice = Currency::fromDollars(1000); },
         "VEND PRICE", "$655.35"},
        {setup::kTovan2000, [](CommonValues& c) { c.topoffPrice = Currency::fromCents(65536); },
         "TOPOFF PRICE", "$655.35"},
        {setup::kTovan2000, [](CommonValues& c) { c.maxCardValue = Currency::fromDollars(65536); },
         "MAX CARD VALUE", "$65535.00"},
        // Codes 5-14 keep their prices on their pages: the editor's are not written.
        {setup::kMaytagMarlin, [](CommonValues& c) { c.vendPrice = Currency::fromDollars(1000); },
         nullptr, ""},
    };
    for (const Case& c : cases) {
        CommonValues common = newProfileValues(c.code);
        c.set(common);
        const Check refused = checkCommonCardLimits(common);
        SCOPED_TRACE(common.vendPrice.toString().toStdString());
        ASSERT_EQ(refused.has_value(), c.column != nullptr);
        if (!refused)
            continue;
        EXPECT_EQ(refused->column, QLatin1String(c.column));
        EXPECT_TRUE(refused->message.endsWith(QStringLiteral("the largest is %1.").arg(c.largest)))
            << refused->message.toStdString();
    }
}

TEST(CardLimits, TheConversionRefusesTimesTheBcdBytesCannotHold)
{
    uitest::CheckedScriptedUi ui;
    STRUCT_laundry_setup record;
    setup::clearSetupRecord(record);
    DisplayMessagePageRules electro(setup::kElectromechanical);
    electro.reset();
    electro.values().dryerRunTime = 99;
    CommonValues common = newProfileValues(setup::kElectromechanical);
    ASSERT_TRUE(transferDialogToRecord(common, electro, record));
    EXPECT_EQ(record.dryer_run_time, 99);

    electro.values().topoffTime = 199; // the page's own range allows it
    EXPECT_FALSE(electro.checkFields());
    EXPECT_FALSE(transferDialogToRecord(common, electro, record));
    ASSERT_EQ(ui->messageTexts().size(), 1);
    EXPECT_EQ(ui->messageTexts()[0],
              QStringLiteral("A Topoff Time of 199 minutes is more than a "
                             "setup card holds: the largest is 99 minutes."));

    Tovan2000PageRules tovan;
    tovan.load({{"DRYER RUN TIME", 100}, {"TOPOFF TIME", 5}});
    EXPECT_EQ(tovan.checkCardLimits()->column, QStringLiteral("DRYER RUN TIME"));
    tovan.load({{"DRYER RUN TIME", 40}, {"TOPOFF TIME", 5}});
    EXPECT_FALSE(tovan.checkCardLimits());
}

TEST(SavableCommon, RefusesWhatEditModeClears)
{
    struct Case {
        int code;
        std::function<void(CommonValues&)> set;
        QStringList columns;
    };
    const Case cases[] = {
        {setup::kMaytagMarlin,
         [](CommonValues& c) { c.locationClustering = c.enableTokens = true; },
         {}},
        {setup::kMaytagMarlin,
         [](CommonValues& c) {
             c.locationClustering = true;
             c.checkLocation = false;
         },
         {"LOCATION CLUSTERING"}},
        {setup::kGeneric,
         [](CommonValues& c) { c.locationClustering = true; },
         {"LOCATION CLUSTERING"}},
        {setup::kTovan2000,
         [](CommonValues& c) { c.userTransactionCollection = c.enableTokens = true; },
         {"USER TRANSACTION COL", "ENABLE TOKENS"}},
        {setup::kRetrofit, [](CommonValues& c) { c.userTransactionCollection = true; }, {}},
    };
    for (const Case& c : cases) {
        CommonValues common = newProfileValues(c.code);
        c.set(common);
        QStringList columns;
        for (const Refusal& refusal : checkSavableCommon(common))
            columns << refusal.column;
        EXPECT_EQ(columns, c.columns) << c.code;
    }
}
