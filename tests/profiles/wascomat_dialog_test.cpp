// The Wascomat dialog in the profile editor and on its own: it shows the
// stored profile, Select converts it, and a price the card cannot hold is
// refused when its edit is left.
#include "gui/profile_editor_fixture.h"
#include "page_widget_support.h"
#include "profiles/pages/wascomat_dialog.h"

#include <cstring>

namespace profiletest {
namespace {

using Rules = profiles::WascomatPageRules;

TEST_F(ProfileEditorTest, WascomatPageShowsItsProfileAndSelectFillsTheRecord)
{
    addProfile("Wasco", 11,
               {{"MACHINE TYPE", 1},
                {"PRICE1", Currency::fromCents(325).toVariant()},
                {"SPECIAL ADDER OPTION2", Currency::fromCents(40).toVariant()},
                {"SPEC PRICING", true},
                {"MONDAY", true},
                {"SPEC PRICE BEGIN", "6:30"},
                {"SPEC PRICE END", "21:45"}});
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    char name[31];
    whenEditorOpens([&](Editor& editor) {
        auto& page = child<profiles::WascomatDialog>(editor, "wascomatDialog");
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(child<QComboBox>(page, "machineType").currentText(), "Dryer");
        EXPECT_EQ(child<QLineEdit>(page, "price_0").text(), "$3.25");
        EXPECT_EQ(child<QLineEdit>(page, "special_17").text(), "$0.40");
        EXPECT_EQ(child<QLineEdit>(page, "endTime").text(), "21:45");
        pagetest::saveTabs(*page.tabs(), QStringLiteral("wascomat_editor"));
        click(editor, "updateButton");
    });
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    EXPECT_EQ(record.card_type_code, 200);
    EXPECT_EQ(record.machine_type, 9);
    EXPECT_EQ(record.wascomat_prices[0], 325);
    EXPECT_EQ(record.wascomat_adders[3], 40);
    EXPECT_EQ(record.spec_price_end, 21); // the rest of its bytes: the import's golden card
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(ProfileEditorTest, WascomatPriceTheCardCannotHoldIsRefusedOnLeavingIt)
{
    profiles::WascomatDialog page;
    page.setEditable(true);
    page.show();
    QApplication::setActiveWindow(&page);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    auto& special = child<QLineEdit>(page, "special_0");
    EXPECT_FALSE(special.isEnabled());
    child<QCheckBox>(page, "specPricing").setChecked(true);
    EXPECT_TRUE(special.isEnabled());
    pagetest::saveTabs(*page.tabs(), QStringLiteral("wascomat_editing"));

    auto& program4 = child<QLineEdit>(page, "price_3");
    program4.setFocus();
    type(program4, "655.36");
    child<QLineEdit>(page, "price_4").setFocus();
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_EQ(script().messages()[0].text, "Please enter a value between $0.00 and $655.35");
    EXPECT_EQ(script().messages()[0].caption, "Input Error");
    EXPECT_EQ(QApplication::focusWidget(), &program4);
    EXPECT_EQ(*page.rules().priceOf(Rules::kFirstRegularControl + 3), Currency::fromCents(200));

    type(program4, "4.5");
    child<QLineEdit>(page, "price_4").setFocus();
    EXPECT_EQ(program4.text(), "$4.50");
    EXPECT_EQ(script().messages().size(), 1u);
}

} // namespace
} // namespace profiletest
