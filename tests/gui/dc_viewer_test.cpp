// ShowLaundryDcViewer opens the view of the record's family and model on
// real widgets: caption, values and what is hidden, and "Done" or Escape
// closes it.
#include "laundry/card_holders.h"
#include "laundry/dc_store.h"
#include "machines/dc_machine.h"
#include "services/cardcore.h"
#include "services/dao.h"
#include "services/dialog_runner.h"
#include "services/system_database.h"
#include "support/card_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtWidgets>

#include <algorithm>
#include <functional>
#include <tuple>

namespace {

struct Seen {
    int opened = 0;
    QString caption;
    QMap<QString, QString> values; // every value control's text
    QStringList hidden;            // objectNames of hidden labels, values, groups, buttons
    bool closed = false;
};

class DcViewer : public CardFixture {
protected:
    ~DcViewer() override
    {
        promptui::setDialogRunner({});
        systemdb::setDatabasePath({});
    }

    // Opens `record` through the export; the dialog that opens is read, then
    // closed by `close` as the operator would.
    Seen open(const GenericDCRec& record, const std::function<void(QDialog&)>& close)
    {
        Seen seen;
        promptui::setDialogRunner([&seen, close](QDialog& dialog) {
            dialog.show();
            ++seen.opened;
            seen.caption = dialog.windowTitle();
            for (QWidget* w : dialog.findChildren<QWidget*>()) {
                if (auto* value = qobject_cast<QLineEdit*>(w))
                    seen.values[w->objectName()] = value->text();
                if (!w->isVisibleTo(&dialog))
                    seen.hidden << w->objectName();
            }
            close(dialog);
            seen.closed = !dialog.isVisible();
            if (dialog.isVisible())
                dialog.reject();
            return dialog.result();
        });
        ShowLaundryDcViewer(&record);
        return seen;
    }

    static void pressDone(QDialog& dialog)
    {
        dialog.findChild<QPushButton*>("doneButton")->click();
    }
    static void pressEscape(QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }
};

GenericDCRec record(uint8_t family, uint8_t model)
{
    GenericDCRec r = machines::dcRecord(family, {0x99, 0x12, 0x31, 0x23, 0x59}, "WASH01", "STORE9");
    r.counters[family == 13 ? 26 : 57] = model;
    r.counters[12] = 5; // INT CASH of families 3 to 6: 5 cents
    r.counters[132] = 100;
    return r;
}

TEST_F(DcViewer, EachViewShowsItsCaptionValuesAndHiddenControls)
{
    struct Case {
        uint8_t family, model;
        bool tokens;
        const char* caption;
        const char* control;
        const char* value;
        QStringList hidden;
        QStringList shown;
    };
    const Case cases[] = {
        {3,
         11,
         true,
         "View Laundry Data Collection Record",
         "intCashValue",
         "$0.05",
         {"printButton"},
         {"doneButton", "counterDataGroup"}},
        {3,
         14,
         false,
         "Washer/Dryer",
         "moneyValue",
         "$1.00",
         {"okButton", "tokenCyclesGroup", "tokensCollectedGroup", "elapsedCount8Value"},
         {"doneButton", "elapsedCount7Value"}},
        {5,
         10,
         false,
         "Stack Washer/Dryer",
         "dateValue",
         "12/31/99 23:59",
         {"tokenCyclesGroup", "intTokensValue", "elpTokensLabel"},
         {"doneButton", "intCashValue"}},
        {5,
         10,
         true,
         "Stack Washer/Dryer",
         "elpMoneyValue",
         "$1.00",
         {},
         {"tokenCyclesGroup", "intTokensValue", "elpTokensLabel"}},
        {13,
         9,
         false,
         "MDC/Quantum",
         "machineValue",
         "WASH01    ",
         {"tokensCollectedGroup"},
         {"generalGroup", "totalElpCashValue"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        cardcore::SetTokensEnabled(c.tokens);
        const Seen seen = open(record(c.family, c.model), c.family == 13 ? pressEscape : pressDone);
        EXPECT_EQ(seen.opened, 1);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.values.value(c.control, "<missing>"), c.value);
        for (const QString& name : c.hidden)
            EXPECT_TRUE(seen.hidden.contains(name)) << name.toStdString();
        for (const QString& name : c.shown)
            EXPECT_FALSE(seen.hidden.contains(name)) << name.toStdString();
        EXPECT_TRUE(seen.closed);
    }
    EXPECT_TRUE(script().messages().empty());
}

TEST_F(DcViewer, AdvanteckNamesTheServicePersonOfARegisteredCard)
{
    const QString database = path("manager.mdb");
    QString error;
    ASSERT_TRUE(dbhelper::createDatabase(database, &error)) << error.toStdString();
    LaundryCardHolders holders;
    ASSERT_TRUE(holders.open(database)) << holders.error().toStdString();
    ASSERT_TRUE(holders.add("0A1B2C3D4E", "ACC1", "JANE", "DOE")) << holders.error().toStdString();
    systemdb::setDatabasePath(database);

    const std::tuple<uint8_t, const char*, bool> cases[] = {
        {0x0A, "DOE,JANE", true}, {0x0B, "UNKNOWN", true}, {0x00, "UNKNOWN", false}};
    for (const auto& [first, person, shown] : cases) {
        GenericDCRec r = record(8, 0);
        const uint8_t serial[5] = {first, 0x1B, 0x2C, 0x3D, 0x4E};
        std::copy(serial, serial + 5, &r.counters[22]);
        if (first == 0)
            std::fill(&r.counters[22], &r.counters[27], 0);
        const Seen seen = open(r, pressDone);
        EXPECT_EQ(seen.caption, "AdvanTech Audit Table Washer/Dryer");
        EXPECT_EQ(seen.values.value("servicePersonValue"), person);
        EXPECT_EQ(seen.values.value("intCashValue"), "$1.00");
        for (const char* name : {"serviceSerialLabel", "serviceSerialValue", "servicePersonLabel",
                                 "servicePersonValue"})
            EXPECT_EQ(!seen.hidden.contains(name), shown) << person << " " << name;
        for (const char* name : {"okButton", "machineSerialLabel", "cumRevenueValue"})
            EXPECT_TRUE(seen.hidden.contains(name)) << name;
        EXPECT_TRUE(seen.closed);
    }
}

TEST_F(DcViewer, AdvanteckWithoutTheSystemDatabaseShowsOnlyTheMessage)
{
    systemdb::setDatabasePath(path("missing.mdb"));
    EXPECT_EQ(open(record(8, 0), pressDone).opened, 0);
    ASSERT_NE(script().lastMessage(), nullptr);
    EXPECT_EQ(script().lastMessage()->text, "Cannot open Database.");
    EXPECT_EQ(script().lastMessage()->caption, "ERROR: Reader Manager");
    EXPECT_EQ(script().lastMessage()->icon, unsigned(promptui::MB_ICONERROR));
}

TEST_F(DcViewer, RecordsWithoutAViewOpenNothing)
{
    for (const uint8_t family : {0, 7, 9, 12, 14}) {
        EXPECT_EQ(open(record(family, 0), pressDone).opened, 0) << int(family);
    }
    ShowLaundryDcViewer(nullptr);
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
