#include "platform/ui/checked_scripted_ui.h"
#include "profiles/pages/cycle_setup_page.h"
#include "profiles/pages/gen2_page.h"
#include "profiles/pages/tovan2000_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace profiles;

// Shows the page in an active window, so focus changes send focus events.
template <typename Page> void showActive(Page& page)
{
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
}

template <typename T> T* controlOf(const OptionPageWidget& page, int id)
{
    T* widget = qobject_cast<T*>(page.control(id));
    EXPECT_NE(widget, nullptr) << "control " << id;
    return widget;
}

// Clicks a check box or radio button on its indicator and text (a layout may
// stretch the button beyond them, and the space right of the text takes no
// click).
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->sizeHint().width() / 2, button->height() / 2));
}

// Types into an edit that has the focus, then tabs out of it.
void typeAndLeave(QLineEdit* edit, const QString& text)
{
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

TEST(Tovan2000Page, LeavingTheRunTimeShowsTheHeatTime)
{
    uitest::CheckedScriptedUi ui;
    Tovan2000Page page;
    showActive(page);
    auto* run = controlOf<QLineEdit>(page, Tovan2000PageRules::kRunTimeControl);
    auto* heat = controlOf<QLineEdit>(page, Tovan2000PageRules::kHeatTimeControl);

    typeAndLeave(run, "45");
    EXPECT_EQ(heat->text(), "42");
    EXPECT_EQ(page.rules().runTime(), 45);
    EXPECT_TRUE(ui->messages().empty());

    typeAndLeave(run, "4x");
    ASSERT_EQ(ui->messages().size(), size_t(1));
    EXPECT_EQ(ui->messages()[0].text, "Please enter an integer.");
    EXPECT_EQ(QApplication::focusWidget(), run);
    EXPECT_EQ(heat->text(), "42");
}

TEST(Gen2Page, ClickingTheSelectedButtonSelectsTheOther)
{
    Gen2Page page;
    showActive(page);
    auto* washer = controlOf<QAbstractButton>(page, Gen2PageRules::kWasherControl);
    auto* dryer = controlOf<QAbstractButton>(page, Gen2PageRules::kDryerControl);
    ASSERT_TRUE(washer->isChecked());

    click(washer);
    EXPECT_FALSE(washer->isChecked());
    EXPECT_TRUE(dryer->isChecked());
    EXPECT_EQ(page.rules().machine(), Gen2PageRules::Machine::Dryer);

    click(dryer);
    EXPECT_TRUE(washer->isChecked());
    EXPECT_FALSE(dryer->isChecked());
    EXPECT_EQ(page.rules().machine(), Gen2PageRules::Machine::Washer);
}

TEST(Gen2Page, ARefusedTimeKeepsTheFocus)
{
    uitest::CheckedScriptedUi ui;
    Gen2Page page;
    showActive(page);
    auto* cycle = controlOf<QLineEdit>(page, Gen2PageRules::kCycleTimeControl);

    typeAndLeave(cycle, "61");
    ASSERT_EQ(ui->messages().size(), size_t(1));
    const ui::RecordedMessage& box = ui->messages()[0];
    EXPECT_EQ(box.text, "Please enter an integer between 0 and 60.");
    EXPECT_EQ(box.caption, "Reader Manager");
    EXPECT_EQ(box.icon, promptui::MB_ICONEXCLAMATION);
    EXPECT_EQ(QApplication::focusWidget(), cycle);
    EXPECT_EQ(page.rules().cycleTime(), 0);

    typeAndLeave(cycle, "60");
    EXPECT_EQ(ui->messages().size(), size_t(1));
    EXPECT_EQ(page.rules().cycleTime(), 60);
    EXPECT_NE(QApplication::focusWidget(), cycle);
}

TEST(CycleSetupPage, ChoosingAProgramRefreshesTheSteps)
{
    CycleSetupPage page;
    auto* combo = controlOf<QComboBox>(page, CycleSetupPageRules::kProgramControl);
    auto* soakA = controlOf<QLineEdit>(page, 1004);
    auto* soakB = controlOf<QLineEdit>(page, 1010);
    ASSERT_EQ(combo->count(), 8);
    EXPECT_EQ(soakA->text(), "00:00");
    EXPECT_EQ(controlOf<QLineEdit>(page, 1001)->text(), "06:30");

    combo->setCurrentIndex(6);
    EXPECT_EQ(soakA->text(), "04:00");
    EXPECT_EQ(soakB->text(), "00:00");
    combo->setCurrentIndex(7);
    EXPECT_EQ(soakA->text(), "00:00");
    EXPECT_EQ(soakB->text(), "04:00");
    EXPECT_EQ(page.rules().program(), 7);

    page.rules().reset();
    page.showValues();
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(soakB->text(), "00:00");
}

TEST(CycleSetupPage, ClickingTheCheckedBoxMovesTheCheck)
{
    CycleSetupPage page;
    showActive(page);
    auto* cold = controlOf<QAbstractButton>(page, CycleSetupPageRules::kColdControl);
    auto* warm = controlOf<QAbstractButton>(page, CycleSetupPageRules::kWarmControl);
    ASSERT_TRUE(cold->isChecked());
    ASSERT_FALSE(warm->isChecked());

    click(cold);
    EXPECT_FALSE(cold->isChecked());
    EXPECT_TRUE(warm->isChecked());
    EXPECT_FALSE(page.rules().cold());

    click(cold);
    EXPECT_TRUE(cold->isChecked());
    EXPECT_FALSE(warm->isChecked());

    click(cold);
    click(warm);
    EXPECT_TRUE(cold->isChecked());
    EXPECT_FALSE(warm->isChecked());
    EXPECT_TRUE(page.rules().cold());
}

} // namespace
