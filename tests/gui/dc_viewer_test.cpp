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
#include "small_screen.h"
#include "support/card_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtWidgets>

#include <algorithm>
#include <functional>

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
            EXPECT_TRUE(fitsSmallScreen(dialog));
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

// A record of the family and model; an Advanteck record's service card key
// is 0A1B2C3D4E.
GenericDCRec record(uint8_t family, uint8_t model)
{
    GenericDCRec r = machines::dcRecord(family, {0x99, 0x12, 0x31, 0x23, 0x59}, "WASH01", "STORE9");
    r.counters[family == 13 ? 26 : 57] = model;
    r.counters[12] = 5; // INT CASH of families 3 to 6: 5 cents
    r.counters[132] = 100;
    const uint8_t key[5] = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E};
    if (family == 8)
        std::copy(key, key + 5, &r.counters[22]);
    return r;
}

TEST_F(DcViewer, EachViewShowsItsCaptionValuesAndHiddenControls)
{
    const QString database = path("manager.mdb");
    QString error;
    ASSERT_TRUE(dbhelper::createDatabase(database, &error)) << error.toStdString();
    LaundryCardHolders holders;
    ASSERT_TRUE(holders.open(database) && holders.add("0A1B2C3D4E", "ACC1", "JANE", "DOE"))
        << holders.error().toStdString();
    systemdb::setDatabasePath(database);

    struct Case {
        GenericDCRec record;
        bool tokens;
        const char *caption, *control, *value;
        const char *hidden, *shown; // object names, separated by blanks
    };
    // One record a view: which controls the content shows is tested headless
    // (dc_view_content_test); here its widgets take it.
    const Case cases[] = {
        {record(3, 11), true, "View Laundry Data Collection Record", "intCashValue", "$0.05",
         "printButton", "doneButton counterDataGroup"},
        {record(3, 14), false, "Washer/Dryer", "moneyValue", "$1.00",
         "okButton tokenCyclesGroup tokensCollectedGroup elapsedCount8Value",
         "doneButton elapsedCount7Value"},
        {record(5, 10), false, "Stack Washer/Dryer", "dateValue", "12/31/99 23:59",
         "tokenCyclesGroup intTokensValue elpTokensLabel", "intCashValue"},
        {record(8, 0), true, "AdvanTech Audit Table Washer/Dryer", "servicePersonValue", "DOE,JANE",
         "okButton machineSerialLabel cumRevenueValue", "servicePersonLabel serviceSerialValue"},
        {record(13, 9), false, "MDC/Quantum", "machineValue", "WASH01    ", "tokensCollectedGroup",
         "generalGroup totalElpCashValue"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        cardcore::SetTokensEnabled(c.tokens);
        const Seen seen = open(c.record, c.record.record_family == 13 ? pressEscape : pressDone);
        EXPECT_EQ(seen.opened, 1);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.values.value(c.control, "<missing>"), c.value);
        for (const QString& name : QString(c.hidden).split(' ', Qt::SkipEmptyParts))
            EXPECT_TRUE(seen.hidden.contains(name)) << name.toStdString();
        for (const QString& name : QString(c.shown).split(' ', Qt::SkipEmptyParts))
            EXPECT_FALSE(seen.hidden.contains(name)) << name.toStdString();
        EXPECT_TRUE(seen.closed);
    }
    EXPECT_TRUE(script().messages().empty());
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
    for (const uint8_t family : {7, 12})
        EXPECT_EQ(open(record(family, 0), pressDone).opened, 0) << int(family);
    ShowLaundryDcViewer(nullptr);
    EXPECT_TRUE(script().messages().empty());
}

} // namespace
