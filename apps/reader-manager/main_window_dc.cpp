// The Data Collection menu: new DC cards, machines filling the card in the
// reader, and the records read back into the window's table.
#include "card/card_images.h"
#include "card/card_status.h"
#include "card/virtual_reader.h"
#include "card_holders_dialog.h"
#include "dc_records_panel.h"
#include "host_messages.h"
#include "laundry/card_holders.h"
#include "laundry/dc_cards.h"
#include "laundry/dc_store.h"
#include "machines/dc_simulation.h"
#include "main_window.h"
#include "services/dialog_runner.h"
#include "services/readerio.h"
#include "shown_path.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QScreen>

namespace readermanager {
namespace {

const QString kRecordsFileFilter = QStringLiteral("Records files (*.json);;All files (*)");

// The card powered while the machines write onto it, off again on every path.
class CardPower {
public:
    CardPower() : on_(readerio::PowerCard(readerio::POWER_ON)) {}
    ~CardPower()
    {
        if (on_)
            readerio::PowerCard(readerio::POWER_OFF);
    }
    CardPower(const CardPower&) = delete;
    CardPower& operator=(const CardPower&) = delete;

private:
    bool on_;
};

QString machineRecords(int count)
{
    return count == 1 ? MainWindow::tr("1 machine record")
                      : MainWindow::tr("%1 machine records").arg(count);
}

} // namespace

bool MainWindow::createDcCard(DcCardKind kind)
{
    using Creator = uint8_t (*)(uint16_t, uint32_t);
    static constexpr Creator kCreators[] = {create_laundry_dc_card, create_complex_laundry_dc_card,
                                            create_laundry_manual_dc_card, create_adv_dc_card};
    // The library asks, reports and shows its progress itself.
    const bool created = kCreators[int(kind)](customerId(), 0) == 1;
    refreshCard();
    return report(created, tr("The card in the reader is an empty data collection card."),
                  tr("No data collection card made."));
}

std::optional<std::vector<GenericDCRec>>
MainWindow::simulatedRecords(const MachineSimulation& simulation)
{
    if (simulation.recordsFile.isEmpty())
        return machines::randomRecords(card::insertedCard()->cardType(), simulation.machines,
                                       simulation.seed, QDate::currentDate());
    const QString shown = shownPath(simulation.recordsFile);
    QFile file(simulation.recordsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(tr("Could not open the records file %1:\n%2").arg(shown, file.errorString()));
        return std::nullopt;
    }
    QString error;
    auto records = machines::parseSimulatedRecords(file.readAll(), &error);
    if (!records)
        showError(tr("The records file %1 was refused:\n%2").arg(shown, error));
    return records;
}

bool MainWindow::simulateMachines(const MachineSimulation& simulation)
{
    if (!requireCard())
        return false;
    const std::optional<std::vector<GenericDCRec>> records = simulatedRecords(simulation);
    const QString noRecords = tr("No machine records written.");
    if (!records)
        return report(false, {}, noRecords);
    uint8_t status = 0;
    {
        const CardPower power;
        status = machines::appendDcRecords(customerId(), *records);
    }
    refreshCard();
    const int count = int(records->size());
    if (status != 0) {
        showError(tr("The card in the reader refused the %1:\n%2")
                      .arg(machineRecords(count), card::statusText(status)));
        return report(false, {}, noRecords);
    }
    report(true, tr("%1 written onto the card.").arg(machineRecords(count)), {});
    showInformation(tr("%1 written onto the card.").arg(machineRecords(count)),
                    tr("Simulate Machines"));
    return true;
}

bool MainWindow::readDcCard()
{
    readRecords_.RemoveAll();
    card::RexaCard image;
    const bool read = fill_laundry_dc_array(&image, customerId(), &readRecords_) == 1;
    // The library shows every failure but a card it could not open.
    if (!read && !image.lastError().isEmpty())
        showError(tr("Could not open the card in the reader:\n%1").arg(image.lastError()));
    showDcRecords();
    if (!dcRecords_->isVisible() && isVisible() && screen() != nullptr) // room for the table
        resize(width(), qBound(height(), 860, screen()->availableGeometry().height()));
    dcRecords_->show();
    refreshCard();
    return report(read,
                  tr("%1 read from the data collection card.")
                      .arg(machineRecords(int(readRecords_.GetNumRecs()))),
                  tr("The data collection card was not read."));
}

std::optional<CdbDatabase> MainWindow::openDatabase()
{
    if (databasePath().isEmpty()) {
        showError(tr("Reader Manager runs without a database: nothing can be stored."));
        return std::nullopt;
    }
    CdbDatabase database;
    CdbDBEngine engine;
    if (!dbhelper::Connect_To_Database(databasePath(), &database, &engine, 0)) {
        showError(dbhelper::openFailureText(databasePath()));
        return std::nullopt;
    }
    return database;
}

void MainWindow::showDcRecords()
{
    bool marked = false;
    if (readRecords_.GetNumRecs() > 0 && !databasePath().isEmpty()) {
        if (auto database = openDatabase())
            marked = mark_duplicate_laundry_dc_record(&*database, &readRecords_) == 1;
    }
    dcRecords_->showRecords(readRecords_, marked ? DuplicatesMarked::Yes : DuplicatesMarked::No);
    updateActions();
}

bool MainWindow::storeDcRecords()
{
    const QString noneStored = tr("No records stored.");
    if (readRecords_.GetNumRecs() == 0) {
        showError(tr("There are no records to store: read a data collection card first."));
        return report(false, {}, noneStored);
    }
    auto database = openDatabase();
    if (!database)
        return report(false, {}, noneStored);
    const auto count = store_laundry_dc_records(&*database, &readRecords_, false);
    database->Close();
    showDcRecords();
    if (!count)
        return report(false, {}, noneStored);
    QString text = tr("%1 of the %2 records stored; %3 already stored and skipped.")
                       .arg(count->stored)
                       .arg(count->read)
                       .arg(count->duplicates);
    if (count->failed > 0)
        text += tr("\n%1 records could not be stored.").arg(count->failed);
    report(true, QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')), {});
    showInformation(text, tr("Store Records"));
    return count->failed == 0;
}

void MainWindow::viewDcRecord(int index)
{
    if (const GenericDCRec* record = readRecords_.GetRec(index))
        ShowLaundryDcViewer(record);
}

void MainWindow::openCardHolders()
{
    if (databasePath().isEmpty()) {
        showError(tr("Reader Manager runs without a database: there are no card holders."));
        return;
    }
    LaundryCardHolders holders;
    if (!holders.open(databasePath())) {
        showError(holders.error());
        return;
    }
    CardHoldersDialog dialog(holders, this);
    promptui::runDialog(dialog);
    report(true, tr("Card Holders closed."), {});
}

void MainWindow::chooseMachineSimulation()
{
    if (!requireCard())
        return;
    const auto simulation = SimulateMachinesDialog::ask(
        [this] { return askOpenFile(tr("Records File"), kRecordsFileFilter); }, this);
    if (simulation)
        simulateMachines(*simulation);
}

} // namespace readermanager
