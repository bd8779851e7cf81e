// The Advantech dialog: the machine kind decides which controls take input,
// and the controls show and read back the setup bytes' choices.
// LAUNDRY_SCREENSHOT_DIR, when set, gets a picture of every tab.
#include "page_widget_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/pages/advantech_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

using namespace profiles;
using pagetest::at;
using Rules = AdvantechPageRules;

TEST(AdvantechDialog, TheMachineKindEnablesItsOwnControls)
{
    uitest::CheckedScriptedUi ui;
    AdvantechDialog dialog;
    ColumnValues columns = dialog.rules().columns();
    columns.insert("SETUP BYTE 1", 0x05);
    dialog.rules().load(columns);
    dialog.showValues();
    dialog.setEditable(true);
    const auto warmPrice = at<QLineEdit>(dialog, Rules::moneyFields()[Rules::kWarmPrice].control);
    const auto dryerPrice = at<QLineEdit>(dialog, Rules::moneyFields()[Rules::kDryerPrice].control);
    const auto topoffPrice =
        at<QLineEdit>(dialog, Rules::moneyFields()[Rules::kTopoffPrice].control);
    EXPECT_EQ(at<QComboBox>(dialog, Rules::kRinseControl)->currentText(), "WARM");
    EXPECT_EQ(at<QComboBox>(dialog, Rules::kFillControl)->currentText(), "FULL");
    EXPECT_TRUE(at<QCheckBox>(dialog, Rules::kSetupByte1Control)->isChecked());
    EXPECT_TRUE(warmPrice->isEnabled());
    EXPECT_FALSE(dryerPrice->isEnabled());

    at<QComboBox>(dialog, Rules::kFillControl)->setCurrentIndex(1);
    at<QRadioButton>(dialog, Rules::kDryerControl)->setChecked(true);
    EXPECT_FALSE(warmPrice->isEnabled());
    EXPECT_TRUE(dryerPrice->isEnabled());
    EXPECT_TRUE(topoffPrice->isEnabled());
    at<QCheckBox>(dialog, Rules::kDisableTopoffControl)->setChecked(true);
    EXPECT_FALSE(topoffPrice->isEnabled());

    // Back to a washer: the fill choice is read back into the setup byte.
    at<QRadioButton>(dialog, Rules::kWasherControl)->setChecked(true);
    dialog.readValues();
    EXPECT_EQ(dialog.rules().columns().value("SETUP BYTE 1").toInt(), 0x07);

    dialog.resize(640, 330);
    pagetest::saveTabs(*dialog.tabs(), QStringLiteral("advantech"));
}

} // namespace
