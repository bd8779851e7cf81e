// The Data Collection menu of Reader Manager: a new DC card, machines
// writing onto it, and the records table.
#include "reader_manager_fixture.h"

#include "card_holders_dialog.h"
#include "services/dialog_runner.h"
#include "small_screen.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>

#include <tuple>

namespace {

constexpr uint16_t kHostCustomer = 0x1234;

const QByteArray kRecordsFile = R"([
  {"family": 3, "machine_id": "WASH01", "location_id": "STORE9",
   "collected": "1999-12-05 09:30", "block": "0102"},
  {"family": 13, "machine_id": "Q2", "location_id": "",
   "collected": "2026-03-15 16:05"}
])";

class ReaderManagerDc : public ReaderManagerTest {
protected:
    void SetUp() override
    {
        window_ = makeWindow();
        window_->setCustomerId(kHostCustomer);
        ASSERT_TRUE(testfiles::write(recordsFile(), kRecordsFile));
    }

    readermanager::MainWindow& window() { return *window_; }
    QString readerCardFile() const { return QDir(dataFolder()).filePath("reader-card.lcard"); }
    QString recordsFile() const { return path("records.json"); }

    // The row's cells joined by "|".
    QString tableRow(int row) const
    {
        const auto* table = window_->findChild<QTableWidget*>("dcRecordsTable");
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : "<none>");
        return cells.join('|');
    }
    int tableRows() const
    {
        return window_->findChild<QTableWidget*>("dcRecordsTable")->rowCount();
    }

private:
    std::unique_ptr<readermanager::MainWindow> window_;
};

TEST_F(ReaderManagerDc, NewReaderCardFromTheMenuTakesMachineRecordsAndTheTableListsThem)
{
    window().action("newReaderDcCardAction")->trigger();
    EXPECT_EQ(onDisk(readerCardFile()).cardType(), 210);
    EXPECT_EQ(onDisk(readerCardFile()).custId(), kHostCustomer);
    EXPECT_EQ(shown(window(), "cardTypeLabel"), "Reader Data Collection Card (210)");
    expectBox("Card Created", "DONE: Reader Manager");

    ASSERT_TRUE(window().simulateMachines({0, 0, recordsFile()}));
    expectBox("2 machine records written onto the card.", "Simulate Machines");
    ASSERT_TRUE(window().simulateMachines({3, 7, {}}));
    expectBox("3 machine records written onto the card.", "Simulate Machines");
    EXPECT_EQ(shown(window(), "cardView"), card::cardToText(onDisk(readerCardFile())));

    ASSERT_TRUE(window().readDcCard());
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();
    EXPECT_TRUE(window().findChild<QWidget*>("dcRecordsPanel")->isVisibleTo(&window()));
    ASSERT_EQ(tableRows(), 5);
    EXPECT_EQ(tableRow(0), "WASH01|STORE9|1999-12-05 09:30|Washer (3)|no");
    EXPECT_EQ(tableRow(1), "Q2||2026-03-15 16:05|MDC/Quantum (13)|no");
    for (int row = 2; row < 5; ++row) {
        const QString machine = tableRow(row).section('|', 0, 0);
        EXPECT_TRUE(!machine.isEmpty() && !machine.endsWith(' ')) << machine.toStdString();
    }
    EXPECT_FALSE(card::isPowered());

    // Stored once, every record is marked and a second store skips them all.
    ASSERT_TRUE(window().storeDcRecords());
    expectBox("5 of the 5 records stored; 0 already stored and skipped.", "Store Records");
    EXPECT_EQ(tableRow(1), "Q2||2026-03-15 16:05|MDC/Quantum (13)|yes");
    ASSERT_TRUE(window().readDcCard());
    for (int row = 0; row < 5; ++row)
        EXPECT_TRUE(tableRow(row).endsWith("|yes")) << tableRow(row).toStdString();
    script().clear();
    ASSERT_TRUE(window().storeDcRecords());
    expectBox("0 of the 5 records stored; 5 already stored and skipped.", "Store Records");

    // A double-click opens the record's view.
    QString viewed;
    const auto previous = promptui::setDialogRunner([&](QDialog& dialog) {
        viewed = dialog.windowTitle();
        return 0;
    });
    auto* table = window().findChild<QTableWidget*>("dcRecordsTable");
    emit table->cellDoubleClicked(1, 0);
    EXPECT_EQ(viewed, "MDC/Quantum");
    promptui::setDialogRunner(previous);
}

TEST_F(ReaderManagerDc, CardHoldersAreAddedAndRemovedInTheirDialog)
{
    const auto previous = promptui::setDialogRunner([&](QDialog& dialog) {
        auto& holders = dynamic_cast<readermanager::CardHoldersDialog&>(dialog);
        EXPECT_TRUE(fitsSmallScreen(holders));
        const auto set = [&](const char* name, const QString& text) {
            holders.findChild<QLineEdit*>(name)->setText(text);
        };
        set("serialEdit", "0A1B2C3D4E5F");
        set("accountEdit", "A1");
        set("lastNameEdit", "Lee");
        set("firstNameEdit", "Ann");
        EXPECT_TRUE(holders.addFromForm());
        set("serialEdit", "FF1B2C3D4E5F"); // the same card for the lookup
        set("accountEdit", "A2");
        set("lastNameEdit", "Other");
        set("firstNameEdit", "One");
        EXPECT_FALSE(holders.addFromForm());
        auto* table = holders.findChild<QTableWidget*>("cardHoldersTable");
        EXPECT_EQ(table->rowCount(), 1);
        table->selectRow(0);
        script().queueAnswer(promptui::IDNO);
        EXPECT_FALSE(holders.removeSelected());
        script().queueAnswer(promptui::IDYES);
        EXPECT_TRUE(holders.removeSelected());
        EXPECT_EQ(table->rowCount(), 0);
        return 0;
    });
    window().action("cardHoldersAction")->trigger();
    promptui::setDialogRunner(previous);
    const QStringList texts = script().messageTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains("already registered to account A1")) << texts[0].toStdString();
    EXPECT_EQ(script().messages()[1].caption, "CONFIRM: Reader Manager");
    EXPECT_EQ(texts[1], "Remove the card 0A1B2C3D4E5F of Lee,Ann?");
}

TEST_F(ReaderManagerDc, RefusedRecordsLeaveTheCardAndSayWhatWasRefused)
{
    // The first run's blank card is no DC card.
    const QString notJson = path("bad.json");
    ASSERT_TRUE(testfiles::write(notJson, "[{\"family\": 7}]"));
    // The last case runs on a DC card of the host that another host uses.
    const std::tuple<readermanager::MachineSimulation, uint16_t, QString> cases[] = {
        {{2, 1, {}},
         kHostCustomer,
         "The card in the reader refused the 2 machine records:\ncard does not take this "
         "machine's records"},
        {{0, 0, notJson},
         kHostCustomer,
         "The records file " + QDir::toNativeSeparators(notJson) + " was refused:\nrecord 1: "},
        {{1, 1, {}},
         0x9999,
         "The card in the reader refused the 1 machine record:\nDC card of another customer"},
    };
    for (const auto& [simulation, customer, message] : cases) {
        SCOPED_TRACE(message.toStdString());
        if (customer != kHostCustomer) {
            ASSERT_TRUE(window().createDcCard(readermanager::DcCardKind::Reader));
            script().clear();
        }
        const card::CardState before = onDisk(readerCardFile());
        window().setCustomerId(customer);
        EXPECT_FALSE(window().simulateMachines(simulation));
        expectBox(message, "ERROR: Reader Manager");
        EXPECT_EQ(onDisk(readerCardFile()), before);
        EXPECT_FALSE(card::isPowered());
    }
}

} // namespace
