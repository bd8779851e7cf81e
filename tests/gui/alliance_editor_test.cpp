// Alliance Quantum/ACA profiles in the profile editor: Update stops at a
// price the card cannot hold, and Select fills the host's record with the
// variant the product line picks.
#include "profile_editor_fixture.h"

#include "profiles/option_page_widget.h"
#include "profiles/pages/alliance_page_rules.h"

#include <cstring>

namespace profiletest {
namespace {

using R = profiles::AlliancePageRules;

QLineEdit& pageEdit(const Editor& editor, int control)
{
    for (QLineEdit* edit : editor.findChildren<QLineEdit*>())
        if (edit->property(profiles::kControlIdProperty) == QVariant(control))
            return *edit;
    throw std::runtime_error("no such page edit");
}

TEST_F(ProfileEditorTest, AllianceUpdateStopsAtABadPriceAndSelectFillsTheRecord)
{
    addProfile("ACA Dryer", 9,
               {{"ACA MACHINE", 1},
                {"MACHINE TYPE", 9},
                {"ACA TIER", 0},
                {"TEMP HIGH", 2},
                {"VEND PRICE", Currency::fromCents(125).toVariant()}});
    whenEditorOpens([&](Editor& editor) {
        trigger(editor, "editProfileAction");
        QLineEdit& vend = pageEdit(editor, R::kVendPriceControl);
        EXPECT_EQ(vend.text(), "$1.25");
        type(vend, "700");
        click(editor, "updateButton");
        ASSERT_EQ(script().messages().size(), 1u);
        EXPECT_EQ(script().messages()[0].caption, "Input Error");
        EXPECT_EQ(script().messages()[0].text, "Please enter a value between $0.00 and $655.35");
        script().clear();
        type(vend, "1.35");
        click(editor, "updateButton");
        click(editor, "exitButton");
    });
    profiles::manageProfiles();
    EXPECT_EQ(storedField("ACA Dryer", "VEND PRICE").value<Currency>(), Currency::fromCents(135));

    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    char name[31];
    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 0);
        click(editor, "updateButton");
    });
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    // The saved edit reaches the record; the page's bytes are tested headless.
    EXPECT_EQ(record.card_type_code, 0xC6);
    EXPECT_EQ(record.vend_price, 135);
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
} // namespace profiletest
