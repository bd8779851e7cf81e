// The MDC and Manual Setup page widgets: the operator's clicks and typing
// reach the rules and the page shows what they answer.
#include "page_widget_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/pages/manual_setup_page.h"
#include "profiles/pages/mdc_page.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using pagetest::at;
using pagetest::showActive;
using Mdc = MdcPageRules;

TEST(MdcManualPageWidgets, CardTypeEditNeverHoldsAnInvalidText)
{
    ManualSetupPage page;
    auto* edit = at<QLineEdit>(page, ManualSetupPageRules::kCardTypeControl);
    edit->clear();
    QTest::keyClicks(edit, "1G");
    EXPECT_EQ(edit->text(), "1");
    QTest::keyClicks(edit, "Fc");
    EXPECT_EQ(edit->text(), "1F");
    page.readValues();
    EXPECT_EQ(page.rules().cardType(), 0x1F);
    page.rules().setCardType(10);
    page.showValues();
    EXPECT_EQ(edit->text(), "0a");
}

TEST(MdcManualPageWidgets, MdcChoicesFillTheListsAndALongCoolDownIsUndone)
{
    uitest::CheckedScriptedUi ui;
    MdcPage page;
    page.setEditable(true);
    showActive(page);
    at<QRadioButton>(page, Mdc::kTumblerControl)->click();
    at<QRadioButton>(page, Mdc::kCelsiusControl)->click();
    auto* low = at<QComboBox>(page, Mdc::kTemperatureControls[2]);
    EXPECT_EQ(low->currentText(), "71");
    EXPECT_EQ(low->count(), 20);

    auto* cycle = at<QComboBox>(page, Mdc::kCycleTimeControl);
    auto* coolDown = at<QComboBox>(page, Mdc::kCoolDownControl);
    cycle->setCurrentIndex(4); // 5 minutes
    coolDown->setFocus();
    coolDown->setCurrentIndex(5); // 6 minutes
    cycle->setFocus();
    ASSERT_EQ(ui->messages().size(), 1u);
    EXPECT_EQ(ui->messages()[0].caption, "Invalid Value Entered");
    EXPECT_EQ(coolDown->currentText(), "1"); // the tumbler's default
    EXPECT_EQ(QApplication::focusWidget(), coolDown);
}

} // namespace
