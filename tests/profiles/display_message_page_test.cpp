#include "profiles/pages/display_message_page.h"

#include "platform/ui/checked_scripted_ui.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace profiles;
using Rules = DisplayMessagePageRules;

class DisplayMessagePageTest : public ::testing::Test {
protected:
    void open(int code)
    {
        page_ = std::make_unique<DisplayMessagePage>(code);
        page_->show();
        page_->activateWindow();
        QApplication::setActiveWindow(page_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(page_.get()));
    }

    template <class T> T* at(int controlId)
    {
        T* widget = qobject_cast<T*>(page_->control(controlId));
        EXPECT_NE(widget, nullptr) << controlId;
        return widget;
    }

    // Replaces the edit's text as typed, then moves the focus to `next`.
    void typeAndLeave(int controlId, const QString& text, int next = Rules::kIdIdleMessage)
    {
        QLineEdit* edit = at<QLineEdit>(controlId);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        page_->control(next)->setFocus();
    }

    bool hasFocus(int controlId)
    {
        return QApplication::focusWidget() == page_->control(controlId);
    }

    bool labelVisible(const QString& text)
    {
        for (const QLabel* label : page_->findChildren<QLabel*>())
            if (label->text() == text)
                return label->isVisible();
        ADD_FAILURE() << "no label " << text.toStdString();
        return false;
    }

    uitest::CheckedScriptedUi ui_;
    std::unique_ptr<DisplayMessagePage> page_;
};

TEST_F(DisplayMessagePageTest, ScrollSpeedOutOfRangeKeepsSliderAndReturnsFocus)
{
    open(Rules::kRetrofit);
    QSlider* slider = at<QSlider>(1184);
    slider->setValue(50);

    typeAndLeave(1032, "101");
    ASSERT_EQ(ui_->messages().size(), 1u);
    const ui::RecordedMessage& shown = ui_->messages()[0];
    EXPECT_EQ(shown.text, "Please enter a value from 0 to 100.");
    EXPECT_EQ(shown.caption, "Reader Manager");
    EXPECT_EQ(shown.flags, promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
    EXPECT_EQ(slider->value(), 50);
    EXPECT_TRUE(hasFocus(1032));

    ui_->clear();
    typeAndLeave(1032, "100");
    EXPECT_TRUE(ui_->messages().empty());
    EXPECT_EQ(slider->value(), 100);
    EXPECT_TRUE(hasFocus(Rules::kIdIdleMessage));
}

TEST_F(DisplayMessagePageTest, EveryNumberFieldRefusesOutOfRangeOnLeaving)
{
    // Each field is left for another number field: that field's own focus
    // loss while the focus goes back must not bring a second message.
    struct Field {
        int code;
        int control;
        int next;
        const char* bad;
        const char* good;
        const char* message;
    };
    const Field fields[] = {
        {Rules::kRetrofit, 1033, 1032, "100", "99",
         "Please enter a value for the Number of Pulses in the range of 0 to 99."},
        {Rules::kRetrofit, 1032, 1033, "", "0", "Please enter a value from 0 to 100."},
        {Rules::kElectromechanical, 1258, 1022, "101", "100", "Please Enter a value from 0 to 100"},
        {Rules::kElectromechanical, 1022, 1025, "200", "199",
         "Dryer run time ranges from 0 to 199."},
        {Rules::kElectromechanical, 1025, 1028, "200", "199",
         "Dryer heat time ranges from 0 to 199."},
        {Rules::kElectromechanical, 1028, 1258, "200", "199",
         "Dryer topoff time ranges from 0 to 199."},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.message);
        open(f.code);
        ui_->clear();
        typeAndLeave(f.control, f.bad, f.next);
        EXPECT_EQ(ui_->messageTexts(), QStringList{f.message});
        EXPECT_TRUE(hasFocus(f.control));

        ui_->clear();
        typeAndLeave(f.control, f.good);
        EXPECT_TRUE(ui_->messages().empty());
        EXPECT_FALSE(hasFocus(f.control));
    }
}

TEST_F(DisplayMessagePageTest, SliderMovesWriteTheEdit)
{
    open(Rules::kElectromechanical);
    QSlider* slider = at<QSlider>(1185);
    slider->setValue(37);
    EXPECT_EQ(at<QLineEdit>(1258)->text(), "37");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(at<QLineEdit>(1258)->text(), "38");
}

TEST_F(DisplayMessagePageTest, ShowsAndReadsBackTheRulesValues)
{
    open(Rules::kRetrofit);
    DisplayMessageValues& v = page_->displayRules().values();
    v.idleMessage = "WELCOME";
    v.busyMessage = "IN USE";
    v.displayIdle = true;
    v.displayPrice = false;
    v.scrollSpeed = 64;
    v.pulses = 3;
    v.deduction = 1;
    v.busyDisplayType = 1;
    page_->showValues();

    EXPECT_EQ(at<QLineEdit>(1009)->text(), "WELCOME");
    EXPECT_EQ(at<QLineEdit>(1010)->text(), "IN USE");
    EXPECT_TRUE(at<QAbstractButton>(1002)->isChecked());
    EXPECT_FALSE(at<QAbstractButton>(1003)->isChecked());
    EXPECT_EQ(at<QSlider>(1184)->value(), 64);
    EXPECT_EQ(at<QLineEdit>(1032)->text(), "64");
    EXPECT_EQ(at<QLineEdit>(1033)->text(), "3");
    EXPECT_EQ(at<QComboBox>(1038)->currentText(), "Count Down");
    EXPECT_TRUE(at<QRadioButton>(1333)->isChecked());

    at<QLineEdit>(1009)->setText("OPEN");
    at<QAbstractButton>(1003)->setChecked(true);
    at<QSlider>(1184)->setValue(12);
    at<QComboBox>(1038)->setCurrentIndex(2);
    at<QRadioButton>(1332)->setChecked(true);
    page_->readValues();

    EXPECT_EQ(v.idleMessage, "OPEN");
    EXPECT_EQ(v.busyMessage, "IN USE");
    EXPECT_TRUE(v.displayIdle);
    EXPECT_TRUE(v.displayPrice);
    EXPECT_EQ(v.scrollSpeed, 12);
    EXPECT_EQ(v.pulses, 3);
    EXPECT_EQ(v.deduction, 2);
    EXPECT_EQ(v.busyDisplayType, 0);
    EXPECT_EQ(at<QLineEdit>(1009)->maxLength(), 30);
    EXPECT_EQ(at<QLineEdit>(1010)->maxLength(), 30);
}

TEST_F(DisplayMessagePageTest, EachCodeShowsOnlyItsOwnFields)
{
    open(Rules::kRetrofit);
    EXPECT_TRUE(at<QLineEdit>(1033)->isVisible());
    EXPECT_TRUE(labelVisible("Number of Pulses"));
    EXPECT_FALSE(labelVisible("Dryer Run Time"));
    EXPECT_EQ(page_->control(1022), nullptr);
    EXPECT_EQ(page_->control(1185), nullptr);

    open(Rules::kElectromechanical);
    EXPECT_FALSE(labelVisible("Number of Pulses"));
    EXPECT_EQ(page_->control(1033), nullptr);
    EXPECT_EQ(page_->control(1184), nullptr);
    for (const char* label : {"Dryer Run Time", "Heat Time", "Top Off Time"})
        EXPECT_TRUE(labelVisible(label)) << label;
    for (int id : {1022, 1025, 1028, 1185, 1258})
        EXPECT_TRUE(page_->control(id)->isVisible()) << id;
    at<QLineEdit>(1025)->setText("40");
    page_->readValues();
    EXPECT_EQ(page_->displayRules().values().heatTime, 40);
}

} // namespace
