// The option page widgets: a refused field keeps the focus and the operator's
// clicks and choices reach the rules; each page shows and reads back its
// rules' values. The rules' own limits and texts are tested headless.
#include "page_widget_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/page_catalogue.h"
#include "profiles/pages/cycle_setup_page.h"
#include "profiles/pages/display_message_page.h"
#include "profiles/pages/gen2_page.h"
#include "profiles/pages/maytag_dialog_rules.h"
#include "profiles/pages/tovan2000_page.h"
#include "setup/profile_types.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace profiles;
using pagetest::at;
using pagetest::showActive;
using Display = DisplayMessagePageRules;

// Types into the field, then moves the focus to `next`.
void typeAndLeave(const OptionPageWidget& page, int field, const QString& text, int next)
{
    auto* edit = at<QLineEdit>(page, field);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, text);
    page.control(next)->setFocus();
}

bool hasFocus(const OptionPageWidget& page, int id)
{
    return QApplication::focusWidget() == page.control(id);
}

// On the indicator and text: the space right of the text takes no click.
void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->sizeHint().width() / 2, button->height() / 2));
}

TEST(OptionPageWidgets, ARefusedFieldKeepsTheFocusAndOneMessageIsShown)
{
    // Each field is left for another number field: that field's own focus
    // loss while the focus goes back must bring no second message.
    const struct {
        int code, field, next;
        const char *bad, *good, *message;
        int slider;
    } cases[] = {
        {Display::kRetrofit, 1033, 1032, "100", "99",
         "Please enter a value for the Number of Pulses in the range of 0 to 99.", 0},
        {Display::kElectromechanical, 1258, 1022, "", "7", "Please Enter a value from 0 to 100",
         1185},
        {setup::kMaytagGen2, Gen2PageRules::kCycleTimeControl, Gen2PageRules::kWashControl, "61",
         "60", "Please enter an integer between 0 and 60.", 0},
        {setup::kTovan2000, Tovan2000PageRules::kRunTimeControl,
         Tovan2000PageRules::kHeatTimeControl, "4x", "45", "Please enter an integer.", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        uitest::CheckedScriptedUi ui;
        const std::unique_ptr<OptionPageWidget> page(makePageWidget(c.code, nullptr));
        showActive(*page);
        if (c.slider)
            at<QSlider>(*page, c.slider)->setValue(50);
        typeAndLeave(*page, c.field, c.bad, c.next);
        ASSERT_EQ(ui->messageTexts(), QStringList{c.message});
        EXPECT_EQ(ui->messages()[0].caption, "Reader Manager");
        EXPECT_EQ(ui->messages()[0].flags, promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
        EXPECT_TRUE(hasFocus(*page, c.field));
        if (c.slider) {
            EXPECT_EQ(at<QSlider>(*page, c.slider)->value(), 50);
        }

        ui->clear();
        typeAndLeave(*page, c.field, c.good, c.next);
        EXPECT_TRUE(ui->messages().empty());
        EXPECT_TRUE(hasFocus(*page, c.next));
        if (c.slider) {
            EXPECT_EQ(at<QSlider>(*page, c.slider)->value(), QString(c.good).toInt());
        }
    }
}

TEST(OptionPageWidgets, DisplayMessagePageShowsAndReadsBackItsValues)
{
    // Each value unlike its default and unlike its neighbours of the same
    // kind: a control not shown, not read or read into another's place
    // does not give it back.
    DisplayMessagePage page(Display::kRetrofit);
    DisplayMessagePageRules& rules = page.displayRules();
    rules.values() = {"WELCOME", "IN USE", true, false, 20, 3, 2, 1}; // in member order
    const ColumnValues shown = rules.columns();
    page.showValues();
    EXPECT_EQ(at<QComboBox>(page, 1038)->currentText(), "Re-insert");
    EXPECT_EQ(at<QLineEdit>(page, 1009)->maxLength(), 30);
    at<QSlider>(page, 1184)->setValue(12);
    EXPECT_EQ(at<QLineEdit>(page, 1032)->text(), "12") << "the slider writes the edit";
    at<QSlider>(page, 1184)->setValue(20);
    rules.reset();
    page.readValues();
    EXPECT_EQ(rules.columns(), shown) << pagetest::describe(rules.columns());

    // The Electromechanical page has dryer times instead of pulses.
    DisplayMessagePage electro(Display::kElectromechanical);
    EXPECT_EQ(electro.control(1033), nullptr);
    at<QLineEdit>(electro, 1025)->setText("40");
    electro.readValues();
    EXPECT_EQ(electro.displayRules().values().heatTime, 40);
}

TEST(OptionPageWidgets, TheTovanAndGen2PagesShowWhatTheirRulesDecide)
{
    uitest::CheckedScriptedUi ui;
    Tovan2000Page tovan;
    showActive(tovan);
    typeAndLeave(tovan, Tovan2000PageRules::kRunTimeControl, "45",
                 Tovan2000PageRules::kTopoffTimeControl);
    EXPECT_EQ(at<QLineEdit>(tovan, Tovan2000PageRules::kHeatTimeControl)->text(), "42");

    Gen2Page gen2;
    showActive(gen2);
    auto* washer = at<QAbstractButton>(gen2, Gen2PageRules::kWasherControl);
    auto* dryer = at<QAbstractButton>(gen2, Gen2PageRules::kDryerControl);
    ASSERT_TRUE(washer->isChecked());
    click(washer); // the selected button hands the selection over
    EXPECT_TRUE(dryer->isChecked() && !washer->isChecked());
    EXPECT_EQ(gen2.rules().machine(), Gen2PageRules::Machine::Dryer);
    click(dryer);
    EXPECT_TRUE(washer->isChecked() && !dryer->isChecked());
}

TEST(OptionPageWidgets, TheCycleSetupPageFollowsItsProgramAndTemperature)
{
    CycleSetupPage page;
    showActive(page);
    auto* combo = at<QComboBox>(page, CycleSetupPageRules::kProgramControl);
    ASSERT_EQ(combo->count(), 8);
    EXPECT_EQ(at<QLineEdit>(page, 1001)->text(), "06:30");
    combo->setCurrentIndex(6);
    EXPECT_EQ(at<QLineEdit>(page, 1004)->text(), "04:00"); // Module A Soak
    EXPECT_EQ(page.rules().program(), 6);

    auto* cold = at<QAbstractButton>(page, CycleSetupPageRules::kColdControl);
    auto* warm = at<QAbstractButton>(page, CycleSetupPageRules::kWarmControl);
    click(cold); // the checked box: the check moves
    EXPECT_TRUE(warm->isChecked() && !cold->isChecked());
    EXPECT_FALSE(page.rules().cold());
}

} // namespace

TEST(OptionPageWidgets, TheMaytagDialogChecksPricesAgainstTheCoinValue)
{
    uitest::CheckedScriptedUi ui;
    using Price = MaytagPricePageRules;
    const auto& fields = Price::moneyFields();
    const std::unique_ptr<OptionPageWidget> page(makePageWidget(setup::kMaytagMarlin, nullptr));
    page->setEditable(true);
    showActive(*page);
    typeAndLeave(*page, fields[Price::kCoin1].control, "0.25", fields[Price::kNormal].control);
    typeAndLeave(*page, fields[Price::kNormal].control, "1.60", fields[Price::kDelicate].control);
    ASSERT_EQ(ui->messageTexts(), QStringList{"Please enter a currency multiple of $0.25"});
    EXPECT_EQ(ui->messages()[0].caption, "Input Error");
    EXPECT_TRUE(hasFocus(*page, fields[Price::kNormal].control));
    // The special prices wait for Enable Special Pricing.
    EXPECT_FALSE(page->control(fields[Price::kSpecNormal].control)->isEnabled());
    click(at<QAbstractButton>(*page, Price::kSpecPricingControl));
    EXPECT_TRUE(page->control(fields[Price::kSpecNormal].control)->isEnabled());
    EXPECT_TRUE(page->control(MaytagOptionsPageRules::kFirstBoxControls[0])->isEnabled());
    page->setEditable(false);
    EXPECT_FALSE(page->control(fields[Price::kSpecNormal].control)->isEnabled());
}

TEST(OptionPageWidgets, TheMhn33DialogShowsAndReadsBackItsValues)
{
    using Price = MaytagPricePageRules;
    const std::unique_ptr<OptionPageWidget> page(makePageWidget(setup::kMaytagMhn33, nullptr));
    auto& rules = static_cast<MaytagDialogRules&>(page->rules());
    EXPECT_FALSE(
        page->control(Price::moneyFields()[Price::kSoilLevel].control)->isVisibleTo(page.get()));
    rules.load({{"TOP SPIN SPEED", "992"},
                {"POSITION", "64"},
                {"SPEC PRICE BEGIN", "1 PM"},
                {"WATER LEVEL", 1},
                {"SETUP BYTE 2", 0x92}});
    const ColumnValues loaded = rules.columns();
    page->showValues();
    EXPECT_EQ(at<QComboBox>(*page, MaytagOptionsPageRules::kSpinSpeedControl)->currentText(),
              "992");
    EXPECT_EQ(at<QComboBox>(*page, MaytagOptionsPageRules::kPositionControl)->currentText(), "64");
    rules.reset();
    page->readValues();
    EXPECT_EQ(rules.columns(), loaded) << pagetest::describe(rules.columns());
}
