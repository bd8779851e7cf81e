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

using namespace profiles;

TEST(CardLimits, MoneyBeyondTheCardsWordsIsRefusedNamingTheLargest)
{
    // Codes 5-14 keep their prices on their pages: the editor's are not written.
    const struct {
        int code;
        qint64 vendCents, topoffCents, maxDollars;
        const char* column; // nullptr: converts
        const char* largest;
    } cases[] = {
        {setup::kRetrofit, 65535, 0, 100, nullptr, ""},
        {setup::kRetrofit, 65536, 0, 100, "VEND PRICE", "$655.35"},
        {setup::kMaytagGen2, 100000, 0, 100, "VEND PRICE", "$655.35"},
        {setup::kTovan2000, 100, 65536, 100, "TOPOFF PRICE", "$655.35"},
        {setup::kTovan2000, 100, 0, 65536, "MAX CARD VALUE", "$65535.00"},
        {setup::kMaytagMarlin, 100000, 0, 100, nullptr, ""},
    };
    for (const auto& c : cases) {
        CommonValues common = newProfileValues(c.code);
        common.vendPrice = Currency::fromCents(c.vendCents);
        common.topoffPrice = Currency::fromCents(c.topoffCents);
        common.maxCardValue = Currency::fromDollars(c.maxDollars);
        const Check refused = checkCommonCardLimits(common);
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
    tovan.load({{"DRYER RUN TIME", 100}, {"HEAT TIME", 5}});
    EXPECT_EQ(tovan.checkCardLimits()->column, QStringLiteral("DRYER RUN TIME"));
}

TEST(SavableCommon, RefusesWhatEditModeClears)
{
    const struct {
        int code;
        bool clustering, checkLocation, userTransaction, tokens;
        QStringList columns;
    } cases[] = {
        {setup::kMaytagMarlin, true, true, true, true, {}},
        {setup::kMaytagMarlin, true, false, false, false, {"LOCATION CLUSTERING"}},
        {setup::kGeneric, true, true, false, false, {"LOCATION CLUSTERING"}},
        {setup::kTovan2000, false, true, true, true, {"USER TRANSACTION COL", "ENABLE TOKENS"}},
    };
    for (const auto& c : cases) {
        CommonValues common = newProfileValues(c.code);
        common.locationClustering = c.clustering;
        common.checkLocation = c.checkLocation;
        common.userTransactionCollection = c.userTransaction;
        common.enableTokens = c.tokens;
        QStringList columns;
        for (const Refusal& refusal : checkSavableCommon(common))
            columns << refusal.column;
        EXPECT_EQ(columns, c.columns) << c.code;
    }
}
