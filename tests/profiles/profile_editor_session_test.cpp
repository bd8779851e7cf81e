// The profile editor's workflow without widgets: a session over a real
// database, the scripted prompt service answering for the operator.
#include "profile_db_fixture.h"

#include "profiles/editor_page_set.h"
#include "profiles/pages/display_message_page_rules.h"
#include "profiles/pages/gen2_advanced_dialog_rules.h"
#include "profiles/pages/maytag_dialog_rules.h"
#include "profiles/profile_editor_session.h"
#include "profiles/profile_rows.h"
#include "services/cardcore.h"
#include "setup/profile_types.h"
#include "setup/setup_record.h"

#include <cstring>

namespace {

using namespace profiles;
using promptui::IDNO;
using promptui::IDYES;
using Mode = ProfileEditorSession::Mode;
using Target = EditorFocus::Target;
using Text = EntryText;

class SessionTest : public profiletest::ProfileDbTest {
protected:
    ~SessionTest() override { cardcore::SetTokensEnabled(true); }

    ProfileEditorSession& open(Mode mode = Mode::Manager)
    {
        session_.reset();
        std::memset(&record_, 0, sizeof record_);
        setup::clearSetupRecord(record_);
        session_ = std::make_unique<ProfileEditorSession>(
            database().OpenRecordset(profileListQuery()), mode, pages_, &record_);
        session_->open();
        return *session_;
    }
    QStringList listed() const { return rowNames(session_->view().rows); }
    const EntryFields& entry() const { return session_->view().entry; }
    const ControlStates& controls() const { return session_->view().controls; }
    // The message boxes since the last call, as "caption: text".
    QStringList shown()
    {
        QStringList boxes;
        for (; seen_ < ui_->messages().size(); ++seen_)
            boxes << ui_->messages()[seen_].caption + ": " + ui_->messages()[seen_].text;
        return boxes;
    }

    PageRulesSet pages_;
    STRUCT_laundry_setup record_;
    std::unique_ptr<ProfileEditorSession> session_;
    size_t seen_ = 0;
};

const auto allOn = [](CommonValues& c) {
    c.enableTokens = c.userTransactionCollection = c.locationClustering = true;
};

TEST_F(SessionTest, OpensOnRowZeroInTheViewingStateOfItsMode)
{
    addProfile("Washers", setup::kMaytagGen2);
    addProfile("Dryers", setup::kRetrofit, {{"IDLE MESSAGE", "HELLO"}});
    addProfile("Cycle", setup::kTovan2000CycleSetup); // never listed
    for (const Mode mode : {Mode::Manager, Mode::Selection}) {
        const EditorView& view = open(mode).view();
        EXPECT_EQ(view.rows, QList<ProfileRow>({{"Dryers", "Retrofit", "HELLO", ""},
                                                {"Washers", "Maytag Gen2", "", ""}}));
        EXPECT_EQ(view.selectedRow, 0);
        EXPECT_EQ(view.entry, EntryFields({"Dryers", 0, "$1.00", "$0.00", "$100.00", false, true,
                                           true, false, false}));
        EXPECT_EQ(view.shownPage, setup::kRetrofit);
        ControlStates viewing;
        viewing.updateEnabled = viewing.cancelEnabled = mode == Mode::Selection;
        EXPECT_EQ(view.controls, viewing);
        EXPECT_EQ(session_->lastFocus().target, Target::List);
    }
}

// Names another window stored after the list was read, in other letter case:
// ASCII ones the table's index refuses, others the store's own look.
TEST_F(SessionTest, ANameStoredElsewhereMeanwhileIsRefusedInAnyCase)
{
    ProfileEditorSession& s = open();
    addProfile("Dryers", setup::kRetrofit);
    addProfile(QStringLiteral("Caf\u00e9"), setup::kRetrofit);
    for (const QString& name : {QStringLiteral("DRYERS"), QStringLiteral("CAF\u00c9")}) {
        s.add();
        s.typeText(Text::Name, name);
        s.updateOrSelect();
        EXPECT_TRUE(s.adding()) << name.toStdString();
        EXPECT_EQ(shown(), QStringList({"INPUT ERROR: Profile Data Edit:  Duplicate Profile "
                                        "Name\n Must be unique"}));
        s.typeText(Text::Name, name + " 2");
        s.updateOrSelect();
        EXPECT_FALSE(s.adding());
    }
    s.highlightRow(s.view().rows.size() - 1);
    s.edit(); // keeping its own name is no duplicate
    s.updateOrSelect();
    EXPECT_FALSE(s.editing());
    EXPECT_EQ(shown(), QStringList());
}

TEST_F(SessionTest, AddEditAndCloneSaveTheirRows)
{
    addProfile("Dryers", setup::kRetrofit, {{"IDLE MESSAGE", "HELLO"}});
    addProfile("Washers", setup::kMaytagGen2, {{"DRY", 45}});
    ProfileEditorSession& s = open();
    s.add();
    EXPECT_TRUE(s.adding());
    EXPECT_FALSE(controls().listEnabled || controls().nameReadOnly);
    EXPECT_EQ(entry(), EntryFields({"", 0, "$1.00", "$0.00", "$100.00", false, true, true}));
    EXPECT_EQ(s.lastFocus(), EditorFocus{Target::Name});
    s.typeText(Text::Name, "Coin Op");
    s.typeText(Text::VendPrice, "2.5");
    s.leavePrice(Text::VendPrice);
    EXPECT_EQ(entry().vendPrice, "$2.50");
    s.updateOrSelect();
    EXPECT_EQ(listed(), QStringList({"Coin Op", "Dryers", "Washers"})) << "in its sorted place";
    EXPECT_EQ(s.view().selectedRow, 0);
    EXPECT_FALSE(s.adding() || s.editing());
    EXPECT_TRUE(controls().listEnabled && !controls().updateEnabled);

    s.highlightRow(1);
    s.edit();
    s.edit(); // refused: the first goes on
    s.typeText(Text::VendPrice, "$1.75");
    s.highlightRow(1); // the row being edited: nothing reloads
    s.updateOrSelect();
    s.highlightRow(2);
    s.clone();
    EXPECT_EQ(entry().name, "");
    s.typeText(Text::Name, "Washers 2");
    s.updateOrSelect();
    EXPECT_EQ(entry().name, "Washers 2");

    EXPECT_EQ(shown(), QStringList{"Cannot Edit Now: You are currently editing a profile, please "
                                   "press Update or Cancel first."});
    EXPECT_EQ(stored("Coin Op").common.vendPrice, Currency::fromCents(250));
    const ProfileValues dryers = stored("Dryers");
    EXPECT_EQ(dryers.common.vendPrice, Currency::fromCents(175));
    EXPECT_EQ(textValue(dryers.columns, "IDLE MESSAGE"), "HELLO") << "Edit keeps its page";
    const ProfileValues clone = stored("Washers 2");
    EXPECT_EQ(clone.common.typeCode, setup::kMaytagGen2);
    EXPECT_EQ(intValue(clone.columns, "DRY"), 45) << "Clone keeps its page";
}

TEST_F(SessionTest, ActionsOnNoRowAreRefused)
{
    const struct {
        void (ProfileEditorSession::*action)();
        Mode mode;
        const char* box;
        unsigned icon;
    } cases[] = {
        {&ProfileEditorSession::edit, Mode::Manager,
         "ERROR: Reader Manager: No current record to edit", promptui::MB_ICONERROR},
        {&ProfileEditorSession::remove, Mode::Manager,
         "ERROR: Reader Manager: No current record found for deletion.", promptui::MB_ICONERROR},
        {&ProfileEditorSession::updateOrSelect, Mode::Selection,
         "INPUT ERROR: Profile Selection: No Profile Selected!\nYou must first select a profile "
         "from the list.",
         promptui::MB_ICONEXCLAMATION},
    };
    addProfile("Only", setup::kRetrofit);
    for (const auto& c : cases) {
        ProfileEditorSession& s = open(c.mode);
        s.highlightRow(-1);
        (s.*c.action)();
        EXPECT_EQ(shown(), QStringList{c.box});
        EXPECT_EQ(ui_->messages().back().flags, promptui::MB_OK | c.icon);
        EXPECT_FALSE(s.editing() || s.chosen());
    }
}

TEST_F(SessionTest, DeleteAndCancelAskFirst)
{
    for (const char* name : {"Alpha", "Bravo", "Charlie"})
        addProfile(name, setup::kRetrofit);
    ui_->queueAnswers({IDNO, IDNO, IDYES, IDYES, IDYES, IDYES});
    ProfileEditorSession& s = open();
    s.highlightRow(1);
    s.remove(); // No: kept
    s.edit();
    s.typeText(Text::Name, "Changed");
    s.changeType(setup::kMaytagGen2Advanced);
    s.remove(); // refused while editing
    s.cancel(); // No: editing goes on
    EXPECT_TRUE(s.editing());
    EXPECT_EQ(entry().name, "Changed");
    s.cancel(); // Yes: the stored profile again
    EXPECT_FALSE(s.editing());
    EXPECT_EQ(entry().name, "Bravo");
    EXPECT_EQ(s.view().shownPage, setup::kRetrofit);
    EXPECT_EQ(controls(), ControlStates{});
    const QString cancel = "Are you sure?: Do you really want to cancel and lose your changes?";
    for (const int question : {0, 2, 3}) // each defaults to No
        EXPECT_EQ(ui_->messages()[size_t(question)].flags,
                  promptui::MB_YESNO | promptui::MB_ICONQUESTION | promptui::MB_DEFBUTTON2);
    EXPECT_EQ(shown(), QStringList({"Are you sure?: Are you sure you want to delete Bravo?",
                                    "Cannot Delete Now: You are currently adding/modifying a "
                                    "user.\nPress update or cancel before attempting to delete.",
                                    cancel, cancel}));
    const std::pair<QStringList, const char*> afterDeletes[] = {
        {{"Alpha", "Charlie"}, "Charlie"}, // the next row takes the place
        {{"Alpha"}, "Alpha"},              // after the last row, row 0
        {{}, ""},
    };
    for (const auto& [rows, loaded] : afterDeletes) {
        s.remove(); // Yes
        EXPECT_EQ(listed(), rows);
        EXPECT_EQ(entry().name, loaded);
        EXPECT_EQ(s.view().selectedRow, rows.indexOf(loaded));
    }
    EXPECT_EQ(entry(), EntryFields({"", 0, "$1.00", "$0.00", "$0.00", false, true, true}));
    EXPECT_TRUE(openTable().names()->isEmpty());
}

TEST_F(SessionTest, SortingReloadsRowZeroAndASecondClickTurnsTheOrder)
{
    addProfile("Alpha", setup::kMaytagGen2);
    addProfile("bravo", setup::kRetrofit);
    addProfile("Charlie", setup::kTovan2000);
    ProfileEditorSession& s = open();
    s.highlightRow(1);
    s.sortBy(0);
    s.sortBy(0);
    EXPECT_EQ(listed(), QStringList({"Charlie", "bravo", "Alpha"}));
    EXPECT_EQ(entry().typeCode, setup::kTovan2000);
    s.add();
    s.typeText(Text::Name, "Beta");
    s.updateOrSelect();
    EXPECT_EQ(listed(), QStringList({"Charlie", "bravo", "Beta", "Alpha"})) << "its sorted place";
    EXPECT_EQ(s.view().selectedRow, 2);
    ui_->queueAnswers({IDYES});
    s.remove();
    s.sortBy(1); // by type name: Maytag Gen2, Retrofit, Tovan2000
    EXPECT_EQ(listed(), QStringList({"Alpha", "bravo", "Charlie"}));
    EXPECT_EQ(entry().name, "Alpha");
}

TEST_F(SessionTest, ALoadedProfileWithTokensGreysWhatTokensExclude)
{
    addProfile("Tokens Washer", setup::kMaytagGen2Advanced, {},
               [](CommonValues& c) { c.enableTokens = true; });
    open();
    const auto& page =
        static_cast<Gen2AdvancedDialogRules&>(*pages_.rules(setup::kMaytagGen2Advanced));
    EXPECT_FALSE(page.features().enabled(Gen2AdvancedFeaturesRules::kCyclePricing));
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(SessionTest, UpdateChecksTheNameThenThePage)
{
    addProfile("Dryers", setup::kRetrofit);
    ProfileEditorSession& s = open();
    s.add();
    for (const char* name : {"DRYERS", "Bob's", "   "}) {
        s.typeText(Text::Name, name);
        s.updateOrSelect();
        EXPECT_EQ(s.lastFocus(), (EditorFocus{Target::Name, true})) << name;
        EXPECT_EQ(ui_->messages().back().icon, promptui::MB_ICONEXCLAMATION);
    }
    const QString caption = "INPUT ERROR: Profile Data Edit: ";
    EXPECT_EQ(shown(), QStringList({caption + " Duplicate Profile Name\n Must be unique",
                                    caption + "Profile name can't contain a ' character.",
                                    caption + " Empty Profile Name\n A unique profile name must "
                                              "be provided"}));
    // The page checks its values once the name passed.
    auto& page = static_cast<DisplayMessagePageRules&>(*pages_.rules(setup::kRetrofit));
    s.typeText(Text::Name, "Dryers 2  ");
    page.values().idleMessage = "Hi!";
    s.updateOrSelect();
    EXPECT_EQ(shown(), QStringList{"Reader Manager: The Idle message entered has an illegal "
                                   "character (!). Please change message."});
    EXPECT_EQ(s.lastFocus(), (EditorFocus{Target::PageControl, true, setup::kRetrofit, 1009}));
    EXPECT_EQ(entry().name, "Dryers 2");
    EXPECT_TRUE(s.adding());
    page.values().idleMessage = "Hi";
    s.updateOrSelect();
    EXPECT_EQ(textValue(stored("Dryers 2").columns, "IDLE MESSAGE"), "Hi");

    s.highlightRow(0);
    s.edit();
    s.typeText(Text::Name, "DRYERS"); // its own name in other letters
    s.updateOrSelect();
    EXPECT_EQ(openTable().names(), QStringList({"DRYERS", "Dryers 2"}));
}

TEST_F(SessionTest, MaxCardValueIsWholeDollarsUpTo655OnLeaving)
{
    const QString cents = "ERROR: Reader Manager: Max Card Value must be a whole dollar amount. "
                          "Truncating cents.";
    const QString range = "ERROR: Reader Manager: Max Card Value must be greater than $0 and less "
                          "than or equal to $655.";
    const struct {
        const char *typed, *shown;
        QStringList boxes;
    } cases[] = {
        {"$12.50", "$12.00", {cents}}, {"$656", "$100.00", {range}},
        {"abc", "$100.00", {range}},   {"0.5", "$100.00", {cents, range}},
        {"$655", "$655.00", {}},       {"1", "$1.00", {}},
    };
    addProfile("Dryers", setup::kRetrofit);
    ProfileEditorSession& s = open();
    s.leaveMaxCardValue(); // viewing: no check
    s.edit();
    for (const auto& c : cases) {
        s.typeText(Text::MaxCardValue, c.typed);
        s.leaveMaxCardValue();
        EXPECT_EQ(entry().maxCardValue, c.shown) << c.typed;
        EXPECT_EQ(shown(), c.boxes) << c.typed;
    }
    s.updateOrSelect();
    EXPECT_EQ(stored("Dryers").common.maxCardValue, Currency::fromDollars(1));
}

// Text that is no amount of dollars and cents is refused with the reason and
// stays as typed, on leaving and on Update; it never reverts silently.
TEST_F(SessionTest, APriceThatIsNoAmountIsRefusedAndKept)
{
    const QString form = "Input Error: Please enter a valid currency value in the form 'dd.cc' "
                         "(dollars.cents)";
    addProfile("Retro", setup::kRetrofit);
    ProfileEditorSession& s = open();
    s.edit();
    for (const char* typed : {"abc", "-5", "1,50", "1.234"}) {
        s.typeText(Text::TopoffPrice, typed);
        s.leavePrice(Text::TopoffPrice);
        EXPECT_EQ(entry().topoffPrice, typed);
        EXPECT_EQ(shown(), QStringList{form}) << typed;
        EXPECT_EQ(s.lastFocus().target, Target::TopoffPrice);
    }
    s.updateOrSelect();
    EXPECT_EQ(shown(), QStringList{form});
    EXPECT_TRUE(s.editing());
    s.typeText(Text::TopoffPrice, "0.5");
    s.leavePrice(Text::TopoffPrice);
    EXPECT_EQ(entry().topoffPrice, "$0.50");
    s.updateOrSelect();
    EXPECT_EQ(stored("Retro").common.topoffPrice, Currency::fromCents(50));
}

TEST_F(SessionTest, PricesOfTypes5And8AreNickelsFrom5CentsTo995)
{
    const std::pair<const char*, const char*> entries[] = {
        {"$0.05", "$0.05"}, {"9.95", "$9.95"}, {"0", nullptr}, {"1.23", nullptr}, {"$10", nullptr}};
    addProfile("Retro", setup::kRetrofit);
    ProfileEditorSession& s = open();
    s.leavePrice(Text::VendPrice); // viewing: no check
    s.edit();
    for (const int code : {setup::kMaytagGen2Advanced, setup::kLg}) {
        s.changeType(code);
        for (const Text field : {Text::VendPrice, Text::TopoffPrice}) {
            for (const auto& [typed, accepted] : entries) {
                s.typeText(field, typed);
                s.leavePrice(field);
                EXPECT_EQ(field == Text::VendPrice ? entry().vendPrice : entry().topoffPrice,
                          accepted ? accepted : typed);
                if (accepted)
                    continue;
                EXPECT_EQ(shown(), QStringList{"Invalid Number Entered: Please  enter a currency "
                                               "multiple of Nickels.The range is $0.05 to $9.95"});
                EXPECT_EQ(s.lastFocus().target,
                          field == Text::VendPrice ? Target::VendPrice : Target::TopoffPrice);
            }
        }
    }
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(SessionTest, EditModeEnablesTheCommonControlsByType)
{
    const struct {
        int code;
        bool maxCard, tokens, userTransaction, prices, clustering;
    } cases[] = {
        {setup::kRetrofit, true, false, true, true, false},
        {setup::kTovan2000, false, false, false, true, false},
        {setup::kMaytagGen2Advanced, true, true, true, false, true},
    };
    addProfile("All on", setup::kMaytagMarlin, {}, allOn);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        ProfileEditorSession& s = open();
        s.edit();
        s.changeType(c.code);
        ControlStates editing{true,     false, true, false,        c.prices,          c.maxCard,
                              c.tokens, true,  true, c.clustering, c.userTransaction, true,
                              true,     c.code};
        EXPECT_EQ(controls(), editing);
        // A box that is disabled is cleared.
        EXPECT_EQ(entry().enableTokens, c.tokens);
        EXPECT_EQ(entry().userTransaction, c.userTransaction);
        EXPECT_EQ(entry().locationClustering, c.clustering);
        EXPECT_EQ(s.view().shownPage, c.code);
        s.tick(EntryBox::CheckLocation, false);
        EXPECT_FALSE(controls().locationClusteringEnabled || entry().locationClustering);
    }
}

TEST_F(SessionTest, WithoutTokensInTheInstallationNoneAreSavedOrConverted)
{
    cardcore::SetTokensEnabled(false);
    addProfile("Marlin", setup::kMaytagMarlin, {}, allOn);
    ProfileEditorSession& lacking = open();
    EXPECT_FALSE(lacking.view().tokensShown || entry().enableTokens);
    lacking.edit();
    lacking.updateOrSelect();
    EXPECT_FALSE(stored("Marlin").common.enableTokens);
    ProfileEditorSession& select = open(Mode::Selection);
    select.highlightRow(0);
    select.updateOrSelect();
    EXPECT_TRUE(select.chosen());
    EXPECT_EQ(record_.enable_tokens, 0);
}

} // namespace

TEST_F(SessionTest, UpdateRefusesAPriceTheCardCannotHoldAndMaytagFieldsTwice)
{
    addProfile("Retro", setup::kRetrofit);
    addProfile("Marlin", setup::kMaytagMarlin);
    ProfileEditorSession& s = open();
    s.highlightRow(1);
    s.edit();
    s.typeText(Text::VendPrice, "655.36");
    s.leavePrice(Text::VendPrice);
    s.updateOrSelect();
    EXPECT_EQ(shown(), QStringList{"Reader Manager: A Vend Price of $655.36 is more than a setup "
                                   "card holds: the largest is $655.35."});
    EXPECT_EQ(s.lastFocus().target, Target::VendPrice);
    s.typeText(Text::VendPrice, "655.35");
    s.leavePrice(Text::VendPrice);
    s.updateOrSelect();
    EXPECT_EQ(stored("Retro").common.vendPrice, Currency::fromCents(65535));

    // A Marlin field refused on Update: its message, then the dialog's.
    s.highlightRow(0);
    s.edit();
    auto* marlin = static_cast<MaytagDialogRules*>(pages_.rules(setup::kMaytagMarlin));
    marlin->prices().setMoneyText(MaytagPricePageRules::kNormal, "1.23");
    marlin->prices().setMoneyText(MaytagPricePageRules::kCoin1, "0.25");
    s.updateOrSelect();
    EXPECT_EQ(shown(), QStringList({"Input Error: Please enter a currency multiple of $0.25",
                                    "Reader Manager: One or more data items is invalid and must be "
                                    "corrected before profile can be saved."}));
    EXPECT_EQ(s.lastFocus().control, MaytagPricePageRules::moneyFields()[1].control);
}
