#include "specials_fixture.h"

namespace {

using namespace specials;
using namespace specialstest;
using promptui::IDNO;
using promptui::IDYES;

constexpr char kEditing[] =
    "Data is currently being edited. Update or Cancel that data and try again";

class SpecialsSession : public SpecialsDbTest {
protected:
    // The session after the operator typed `change` into its fields.
    static void type(PriceSpecialsSession& s, const std::function<void(SpecialsFields&)>& change)
    {
        SpecialsFields f = s.view().fields;
        change(f);
        s.setFields(f);
    }
    static void addProfile(PriceSpecialsSession& s, const QString& name)
    {
        s.addProfile();
        type(s, [&](SpecialsFields& f) { f.name = name; });
        s.ok();
    }
};

SpecialsControls controls(bool profileFields, bool lists, bool entryFields, bool buttons,
                          const char* ok)
{
    SpecialsControls c;
    c.profileFieldsEnabled = profileFields;
    c.profileListEnabled = lists;
    c.entryFieldsEnabled = entryFields;
    c.entryListEnabled = lists;
    c.entryButtonsEnabled = buttons;
    c.createCardEnabled = buttons;
    c.okText = ok;
    return c;
}

TEST_F(SpecialsSession, EachStateEnablesItsControlsAndRefusesAnotherEdit)
{
    import(R"([{"name":"Evening","kind":"price","entries":[{"days":"SMTWTFS","price":"off"}]}])");
    PriceSpecialsSession& s = open(Mode::PriceSpecial);
    EXPECT_EQ(s.view().controls, controls(false, true, false, true, "OK"));

    s.editProfile();
    EXPECT_EQ(s.state(), EditState::ProfileEdit);
    EXPECT_EQ(s.view().controls, controls(true, false, false, false, "Update"));
    const std::function<void()> starts[] = {
        [&] { s.addProfile(); },      [&] { s.editProfile(); },    [&] { s.deleteProfile(); },
        [&] { s.addSpecial(); },      [&] { s.editSpecial(); },    [&] { s.deleteSpecial(); },
        [&] { s.createCard(false); }, [&] { s.createCard(true); },
    };
    for (const auto& start : starts)
        start();
    EXPECT_EQ(script().messageTexts(), QStringList(std::size(starts), kEditing));
    EXPECT_EQ(script().lastMessage()->caption, "ERROR: Reader Manager");
    s.cancel();
    EXPECT_EQ(s.state(), EditState::Idle);

    script().clear();
    s.editSpecial();
    EXPECT_EQ(s.state(), EditState::EntryEdit);
    SpecialsControls entry = controls(false, false, true, false, "Update");
    EXPECT_EQ(s.view().controls, entry) << "Machine Off and All Day: no price or time edit";
    s.choosePrice(false);
    s.chooseTime(false);
    entry.specialPriceEnabled = entry.timeEditsEnabled = true;
    EXPECT_EQ(s.view().controls, entry);
    s.addProfile();
    EXPECT_EQ(script().messageTexts(), QStringList{kEditing});
    s.cancel();
    s.cancel();
    EXPECT_EQ(s.closing(), PriceSpecialsSession::Closing::Rejected);
}

TEST_F(SpecialsSession, RightsWithholdCardsAndEditing)
{
    struct Case {
        Mode mode;
        std::vector<int> granted; // entries set to 1
        bool create;
        bool edit;
    } cases[] = {
        {Mode::PriceSpecial, {0}, true, true},      {Mode::DoorAccess, {0}, true, true},
        {Mode::PriceSpecial, {13}, true, false},    {Mode::PriceSpecial, {16}, false, true},
        {Mode::DoorAccess, {5}, true, false},       {Mode::DoorAccess, {9}, false, true},
        {Mode::DoorAccess, {13, 16}, false, false}, {Mode::PriceSpecial, {5, 9}, false, false},
    };
    for (const Case& c : cases) {
        int32_t block[kRightsEntries] = {};
        for (int entry : c.granted)
            block[entry] = 1;
        PriceSpecialsSession& s = open(c.mode, Rights::fromBlock(block, c.mode));
        EXPECT_EQ(s.view().controls.createCardEnabled, c.create);
        EXPECT_EQ(s.view().controls.entryButtonsEnabled, c.edit);
        EXPECT_EQ(s.view().controls.profileMenuEnabled, c.edit);
        s.addProfile(); // no profile yet: Edit would say so
        EXPECT_EQ(s.state() == EditState::Idle, !c.edit);
    }
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(SpecialsSession, ProfileCommitChecksTheName)
{
    import(R"([{"name":"Evening","kind":"price"},{"name":"Other","kind":"price"}])");
    const char* const input = "INPUT ERROR: Profile Data Edit";
    struct Case {
        bool adding;
        const char* name;
        const char* message; // null: stored
        const char* caption;
    } cases[] = {
        {true, "   ", "Please Enter a Profile Name.", "Reader Manager"},
        {true, "Bob's", "Profile name can't contain a ' character.", input},
        {true, "12\" Washer", "Profile name can't contain a \" character.", input},
        {true, "A|B", "Profile name can't contain a | character.", input},
        {true, "Other", "Duplicate Profile Name.\nMust be unique", input},
        {false, "Other", "Duplicate Profile Name.\nMust be unique", input},
        {false, "EVENING  ", nullptr, nullptr}, // its own name in another case
        {true, "Late Night", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        script().clear();
        PriceSpecialsSession& s = open(Mode::PriceSpecial);
        c.adding ? s.addProfile() : s.editProfile();
        type(s, [&](SpecialsFields& f) { f.name = c.name; });
        s.ok();
        if (c.message) {
            EXPECT_EQ(script().messageTexts(), QStringList{c.message});
            EXPECT_EQ(script().lastMessage()->caption, c.caption);
            EXPECT_EQ(s.state(), EditState::ProfileEdit) << "the input stays for correction";
            EXPECT_EQ(s.takeFocus(), SpecialsFocus::Name);
            EXPECT_EQ(s.view().fields.name, c.name);
        } else {
            EXPECT_TRUE(script().messages().empty());
            EXPECT_EQ(s.state(), EditState::Idle);
            EXPECT_EQ(s.profile().name, QString(c.name).trimmed());
        }
    }
    EXPECT_EQ(rows("PRICE PROFILES", {"PROFILE NAME"}),
              (QList<QStringList>{{"EVENING"}, {"Other"}, {"Late Night"}}));
}

TEST_F(SpecialsSession, NewDoorProfileAndEntryCarryNoPrices)
{
    PriceSpecialsSession& s = open(Mode::DoorAccess);
    addProfile(s, "Gate");
    s.addSpecial();
    type(s, [](SpecialsFields& f) {
        f.days[1] = f.days[5] = true;
        f.allDay = false;
        f.startTime = "7:00";
        f.stopTime = "9:30 PM";
    });
    s.ok();
    EXPECT_EQ(rows("PRICE PROFILES", {"PROFILE NAME", "VEND PRICE", "TOPOFF PRICE", "TOPOFF TIME"}),
              (QList<QStringList>{{"Gate", "$1.00", "$0.00", "-1"}}));
    EXPECT_EQ(rows("PRICE SPECIALS", {"DAYS", "SPECIAL PRICE", "START TIME", "STOP TIME"}),
              (QList<QStringList>{{" M   F ", "$0.00", "07:00", "21:30"}}));
    EXPECT_EQ(s.view().entryRows, (QList<QStringList>{{" M   F ", "07:00", "21:30", "1"}}));
    EXPECT_EQ(s.view().selectedEntry, 0);
    EXPECT_TRUE(open(Mode::PriceSpecial).view().profileRows.isEmpty())
        << "a door access profile is never listed as a price special";
}

TEST_F(SpecialsSession, EntryFieldsAreNormalisedWhenTaken)
{
    import(R"([{"name":"Evening","kind":"price"}])");
    struct Case {
        bool machineOff;
        const char* price;
        bool allDay;
        const char* start;
        const char* stop;
        QStringList shown; // price, start, stop
        bool shownAllDay;
    } cases[] = {
        {false, "1.5", false, "9:30 PM", "23:15", {"$1.50", "21:30", "23:15"}, false},
        {false, "0.75", false, "abc", "", {"$0.75", "00:00", "23:59"}, true},
        {true, "2.00", false, "08:00", "10:00", {"$0.00", "08:00", "10:00"}, false},
        {false, "x", true, "08:00", "10:00", {"$0.00", "00:00", "23:59"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        PriceSpecialsSession& s = open(Mode::PriceSpecial);
        s.addSpecial();
        type(s, [&](SpecialsFields& f) {
            f.machineOff = c.machineOff;
            f.specialPrice = c.price;
            f.allDay = c.allDay;
            f.startTime = c.start;
            f.stopTime = c.stop;
        });
        s.leaveField();
        const SpecialsFields& f = s.view().fields;
        EXPECT_EQ((QStringList{f.specialPrice, f.startTime, f.stopTime}), c.shown);
        EXPECT_EQ(f.allDay, c.shownAllDay);
        EXPECT_EQ(f.machineOff, c.shown[0] == "$0.00");
        s.ok();
        const QStringList row = s.view().entryRows.last();
        EXPECT_EQ((QStringList{row[0], row[2], row[3]}), c.shown);
    }
}

TEST_F(SpecialsSession, TopoffTimeRangeIsCheckedOnLeaving)
{
    import(R"([{"name":"Evening","kind":"price"}])");
    PriceSpecialsSession& s = open(Mode::PriceSpecial);
    s.editProfile();
    s.takeFocus();
    for (const char* minutes : {"100", "0", "101", "-1"}) {
        script().clear();
        type(s, [&](SpecialsFields& f) { f.topoffTime = minutes; });
        s.leaveTopoffTime();
        const bool refused = QByteArray(minutes) == "101" || QByteArray(minutes) == "-1";
        EXPECT_EQ(script().messageTexts(),
                  refused ? QStringList{"Please  enter an integer btween 0 and 100"}
                          : QStringList{})
            << minutes;
        if (refused) {
            EXPECT_EQ(script().lastMessage()->caption, "Invalid Number Entered");
        }
        EXPECT_EQ(s.takeFocus(), refused ? SpecialsFocus::TopoffTime : SpecialsFocus::None);
    }
}

TEST_F(SpecialsSession, TwentyThreeEntriesRefuseAnotherButStayEditable)
{
    QByteArray json = R"([{"name":"Full","kind":"door","entries":[)";
    for (int k = 0; k < kMaxEntries; ++k)
        json += QByteArray(k ? "," : "") + R"({"days":"S      "})";
    json += "]}]";
    import(json.constData());
    PriceSpecialsSession& s = open(Mode::DoorAccess);
    ASSERT_EQ(s.view().entryRows.size(), kMaxEntries);
    s.addSpecial();
    EXPECT_EQ(script().messageTexts(),
              QStringList{"The maximum number of special entries written to a card is limited "
                          "to 23. You can't add any more specials to the current profile."});
    EXPECT_EQ(s.state(), EditState::Idle);
    s.selectEntry(22);
    s.editSpecial();
    s.allDays();
    s.ok();
    EXPECT_EQ(s.view().entryRows[22][0], "SMTWTFS");
}

TEST_F(SpecialsSession, DeletingTheLastEntryMovesTheSelectionUp)
{
    import(R"([{"name":"Gate","kind":"door","entries":[{"days":"S      "},{"days":" M     "}]}])");
    PriceSpecialsSession& s = open(Mode::DoorAccess);
    s.selectEntry(1);
    script().queueAnswer(IDYES);
    s.deleteSpecial();
    EXPECT_EQ(script().messages().front().text,
              "Are you sure you want to delete the selected Time Restriction?");
    EXPECT_EQ(s.view().entryRows.size(), 1);
    EXPECT_EQ(s.view().selectedEntry, 0);
    script().queueAnswer(IDNO);
    s.deleteProfile();
    EXPECT_EQ(s.view().profileRows.size(), 1);
    script().queueAnswer(IDYES);
    s.deleteProfile();
    EXPECT_TRUE(s.view().profileRows.isEmpty());
    EXPECT_TRUE(rows("PRICE SPECIALS", {"DAYS"}).isEmpty()) << "its entries went with it";
}

TEST_F(SpecialsSession, ANameWithAnApostropheStaysOneName)
{
    import(R"([{"name":"O","kind":"door","entries":[{"days":"S      "}]}])");
    {
        // Stored by another program, past the dialog's checks.
        OpenTable table;
        ASSERT_EQ(table.open(databasePath(), "PRICE PROFILES"), OpenTable::Failure::None);
        table.recordset().AddNew();
        table.recordset().SetField("PROFILE NAME", "O' OR 'x'='x");
        table.recordset().SetField("TOPOFF TIME", -1);
        table.recordset().Update();
    }
    PriceSpecialsSession& s = open(Mode::DoorAccess);
    ASSERT_EQ(s.view().profileRows.size(), 2);
    s.selectProfile(1);
    EXPECT_EQ(s.profile().name, "O' OR 'x'='x");
    EXPECT_TRUE(s.view().entryRows.isEmpty()) << "no row of profile O";
    script().queueAnswer(IDYES);
    s.deleteProfile();
    EXPECT_EQ(rows("PRICE SPECIALS", {"PROFILE NAME"}), (QList<QStringList>{{"O"}}));
    EXPECT_EQ(rows("PRICE PROFILES", {"PROFILE NAME"}), (QList<QStringList>{{"O"}}));
}

TEST_F(SpecialsSession, HeaderClickSortsAndSelectsTheFirstRow)
{
    import(R"([{"name":"B","kind":"price","vend_price":"2.00"},
               {"name":"a","kind":"price","vend_price":"1.00"},
               {"name":"C","kind":"price","vend_price":"0.50"}])");
    PriceSpecialsSession& s = open(Mode::PriceSpecial);
    const auto names = [&s] {
        QStringList out;
        for (const QStringList& row : s.view().profileRows)
            out << row[0];
        return out;
    };
    s.selectProfile(2);
    s.sortBy(0);
    EXPECT_EQ(names(), (QStringList{"a", "B", "C"}));
    EXPECT_EQ(s.view().selectedProfile, 0);
    EXPECT_EQ(s.profile().name, "a");
    s.sortBy(0);
    EXPECT_EQ(names(), (QStringList{"C", "B", "a"}));
    s.sortBy(1);
    EXPECT_EQ(names(), (QStringList{"C", "a", "B"})) << "by the VEND PRICE text";
    EXPECT_EQ(s.profile().name, "C");
}

TEST_F(SpecialsSession, NoDatabaseNoDialog)
{
    systemdb::setDatabasePath(databasePath() + ".missing");
    const int32_t rights[kRightsEntries] = {1};
    EXPECT_EQ(ShowLaundryPriceSpecials(0x1234, rights, 1), 0);
    EXPECT_EQ(script().messageTexts(), QStringList{"Error loading database"});
    EXPECT_EQ(script().lastMessage()->caption, "manager.mdb error");
}

} // namespace
