// The Gen2 Advanced and LG tab dialog: the operator's clicks and typing reach
// the rules, and the tabs show what they answer.
#include "page_widget_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/pages/gen2_advanced_dialog.h"
#include "setup/profile_types.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using pagetest::at;
using pagetest::showActive;
using Features = Gen2AdvancedFeaturesRules;
using Prices = Gen2AdvancedPriceRules;
using Machine = Gen2AdvancedMachineRules;

int control(Features::Switch s)
{
    return Features::switches()[size_t(s)].control;
}

TEST(Gen2AdvancedWidgets, FeatureClicksFollowTheRulesAndADryerGreysSuperCycles)
{
    uitest::CheckedScriptedUi ui;
    Gen2AdvancedDialog page(setup::kMaytagGen2Advanced);
    page.setEditable(true);
    showActive(page);
    EXPECT_TRUE(at<QCheckBox>(page, control(Features::kEnhancedDebit))->isChecked());
    page.tabs()->setCurrentIndex(1);
    at<QCheckBox>(page, control(Features::kSuperCycle))->click();
    auto* cyclePricing = at<QCheckBox>(page, control(Features::kCyclePricing));
    cyclePricing->click();
    EXPECT_FALSE(cyclePricing->isChecked());
    ASSERT_EQ(ui->messages().size(), 1u);

    // Tokens from the editor grey Cycle Based Pricing.
    page.rules().setTokens(true);
    page.showValues();
    EXPECT_FALSE(cyclePricing->isEnabled());

    // The wash length typed on the Washer/Dryer tab is the one Suds Detect checks.
    page.tabs()->setCurrentIndex(0);
    auto* wash = at<QLineEdit>(page, Machine::numberFields()[Machine::kWash].control);
    wash->setText("9");
    page.tabs()->setCurrentIndex(1);
    at<QCheckBox>(page, control(Features::kSudsDetect))->click();
    EXPECT_EQ(ui->lastMessage()->caption, "Gen2 Data Error Warning");

    page.tabs()->setCurrentIndex(0);
    at<QRadioButton>(page, Machine::kKindControls[3])->click(); // Dryer
    EXPECT_FALSE(at<QCheckBox>(page, control(Features::kSuperCycle))->isChecked());
    EXPECT_FALSE(at<QCheckBox>(page, control(Features::kSuperCycle))->isEnabled());
    EXPECT_FALSE(wash->isEnabled());
}

TEST(Gen2AdvancedWidgets, AVendPriceIsCheckedWhenTheFieldIsLeft)
{
    uitest::CheckedScriptedUi ui;
    Gen2AdvancedDialog page(setup::kLg);
    page.setEditable(true);
    showActive(page);
    page.tabs()->setCurrentIndex(3);
    auto* vend = at<QLineEdit>(page, Prices::moneyFields()[Prices::kVend].control);
    auto* coin1 = at<QLineEdit>(page, Prices::moneyFields()[Prices::kCoin1].control);
    for (const auto& [typed, refused] : {std::pair{"1.23", true}, {"1.25", false}}) {
        vend->setFocus();
        vend->setText(QLatin1String(typed));
        coin1->setFocus();
        EXPECT_EQ(QApplication::focusWidget(), refused ? vend : coin1) << typed;
    }
    ASSERT_EQ(ui->messages().size(), 1u);
    EXPECT_EQ(ui->messages()[0].caption, "Invalid Number Entered");
    EXPECT_EQ(vend->text(), "$1.25");
    // A refusal on Update puts the focus on its field, on whatever tab.
    page.tabs()->setCurrentIndex(0);
    page.focusControl(Prices::moneyFields()[Prices::kVend].control);
    EXPECT_EQ(page.tabs()->currentIndex(), 3);
    EXPECT_EQ(QApplication::focusWidget(), vend);
    // LG has no stack and one Coin2/TopOff value.
    EXPECT_FALSE(at<QRadioButton>(page, Machine::kKindControls[2])->isVisible());
}

} // namespace
