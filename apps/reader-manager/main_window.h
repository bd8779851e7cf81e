// The main window of Reader Manager: the virtual reader with its card, the
// customer id the host works with, and one action for each thing the host
// does with the library.
#pragma once

#include "data_folder.h"
#include "host_settings.h"
#include "laundry/laundry_setup.h"
#include "services/dao.h"
#include "services/dc_records.h"
#include "simulate_machines_dialog.h"

#include <QHash>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

namespace readermanager {

class DcRecordsPanel;
class ReaderPanel;

enum class DcCardKind { Reader, Complex, Manual, Advanteck };

// A file the operator is asked for: one to open, or a name to save under.
struct FileQuestion {
    bool save = false;
    QString title;
    QString start; // the folder, or the suggested file when saving
    QString filter;
};
// The answer: a path, or "" when the operator cancelled.
using FileChooser = std::function<QString(const FileQuestion&)>;
// The file dialogs the window asks with unless a test replaces them.
QString chooseFileWithDialog(QWidget* parent, const FileQuestion& question);

// A line of text the operator is asked for, such as a server's URI.
struct TextQuestion {
    QString title;
    QString label;       // what to type, above the line
    QString text;        // the line as it starts
    QString placeholder; // shown while the line is empty
};
// The answer: the line typed, or "" when the operator cancelled.
using TextAsker = std::function<QString(const TextQuestion&)>;
// The input dialog the window asks with unless a test replaces it.
QString askTextWithDialog(QWidget* parent, const TextQuestion& question);

// What an action needs to be able to run; without it the action is greyed.
enum class ActionNeeds { Nothing, Card, Database, Records };

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Prepares dataFolder (first run: a new database and a blank card),
    // applies the settings kept in the folder and puts the card that was in
    // the reader when the host was left (at first its own card) back in.
    // Problems are shown to the operator and the window goes on without what
    // failed.
    explicit MainWindow(const QString& dataFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The work behind the actions. Each shows its own messages, refreshes the
    // card panel and returns whether it succeeded.
    bool insertCard(const QString& path);
    bool newBlankCard(const QString& path);
    void ejectCard();
    bool writeSetupCardFromRecord(const QString& recordPath);
    bool writeSetupFileFromRecord(const QString& recordPath, const QString& outPath);
    // Reads a Retrofit or Gen2 setup card in the reader and shows its fields.
    bool readSetupCard();
    // The library's profile manager over the data folder's database.
    void openProfileManager();
    // Lets the operator choose a profile and writes it as a setup card onto
    // the card in the reader, for this host's customer id.
    bool createSetupCard();
    void setTokensEnabled(bool enabled);
    // Formats the card in the reader as a DC card of that kind for this
    // host's customer id; the library asks and reports.
    bool createDcCard(DcCardKind kind);
    // Machines write their records onto the DC card in the reader, all or
    // none; what was refused is shown.
    bool simulateMachines(const MachineSimulation& simulation);
    // Reads the records of the DC card in the reader into the records table,
    // each marked when the database holds it already.
    bool readDcCard();
    // Stores the records read that the database does not hold yet, and says
    // how many were stored and skipped.
    bool storeDcRecords();
    // The library's viewer of the record read at that index.
    void viewDcRecord(int index);
    // The card holders of the database, added and removed in a dialog.
    void openCardHolders();
    // The library's Price Special Profiles dialog over the data folder's
    // database, in price special or door access mode, with every right; its
    // card buttons write onto the card in the reader for this host's
    // customer id.
    void openPriceSpecials(bool doorAccess);
    // Reports > Collections...: the collections report of the database.
    void openCollectionsReport();
    // The same over the demo database of the data folder (a made-up year of
    // a small route, never mixed into the system database), made first when
    // it is missing.
    void openDemoCollections();
    // Makes the demo database (demo-collections.mdb in the data folder);
    // false after a message.
    bool makeDemoData();
    QString demoDatabasePath() const;
    // Works with the database at path from now on (and at the next start).
    bool useDatabase(const QString& path);
    // The same for a database on a PostgreSQL server; text that is not a
    // postgresql:// (or postgres://) URI is refused with the form expected.
    bool useServerDatabase(const QString& uri);
    // Creates an empty database as laundrycard db init does, and uses it.
    bool newDatabase(const QString& path);
    // Adds the profiles of a profile file (laundrycard profile export's
    // form) to the database, all or none.
    bool importProfiles(const QString& path);
    // Writes every profile of the database into a profile file.
    bool exportProfiles(const QString& path);
    // Writes the card details report of the card in the reader as text.
    bool saveCardDetails(const QString& path);
    // Replaces the file dialogs (null puts them back).
    void setFileChooser(FileChooser chooser);
    // Replaces the input dialog (null puts it back).
    void setTextAsker(TextAsker asker);
    const GenericDC& dcRecords() const { return readRecords_; }

    uint16_t customerId() const;
    void setCustomerId(uint16_t id);
    // Empty when the host runs without a database.
    QString databasePath() const { return data_.databasePath; }
    const DataFolder& dataFolder() const { return data_; }
    // The action with that object name, or null.
    QAction* action(const QString& objectName) const { return actions_.value(objectName); }

public slots:
    void refreshCard();

private:
    // Thin slots: ask for a file, then do the work above.
    void chooseCardFile();
    void chooseNewBlankCard();
    void chooseRecordForSetupCard();
    void chooseRecordForSetupFile();
    void readSetupCardAction() { readSetupCard(); }
    void createSetupCardAction() { createSetupCard(); }
    void applyTokensAction();
    void newReaderDcCard() { createDcCard(DcCardKind::Reader); }
    void newComplexDcCard() { createDcCard(DcCardKind::Complex); }
    void newManualDcCard() { createDcCard(DcCardKind::Manual); }
    void newAdvanteckDcCard() { createDcCard(DcCardKind::Advanteck); }
    void chooseMachineSimulation();
    void readDcCardAction() { readDcCard(); }
    void chooseDatabase();
    void chooseServerDatabase();
    void chooseNewDatabase();
    void chooseProfilesToImport();
    void chooseProfileExport();
    void chooseCardDetailsFile();
    void storeDcRecordsAction() { storeDcRecords(); }
    void priceSpecialsAction() { openPriceSpecials(false); }
    void doorAccessAction() { openPriceSpecials(true); }
    void showAbout();
    void quit();

    void createActions();
    // Greys the actions that cannot run now.
    void updateActions();
    // Says in the status bar what the last action did; returns `done`.
    bool report(bool done, const QString& success, const QString& failure);
    // The database in the title and the status bar.
    void showDatabase();
    void createCentralWidget();
    // First run: offers demo data for the collections report in the status bar.
    void offerDemoData();
    void showCollections(const QString& path, bool demo);
    void startUp();
    // Puts the card the host was left with back into the reader.
    void restoreCard();
    // Remembers the card in the reader for the next start.
    void rememberCard();
    std::optional<STRUCT_laundry_setup> loadRecord(const QString& recordPath);
    bool requireCard();
    // Writes the record onto the card in the reader; the library shows its
    // messages, the host adds why the card file could not be saved.
    bool writeCard(STRUCT_laundry_setup& record);
    QString askOpenFile(const QString& title, const QString& filter);
    QString askSaveFile(const QString& title, const QString& fileName, const QString& filter);
    // The records simulation asks for, or nullopt when the file was refused.
    std::optional<std::vector<GenericDCRec>> simulatedRecords(const MachineSimulation& simulation);
    // Points the library's profile entry points at the data folder's database.
    void useProfileDatabase();
    // The data folder's database, open; nullopt after a message (or without
    // a database).
    std::optional<CdbDatabase> openDatabase();
    // Marks the records read against the database and shows them.
    void showDcRecords();

    HostSettings settings_;
    DataFolder data_;
    QHash<QString, QAction*> actions_;
    QHash<QAction*, ActionNeeds> needs_;
    FileChooser chooseFile_;
    TextAsker askText_;
    ReaderPanel* readerPanel_ = nullptr;
    QSpinBox* customerId_ = nullptr;
    QPlainTextEdit* cardView_ = nullptr;
    QPlainTextEdit* cardDetails_ = nullptr;
    DcRecordsPanel* dcRecords_ = nullptr;
    GenericDC readRecords_;
    QLabel* databaseLabel_ = nullptr;
    QWidget* demoOffer_ = nullptr; // first run: the status bar's offer of demo data
};

} // namespace readermanager
