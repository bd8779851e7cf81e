// The editor shows an LG profile on its tab dialog, and Select turns it into
// the setup record.
#include "profile_editor_fixture.h"

#include "profiles/pages/gen2_advanced_dialog_rules.h"
#include "setup/profile_types.h"

#include <QLineEdit>
#include <QRadioButton>

#include <cstring>

namespace profiletest {
namespace {

TEST_F(ProfileEditorTest, AnLgDryerIsShownOnItsTabsAndSelected)
{
    profiles::Gen2AdvancedDialogRules rules(setup::kLg);
    rules.chooseKind(profiles::Gen2AdvancedDialogRules::Kind::Dryer);
    rules.prices().setMoneyText(profiles::Gen2AdvancedPriceRules::kRegDryer, "$1.50");
    // Stored as the editor saves them: each value in its column's kind.
    Columns columns = rules.columns();
    for (auto it = columns.begin(); it != columns.end(); ++it)
        *it = profiles::saveValue(*it, *profiles::columnKind(it.key()));
    addProfile("LG Dryer", setup::kLg, columns);
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    char name[31];
    whenEditorOpens([&](Editor& editor) {
        // Each type has its dialog; the LG one is shown.
        const QWidget& lg = child<QWidget>(editor, "gen2AdvancedDialog8");
        EXPECT_TRUE(lg.isVisible());
        EXPECT_TRUE(child<QRadioButton>(lg, "kind_3").isChecked()); // Dryer
        EXPECT_EQ(child<QLineEdit>(lg, "money_2").text(), "$1.50");
        click(editor, "updateButton");
    });
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    EXPECT_STREQ(name, "LG Dryer");
    EXPECT_EQ(record.card_type_code, 0xC5);
    EXPECT_EQ(record.vend_price, 30); // the regular dryer price in nickels
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
} // namespace profiletest
