// The Reader Profile dialog's wiring: its menu, buttons, list, fields and
// pages reach the session, and the session's view, focus and choice reach the
// widgets and the entry points. The workflow itself is tested headless.
#include "profile_editor_fixture.h"

#include <QHeaderView>

#include <algorithm>

#include <cstring>

namespace profiletest {
namespace {

const auto focused = [](const QWidget& widget) { return QApplication::focusWidget() == &widget; };

TEST_F(ProfileEditorTest, ManagerEventsReachTheSessionAndItsViewTheWidgets)
{
    addProfile("Dryers", 0, {{"IDLE MESSAGE", "HELLO"}});
    addProfile("Marlin", 10, {{"ENABLE TOKENS", true}});
    script().queueAnswers({promptui::IDNO, promptui::IDYES, promptui::IDYES});
    whenEditorOpens([&](Editor& editor) {
        QApplication::setActiveWindow(&editor);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
        EXPECT_EQ(editor.windowTitle(), "Reader Profile Manager (List of Reader Setup Profiles) ");
        EXPECT_TRUE(focused(list(editor)));
        QLineEdit& name = edit(editor, "profileName");
        const auto idles = editor.findChildren<QLineEdit*>("idleMessageEdit"); // one a page
        QLineEdit& idle = **std::ranges::find_if(idles, &QWidget::isVisible);
        EXPECT_FALSE(idle.isEnabled());

        trigger(editor, "addProfileAction");
        EXPECT_FALSE(list(editor).isEnabled());
        EXPECT_TRUE(focused(name));
        type(name, "DRYERS");
        click(editor, "updateButton");
        EXPECT_EQ(name.selectedText(), "DRYERS") << "a refused name is selected";
        type(name, "Coin Op");
        type(edit(editor, "vendPrice"), "2.5");
        leave(edit(editor, "vendPrice"));
        EXPECT_EQ(edit(editor, "vendPrice").text(), "$2.50");
        type(idle, "Hi!");
        click(editor, "updateButton");
        EXPECT_TRUE(focused(idle)) << "a page refusal focuses its control";
        type(idle, "Hi");
        click(editor, "updateButton");
        EXPECT_EQ(listed(editor), QStringList({"Coin Op", "Dryers", "Marlin"}));
        EXPECT_TRUE(list(editor).topLevelItem(0)->isSelected());

        pickRow(editor, 2);
        QCheckBox& tokens = child<QCheckBox>(editor, "enableTokens");
        EXPECT_TRUE(tokens.isChecked() && !tokens.isEnabled());
        EXPECT_TRUE(edit(editor, "vendPrice").isHidden()) << "a Marlin page has its own prices";
        const QWidget* marlin = editor.findChild<QWidget*>("maytagDialog10");
        EXPECT_TRUE(marlin && marlin->isVisible()) << "the Marlin tab dialog";
        trigger(editor, "cloneProfileAction");
        EXPECT_EQ(name.text(), "");
        QTest::keyClick(&editor, Qt::Key_Escape); // No: the edit goes on, the dialog stays
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(script().messages().back().flags & promptui::MB_DEFBUTTON2,
                  unsigned(promptui::MB_DEFBUTTON2));
        EXPECT_FALSE(list(editor).isEnabled());
        click(editor, "cancelButton"); // Yes
        EXPECT_TRUE(list(editor).isEnabled());

        pickRow(editor, 1);

        trigger(editor, "deleteProfileAction"); // Yes
        emit list(editor).header()->sectionClicked(0);
        EXPECT_EQ(listed(editor), QStringList({"Coin Op", "Marlin"}));
        EXPECT_EQ(name.text(), "Coin Op");
        EXPECT_TRUE(list(editor).header()->isSortIndicatorShown());
        EXPECT_EQ(list(editor).header()->sortIndicatorOrder(), Qt::AscendingOrder);
        trigger(editor, "exitMenuAction");
        EXPECT_FALSE(editor.isVisible());
    });
    profiles::manageProfiles();
    EXPECT_EQ(storedNames(), QStringList({"Coin Op", "Marlin"}));
    EXPECT_EQ(storedField("Coin Op", "VEND PRICE").value<Currency>(), Currency::fromCents(250));
    EXPECT_EQ(storedField("Coin Op", "IDLE MESSAGE").toString(), "Hi");
}

TEST_F(ProfileEditorTest, EditsOfEveryCommonControlAreSaved)
{
    addProfile("Retro", 0);
    whenEditorOpens([&](Editor& editor) {
        trigger(editor, "editProfileAction");
        type(edit(editor, "topoffPrice"), "0.35");
        child<QComboBox>(editor, "typeSelector").setCurrentIndex(4); // Maytag Gen2 Advanced
        for (const char* box :
             {"enableTokens", "clearCounters", "userTransaction", "locationClustering"})
            child<QCheckBox>(editor, box).click();
        click(editor, "updateButton");
        click(editor, "exitButton");
    });
    profiles::manageProfiles();
    EXPECT_EQ(storedField("Retro", "PROFILE TYPE").toString(), "5");
    EXPECT_EQ(storedField("Retro", "TOPOFF PRICE").value<Currency>(), Currency::fromCents(35));
    for (const char* column : {"ENABLE TOKENS", "USER TRANSACTION COL", "LOCATION CLUSTERING"})
        EXPECT_TRUE(storedField("Retro", column).toBool()) << column;
    EXPECT_FALSE(storedField("Retro", "CLEAR COUNT").toBool());
}

TEST_F(ProfileEditorTest, SelectionHandsTheChoiceToTheEntryPoint)
{
    addProfile("Alpha", 0);
    addProfile("Bravo", 0, {{"VEND PRICE", Currency::fromCents(125).toVariant()}});
    STRUCT_laundry_setup record;
    std::memset(&record, 0x5A, sizeof record);
    const STRUCT_laundry_setup before = record;
    char name[31];
    whenEditorOpens([&](Editor& editor) {
        EXPECT_EQ(editor.windowTitle(), "Select Reader Profile from the list...");
        EXPECT_EQ(child<QPushButton>(editor, "updateButton").text(), "Select");
        EXPECT_EQ(listed(editor), QStringList({"Alpha", "Bravo"}));
        pickRow(editor, 1);
        click(editor, "cancelButton");
    });
    EXPECT_EQ(SelectLaundrySetupProfile(name, &record), 0);
    EXPECT_STREQ(name, "Bravo");
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);

    // The Select button's wiring is the Update button's; a double click has
    // its own, and follows a click, as the operator's does.
    whenEditorOpens([&](Editor& editor) {
        QWidget* rows = list(editor).viewport();
        const QPoint at = list(editor).visualItemRect(list(editor).topLevelItem(1)).center();
        QTest::mouseClick(rows, Qt::LeftButton, {}, at);
        QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        EXPECT_FALSE(editor.isVisible());
    });
    clear_laundry_setup_struct(&record);
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1);
    EXPECT_STREQ(name, "Bravo");
    EXPECT_EQ(record.vend_price, 125);
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
} // namespace profiletest
