// The window's actions in one table, and the thin slots behind them that ask
// for files before handing over to the work methods.
#include "card/card_images.h"
#include "card/virtual_reader.h"
#include "host_messages.h"
#include "laundry/laundry.h"
#include "main_window.h"
#include "shown_path.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace readermanager {
namespace {

const QString kCardFileFilter = QStringLiteral("Card image files (*.lcard);;All files (*)");
const QString kRecordFileFilter = QStringLiteral("Setup record files (*.rec *.bin);;All files (*)");

struct ActionEntry {
    const char* menu;
    const char* text; // null: a separator
    const char* objectName;
    void (MainWindow::*trigger)();
    ActionNeeds needs = ActionNeeds::Nothing;
    const char* keys = nullptr; // shortcuts, the first shown in the menu
    bool checkable = false;
};

} // namespace

void MainWindow::createActions()
{
    using N = ActionNeeds;
    // Every action of the host, in menu order; "..." where a dialog asks for
    // more before anything is done. A new action is one line here and its
    // slot.
    static const ActionEntry kActions[] = {
        {"&File", "&Open Database...", "openDatabaseAction", &MainWindow::chooseDatabase,
         N::Nothing, "Ctrl+O"},
        {"&File", "Open Server &Database...", "openServerDatabaseAction",
         &MainWindow::chooseServerDatabase},
        {"&File", "Ne&w Database...", "newDatabaseAction", &MainWindow::chooseNewDatabase},
        {"&File", nullptr, nullptr, nullptr},
        {"&File", "&Import Profiles...", "importProfilesAction",
         &MainWindow::chooseProfilesToImport, N::Database},
        {"&File", "&Export Profiles...", "exportProfilesAction", &MainWindow::chooseProfileExport,
         N::Database},
        {"&File", nullptr, nullptr, nullptr},
        {"&File", "&Save Card Details...", "saveCardDetailsAction",
         &MainWindow::chooseCardDetailsFile, N::Card},
        {"&File", nullptr, nullptr, nullptr},
        {"&File", "E&xit", "exitAction", &MainWindow::quit, N::Nothing, "Ctrl+Q"},
        {"&Reader", "&Insert Card File...", "insertCardAction", &MainWindow::chooseCardFile,
         N::Nothing, "Ins"},
        {"&Reader", "&New Blank Card...", "newBlankCardAction", &MainWindow::chooseNewBlankCard,
         N::Nothing, "Ctrl+N"},
        {"&Reader", "&Eject Card", "ejectCardAction", &MainWindow::ejectCard, N::Card, "Ctrl+E"},
        {"&Card", "&Create Setup Card...", "createSetupCardAction",
         &MainWindow::createSetupCardAction, N::Card},
        {"&Card", "&Write Setup Card From Record File...", "writeSetupCardAction",
         &MainWindow::chooseRecordForSetupCard, N::Card},
        {"&Card", "Write Setup &File From Record File...", "writeSetupFileAction",
         &MainWindow::chooseRecordForSetupFile},
        {"&Card", "&Read Setup Card", "readSetupCardAction", &MainWindow::readSetupCardAction,
         N::Card},
        {"&Card", nullptr, nullptr, nullptr},
        {"&Card", "&Price Specials...", "priceSpecialsAction", &MainWindow::priceSpecialsAction,
         N::Database},
        {"&Card", "&Door Access...", "doorAccessAction", &MainWindow::doorAccessAction,
         N::Database},
        {"&Data Collection/&New Data Collection Card", "&Reader", "newReaderDcCardAction",
         &MainWindow::newReaderDcCard, N::Card},
        {"&Data Collection/&New Data Collection Card", "&Complex (Stacked Machines)",
         "newComplexDcCardAction", &MainWindow::newComplexDcCard, N::Card},
        {"&Data Collection/&New Data Collection Card", "&Manual", "newManualDcCardAction",
         &MainWindow::newManualDcCard, N::Card},
        {"&Data Collection/&New Data Collection Card", "&Advanteck", "newAdvanteckDcCardAction",
         &MainWindow::newAdvanteckDcCard, N::Card},
        {"&Data Collection", "S&imulate Machines...", "simulateMachinesAction",
         &MainWindow::chooseMachineSimulation, N::Card},
        {"&Data Collection", "&Read Data Collection Card", "readDcCardAction",
         &MainWindow::readDcCardAction, N::Card, "F5"},
        {"&Data Collection", "&Store Records", "storeDcRecordsAction",
         &MainWindow::storeDcRecordsAction, N::Records, "Ctrl+S"},
        {"&Data Collection", nullptr, nullptr, nullptr},
        {"&Data Collection", "Card &Holders...", "cardHoldersAction", &MainWindow::openCardHolders,
         N::Database},
        {"&Profiles", "&Profile Manager...", "profileManagerAction",
         &MainWindow::openProfileManager},
        {"&Reports", "&Collections...", "collectionsReportAction",
         &MainWindow::openCollectionsReport, N::Database},
        {"&Reports", "Collections of the &Demo Route...", "demoCollectionsAction",
         &MainWindow::openDemoCollections},
        {"&Settings", "&Tokens Enabled", "tokensEnabledAction", &MainWindow::applyTokensAction,
         N::Nothing, nullptr, true},
        {"&Help", "&About Reader Manager...", "aboutAction", &MainWindow::showAbout},
    };

    // A menu path "Menu/Submenu" puts the action into a submenu.
    QHash<QString, QMenu*> menus;
    const auto menuFor = [&](const QString& path, const auto& self) -> QMenu* {
        if (QMenu* menu = menus.value(path))
            return menu;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        const QByteArray title = path.mid(slash + 1).toLatin1();
        QMenu* menu = slash < 0 ? menuBar()->addMenu(tr(title.constData()))
                                : self(path.left(slash), self)->addMenu(tr(title.constData()));
        menus.insert(path, menu);
        return menu;
    };
    for (const ActionEntry& entry : kActions) {
        QMenu* menu = menuFor(QString::fromLatin1(entry.menu), menuFor);
        if (entry.text == nullptr) {
            menu->addSeparator();
            continue;
        }
        auto* action = new QAction(tr(entry.text), this);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        if (entry.keys != nullptr)
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(entry.keys)));
        action->setCheckable(entry.checkable);
        connect(action, &QAction::triggered, this,
                [this, trigger = entry.trigger] { (this->*trigger)(); });
        menu->addAction(action);
        actions_.insert(action->objectName(), action);
        needs_.insert(action, entry.needs);
    }
}

void MainWindow::updateActions()
{
    const bool database = !databasePath().isEmpty();
    for (auto it = needs_.cbegin(); it != needs_.cend(); ++it) {
        switch (it.value()) {
        case ActionNeeds::Nothing:
            break;
        case ActionNeeds::Card:
            it.key()->setEnabled(card::hasCard());
            break;
        case ActionNeeds::Database:
            it.key()->setEnabled(database);
            break;
        case ActionNeeds::Records:
            it.key()->setEnabled(database && readRecords_.GetNumRecs() > 0);
            break;
        }
    }
}

void MainWindow::setFileChooser(FileChooser chooser)
{
    chooseFile_ = chooser ? std::move(chooser)
                          : [this](const FileQuestion& q) { return chooseFileWithDialog(this, q); };
}

void MainWindow::setTextAsker(TextAsker asker)
{
    askText_ = asker ? std::move(asker)
                     : [this](const TextQuestion& q) { return askTextWithDialog(this, q); };
}

QString MainWindow::askOpenFile(const QString& title, const QString& filter)
{
    const QString path = chooseFile_({false, title, settings_.lastFolder(), filter});
    if (!path.isEmpty())
        settings_.setLastFolder(QFileInfo(path).absolutePath());
    return path;
}

QString MainWindow::askSaveFile(const QString& title, const QString& fileName,
                                const QString& filter)
{
    const QString path =
        chooseFile_({true, title, QDir(settings_.lastFolder()).filePath(fileName), filter});
    if (!path.isEmpty())
        settings_.setLastFolder(QFileInfo(path).absolutePath());
    return path;
}

void MainWindow::chooseCardFile()
{
    if (const QString path = askOpenFile(tr("Insert Card File"), kCardFileFilter); !path.isEmpty())
        insertCard(path);
}

void MainWindow::chooseNewBlankCard()
{
    const QString path =
        askSaveFile(tr("New Blank Card"), QStringLiteral("card.lcard"), kCardFileFilter);
    if (!path.isEmpty())
        newBlankCard(path);
}

void MainWindow::chooseRecordForSetupCard()
{
    // Ask for the card first: there is no point in choosing a record without one.
    if (!requireCard())
        return;
    const QString record = askOpenFile(tr("Setup Record File"), kRecordFileFilter);
    if (!record.isEmpty())
        writeSetupCardFromRecord(record);
}

void MainWindow::chooseRecordForSetupFile()
{
    const QString record = askOpenFile(tr("Setup Record File"), kRecordFileFilter);
    if (record.isEmpty())
        return;
    const QString out =
        askSaveFile(tr("Write Setup File"), QStringLiteral("setup.lcard"), kCardFileFilter);
    if (!out.isEmpty())
        writeSetupFileFromRecord(record, out);
}

void MainWindow::useProfileDatabase()
{
    // Without a usable database the library names the file it could not open.
    const QString path = data_.databasePath.isEmpty()
                             ? QDir(data_.folder).filePath(QString::fromLatin1(kDatabaseFileName))
                             : data_.databasePath;
    set_laundry_database_path(path.toUtf8().constData());
}

void MainWindow::openProfileManager()
{
    useProfileDatabase();
    ShowAndLoadLaundrySetupProfile();
    report(true, tr("Profile Manager closed."), {});
}

void MainWindow::openPriceSpecials(bool doorAccess)
{
    useProfileDatabase();
    // Entry 0 grants every right of the block.
    const int32_t allRights[17] = {1};
    ShowLaundryPriceSpecials(customerId(), allRights, doorAccess ? 1 : 0);
    refreshCard(); // the card panel describes what a card button wrote
}

bool MainWindow::createSetupCard()
{
    bool written = false;
    if (requireCard()) {
        useProfileDatabase();
        STRUCT_laundry_setup record{};
        clear_laundry_setup_struct(&record);
        // The card header carries the customer id of the host that wrote it.
        record.word_02 = customerId();
        char profileName[31] = {};
        if (SelectLaundrySetupProfile(profileName, &record) == 1)
            written = writeCard(record);
        report(written,
               tr("Setup card written from the profile %1.").arg(QString::fromLatin1(profileName)),
               tr("No setup card written."));
    }
    refreshCard();
    return written;
}

void MainWindow::applyTokensAction()
{
    const bool enabled = action(QStringLiteral("tokensEnabledAction"))->isChecked();
    setTokensEnabled(enabled);
    report(true, enabled ? tr("Tokens enabled.") : tr("Tokens disabled."), {});
}

void MainWindow::showAbout()
{
    showInformation(tr("Reader Manager %1\n\nSmart cards for coin-laundry machines: writes "
                       "reader setup cards and setup files, with the cards kept as card image "
                       "files in a virtual card reader.\n\nData folder: %2")
                        .arg(QCoreApplication::applicationVersion(), shownPath(data_.folder)),
                    tr("About Reader Manager"));
}

void MainWindow::quit()
{
    close();
}

} // namespace readermanager
