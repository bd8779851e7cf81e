// The Reader Profile editor in both modes, through its entry points, over a
// real database.
#include "profile_editor_fixture.h"

#include "card/card_dump.h"
#include "card/card_images.h"
#include "services/cardcore.h"

#include <QMenuBar>

#include <cstring>

namespace profiletest {
namespace {

using promptui::IDNO;
using promptui::IDYES;
using promptui::MB_ICONEXCLAMATION;

constexpr char kManagerTitle[] = "Reader Profile Manager (List of Reader Setup Profiles) ";
constexpr char kDataEditCaption[] = "INPUT ERROR: Profile Data Edit";

QString textOf(const char* bytes, int size)
{
    return QString::fromLatin1(bytes, int(qstrnlen(bytes, size)));
}

TEST_F(ProfileEditorTest, ManagerAddsEditsAndClonesProfiles)
{
    addProfile("Dryers", 0, {{"IDLE MESSAGE", "HELLO"}});
    addProfile("Washers", 4);
    whenEditorOpens([&](Editor& editor) {
        EXPECT_EQ(editor.windowTitle(), kManagerTitle);
        EXPECT_EQ(child<QPushButton>(editor, "updateButton").text(), "Update");
        EXPECT_FALSE(child<QPushButton>(editor, "updateButton").isEnabled());
        EXPECT_EQ(column(editor, 0), QStringList({"Dryers", "Washers"}));
        EXPECT_EQ(column(editor, 1), QStringList({"Retrofit", "Maytag Gen2"}));
        EXPECT_EQ(column(editor, 2), QStringList({"HELLO", ""}));
        EXPECT_EQ(edit(editor, "profileName").text(), "Dryers");
        EXPECT_TRUE(edit(editor, "profileName").isReadOnly());

        trigger(editor, "addProfileAction");
        EXPECT_FALSE(list(editor).isEnabled());
        EXPECT_EQ(edit(editor, "profileName").text(), "");
        EXPECT_EQ(edit(editor, "maxCardValue").text(), "$100.00");
        EXPECT_EQ(edit(editor, "vendPrice").text(), "$1.00");
        type(edit(editor, "profileName"), "Coin Op");
        type(edit(editor, "vendPrice"), "2.5");
        leave(edit(editor, "vendPrice"));
        EXPECT_EQ(edit(editor, "vendPrice").text(), "$2.50");
        click(editor, "updateButton");
        EXPECT_EQ(column(editor, 0), QStringList({"Dryers", "Washers", "Coin Op"}));
        EXPECT_EQ(selectedRow(editor), 2);
        EXPECT_FALSE(child<QPushButton>(editor, "updateButton").isEnabled());
        EXPECT_TRUE(list(editor).isEnabled());

        // A second Edit before Update or Cancel is refused; the first goes on.
        trigger(editor, "editProfileAction");
        trigger(editor, "editProfileAction");
        type(edit(editor, "vendPrice"), "$1.75");
        click(editor, "updateButton");
        EXPECT_EQ(edit(editor, "vendPrice").text(), "$1.75");

        pickRow(editor, 1);
        EXPECT_EQ(edit(editor, "profileName").text(), "Washers");
        trigger(editor, "cloneProfileAction");
        EXPECT_EQ(edit(editor, "profileName").text(), "");
        type(edit(editor, "profileName"), "Washers 2");
        click(editor, "updateButton");
        EXPECT_EQ(edit(editor, "profileName").text(), "Washers 2");
    });
    profiles::manageProfiles();

    ASSERT_EQ(editorsOpened(), 1);
    ASSERT_EQ(script().messages().size(), 1u);
    EXPECT_EQ(script().messages()[0].text,
              "You are currently editing a profile, please press Update or Cancel first.");
    EXPECT_EQ(script().messages()[0].caption, "Cannot Edit Now");
    EXPECT_EQ(storedNames(), QStringList({"Coin Op", "Dryers", "Washers", "Washers 2"}));
    EXPECT_EQ(storedField("Coin Op", "VEND PRICE").value<Currency>(), Currency::fromCents(175));
    EXPECT_EQ(storedField("Coin Op", "PROFILE TYPE").toString(), "0");
    EXPECT_EQ(storedField("Washers 2", "PROFILE TYPE").toString(), "4");
}

TEST_F(ProfileEditorTest, DeleteAsksFirstAndAfterTheLastRowSelectsRowZero)
{
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        addProfile(name, 0);
    script().queueAnswers({IDNO, IDYES, IDYES});
    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 2);
        trigger(editor, "deleteProfileAction"); // No: kept
        EXPECT_EQ(list(editor).topLevelItemCount(), 3);

        trigger(editor, "editProfileAction");
        trigger(editor, "deleteProfileAction"); // refused while editing
        click(editor, "cancelButton");          // Yes: editing ends

        trigger(editor, "deleteProfileAction"); // Yes
        EXPECT_EQ(column(editor, 0), QStringList({"Alpha", "Bravo"}));
        EXPECT_EQ(selectedRow(editor), 0);
        EXPECT_EQ(edit(editor, "profileName").text(), "Alpha");
    });
    profiles::manageProfiles();

    EXPECT_EQ(script().messageTexts(),
              QStringList({"Are you sure you want to delete Charlie?",
                           "You are currently adding/modifying a user.\nPress update or cancel "
                           "before attempting to delete.",
                           "Do you really want to cancel and lose your changes?",
                           "Are you sure you want to delete Charlie?"}));
    EXPECT_EQ(script().messages()[1].caption, "Cannot Delete Now");
    EXPECT_EQ(storedNames(), QStringList({"Alpha", "Bravo"}));
}

TEST_F(ProfileEditorTest, SortingReloadsRowZeroAndASecondClickTurnsTheOrder)
{
    addProfile("Alpha", 4);
    addProfile("Bravo", 0);
    addProfile("Charlie", 2);
    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 1);
        clickHeader(editor, 0);
        clickHeader(editor, 0);
        EXPECT_EQ(column(editor, 0), QStringList({"Charlie", "Bravo", "Alpha"}));
        EXPECT_EQ(selectedRow(editor), 0);
        EXPECT_EQ(edit(editor, "profileName").text(), "Charlie");
        EXPECT_EQ(child<QComboBox>(editor, "typeSelector").currentText(), "Tovan2000");

        clickHeader(editor, 1); // by type name: Maytag Gen2, Retrofit, Tovan2000
        EXPECT_EQ(column(editor, 0), QStringList({"Alpha", "Bravo", "Charlie"}));
        EXPECT_EQ(edit(editor, "profileName").text(), "Alpha");
    });
    profiles::manageProfiles();
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join('|').toStdString();
}

TEST_F(ProfileEditorTest, NamesAreCheckedOnUpdate)
{
    addProfile("Dryers", 0);
    whenEditorOpens([&](Editor& editor) {
        QLineEdit& name = edit(editor, "profileName");
        trigger(editor, "addProfileAction");
        type(name, QString(31, 'N'));
        EXPECT_EQ(name.text(), QString(30, 'N'));

        for (const char* refused : {"DRYERS", "Bob's", "   "}) {
            type(name, refused);
            click(editor, "updateButton");
        }
        EXPECT_TRUE(child<QPushButton>(editor, "updateButton").isEnabled()) << "still adding";
        type(name, "Dryers 2  ");
        // The Retrofit page checks its messages after the name passed.
        QLineEdit& idle = visibleEdit(editor, "idleMessageEdit");
        type(idle, "Hi!");
        click(editor, "updateButton");
        EXPECT_FALSE(list(editor).isEnabled()) << "still adding";
        type(idle, "Hi");
        click(editor, "updateButton");

        // Its own name, in other letters, is no duplicate.
        pickRow(editor, 0);
        trigger(editor, "editProfileAction");
        type(name, "DRYERS");
        click(editor, "updateButton");
    });
    profiles::manageProfiles();

    EXPECT_EQ(script().messageTexts(),
              QStringList({" Duplicate Profile Name\n Must be unique",
                           "Profile name can't contain a ' character.",
                           " Empty Profile Name\n A unique profile name must be provided",
                           "The Idle message entered has an illegal character (!). Please change "
                           "message."}));
    for (size_t i = 0; i < 3 && i < script().messages().size(); ++i) {
        EXPECT_EQ(script().messages()[i].caption, kDataEditCaption);
        EXPECT_EQ(script().messages()[i].icon, MB_ICONEXCLAMATION);
    }
    EXPECT_EQ(storedNames(), QStringList({"DRYERS", "Dryers 2"}));
    EXPECT_EQ(storedField("Dryers 2", "IDLE MESSAGE").toString(), "Hi");
}

TEST_F(ProfileEditorTest, MaxCardValueIsWholeDollarsUpTo655)
{
    addProfile("Dryers", 0);
    whenEditorOpens([&](Editor& editor) {
        QLineEdit& max = edit(editor, "maxCardValue");
        trigger(editor, "editProfileAction");
        type(max, "$1234567");
        EXPECT_EQ(max.text(), "$123456");
        const std::pair<const char*, const char*> entries[] = {
            {"$12.50", "$12.00"}, {"$700", "$100.00"}, {"$0", "$100.00"}, {"25", "$25.00"}};
        for (const auto& [typed, shown] : entries) {
            type(max, typed);
            leave(max);
            EXPECT_EQ(max.text(), shown) << typed;
        }
        click(editor, "updateButton");
    });
    profiles::manageProfiles();

    const QString range = "Max Card Value must be greater than $0 and less than or equal to $655.";
    EXPECT_EQ(script().messageTexts(),
              QStringList({"Max Card Value must be a whole dollar amount. Truncating cents.", range,
                           range}));
    for (const ui::RecordedMessage& m : script().messages())
        EXPECT_EQ(m.caption, "ERROR: Reader Manager");
    EXPECT_EQ(storedField("Dryers", "MAX CARD VALUE").value<Currency>(), Currency::fromDollars(25));
}

TEST_F(ProfileEditorTest, EditModeEnablesTheCommonControlsByType)
{
    addProfile("Marlin", 10, {{"ENABLE TOKENS", true}});
    addProfile("Retro", 0, {{"ENABLE TOKENS", true}});
    script().queueAnswer(IDYES);
    whenEditorOpens([&](Editor& editor) {
        QCheckBox& tokens = child<QCheckBox>(editor, "enableTokens");
        QCheckBox& checkLocation = child<QCheckBox>(editor, "checkLocation");
        QCheckBox& clustering = child<QCheckBox>(editor, "locationClustering");
        QLineEdit& vend = edit(editor, "vendPrice");
        EXPECT_TRUE(tokens.isChecked());
        EXPECT_TRUE(vend.isHidden()) << "a Marlin page has its own prices";
        trigger(editor, "editProfileAction");
        EXPECT_TRUE(tokens.isEnabled());
        EXPECT_TRUE(clustering.isEnabled());
        checkLocation.click();
        EXPECT_FALSE(clustering.isEnabled());
        click(editor, "updateButton");

        pickRow(editor, 1);
        EXPECT_FALSE(vend.isHidden());
        trigger(editor, "editProfileAction");
        EXPECT_FALSE(tokens.isEnabled());
        EXPECT_FALSE(tokens.isChecked());
        EXPECT_FALSE(clustering.isEnabled());
        child<QComboBox>(editor, "typeSelector").setCurrentIndex(4); // Maytag Gen2 Advanced
        EXPECT_TRUE(vend.isHidden());
        EXPECT_TRUE(tokens.isEnabled());
        EXPECT_TRUE(clustering.isEnabled());
        click(editor, "cancelButton"); // Yes: the stored Retrofit profile again
        EXPECT_EQ(child<QComboBox>(editor, "typeSelector").currentText(), "Retrofit");
        EXPECT_FALSE(vend.isHidden());

        trigger(editor, "editProfileAction");
        click(editor, "updateButton");
    });
    profiles::manageProfiles();
    EXPECT_TRUE(storedField("Marlin", "ENABLE TOKENS").toBool());
    EXPECT_FALSE(storedField("Marlin", "LOCATION").toBool());
    EXPECT_FALSE(storedField("Retro", "ENABLE TOKENS").toBool());
    EXPECT_EQ(storedField("Retro", "PROFILE TYPE").toString(), "0");
}

TEST_F(ProfileEditorTest, TokensTheInstallationLacksAreNeitherShownNorWritten)
{
    cardcore::SetTokensEnabled(false);
    addProfile("Marlin", 10, {{"ENABLE TOKENS", true}});
    addProfile("Retro", 0, {{"ENABLE TOKENS", true}});
    whenEditorOpens([&](Editor& editor) {
        QCheckBox& tokens = child<QCheckBox>(editor, "enableTokens");
        EXPECT_TRUE(tokens.isHidden());
        EXPECT_FALSE(tokens.isChecked());
        trigger(editor, "editProfileAction");
        EXPECT_TRUE(tokens.isHidden());
        click(editor, "updateButton");
    });
    profiles::manageProfiles();
    EXPECT_FALSE(storedField("Marlin", "ENABLE TOKENS").toBool());

    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 1);
        click(editor, "updateButton");
    });
    STRUCT_laundry_setup record;
    clear_laundry_setup_struct(&record);
    record.enable_tokens = 7;
    QString name;
    ASSERT_EQ(profiles::selectProfile(name, record), 1);
    EXPECT_EQ(name, "Retro");
    EXPECT_EQ(record.enable_tokens, 0);
}

// --- Selection mode ------------------------------------------------------------

TEST_F(ProfileEditorTest, CancelChoosesNothingAndHandsBackTheHighlightedName)
{
    addProfile("Alpha", 0);
    addProfile("Bravo", 4);
    addProfile("Cycle", 3); // never listed
    whenEditorOpens([&](Editor& editor) {
        EXPECT_EQ(editor.windowTitle(), "Select Reader Profile from the list...");
        EXPECT_EQ(child<QPushButton>(editor, "updateButton").text(), "Select");
        EXPECT_EQ(editor.findChild<QMenuBar*>(), nullptr);
        EXPECT_EQ(column(editor, 0), QStringList({"Alpha", "Bravo"}));
        pickRow(editor, 1);
        click(editor, "cancelButton");
    });
    STRUCT_laundry_setup record;
    std::memset(&record, 0x5A, sizeof record);
    const STRUCT_laundry_setup before = record;
    char name[31];
    std::memset(name, 'x', sizeof name);

    EXPECT_EQ(SelectLaundrySetupProfile(name, &record), 0);
    EXPECT_STREQ(name, "Bravo");
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(ProfileEditorTest, SelectOverAnEmptyTableComplainsAndStaysOpen)
{
    whenEditorOpens([&](Editor& editor) {
        click(editor, "updateButton");
        EXPECT_TRUE(editor.isVisible());
        QTest::keyClick(&list(editor), Qt::Key_Space);
        EXPECT_TRUE(editor.isVisible());
    });
    STRUCT_laundry_setup record{};
    char name[31] = "untouched";
    EXPECT_EQ(SelectLaundrySetupProfile(name, &record), 0);
    EXPECT_STREQ(name, "");
    const QString noSelection =
        "No Profile Selected!\nYou must first select a profile from the list.";
    EXPECT_EQ(script().messageTexts(), QStringList({noSelection, noSelection}));
    EXPECT_EQ(script().messages()[0].caption, "INPUT ERROR: Profile Selection");
}

TEST_F(ProfileEditorTest, AMissingDatabaseOpensNoEditor)
{
    set_laundry_database_path(path("missing.mdb").toUtf8().constData());
    whenEditorOpens([](Editor&) {});
    STRUCT_laundry_setup record{};
    char name[31] = "untouched";
    EXPECT_EQ(SelectLaundrySetupProfile(name, &record), 0);
    ShowAndLoadLaundrySetupProfile();
    EXPECT_EQ(editorsOpened(), 0);
    EXPECT_STREQ(name, "untouched");
    EXPECT_EQ(script().messageTexts(),
              QStringList({"Error loading database", "Error loading database"}));
    EXPECT_EQ(script().messages()[0].caption, "manager.mdb error");
}

TEST_F(ProfileEditorTest, AChosenRetrofitProfileBecomesASetupCard)
{
    addProfile("Another", 4);
    addProfile("Lobby Dryers", 0,
               {{"VEND PRICE", Currency::fromCents(125).toVariant()},
                {"MAX CARD VALUE", Currency::fromDollars(50).toVariant()},
                {"IDLE MESSAGE", "WELCOME"},
                {"BUSY MESSAGE", "IN USE"},
                {"DISPLAY IDLE", true},
                {"DISPLAY PRICE", true},
                {"SCROLL SPEED", 40},
                {"PULSES", 3},
                {"DEDUCTION", 1},
                {"BUSY DISPLAY TYPE", 1}});
    whenEditorOpens([&](Editor& editor) {
        pickRow(editor, 1);
        QTest::keyClick(&list(editor), Qt::Key_Return);
        EXPECT_FALSE(editor.isVisible());
    });
    STRUCT_laundry_setup record;
    clear_laundry_setup_struct(&record);
    record.word_02 = 0x1234;
    char name[31] = {};
    ASSERT_EQ(SelectLaundrySetupProfile(name, &record), 1)
        << script().messageTexts().join('|').toStdString();
    EXPECT_STREQ(name, "Lobby Dryers");
    EXPECT_EQ(record.vend_price, 125);
    EXPECT_EQ(record.card_type_code, 0xB8);
    EXPECT_EQ(record.max_card_value, 50);
    EXPECT_EQ(record.pulses, 3);
    EXPECT_EQ(textOf(reinterpret_cast<const char*>(record.idle_message), 30), "WELCOME");

    const QString cardFile = path("card.lcard");
    ASSERT_EQ(card::createCardImageFile(cardFile, card::NewCardFileOptions{}), QString());
    QString error;
    ASSERT_TRUE(card::insertCardFile(cardFile, &error)) << error.toStdString();
    card::RexaCard image;
    ASSERT_EQ(create_laundry_setup_card(&image, 0x1234, &record, 0), 1);
    ASSERT_NE(script().lastMessage(), nullptr);
    EXPECT_EQ(script().lastMessage()->text, "Reader Setup Card Created");

    const card::CardState* written = card::insertedCard();
    ASSERT_NE(written, nullptr);
    EXPECT_EQ(written->cardType(), 0xB8);
    EXPECT_EQ(written->custId(), 0x1234);
    const std::vector<uint8_t>& data = written->files.at(0x2001);
    ASSERT_GE(data.size(), 130u);
    EXPECT_EQ(data[8], 0x00); // vend price, high byte first
    EXPECT_EQ(data[9], 125);
    EXPECT_EQ(data[10], 0x12); // customer id
    EXPECT_EQ(data[11], 0x34);
    EXPECT_EQ(textOf(reinterpret_cast<const char*>(&data[66]), 30), "WELCOME");
    EXPECT_EQ(data[126], 3);  // pulses
    EXPECT_EQ(data[127], 40); // scroll speed
    EXPECT_EQ(data[128], 0);  // max card value
    EXPECT_EQ(data[129], 50);
}

} // namespace
} // namespace profiletest
