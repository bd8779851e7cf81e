// The File menu: which database the host works with, profiles to and from
// profile files (the same files and checks as laundrycard profile
// export/import), and the card details report saved as text.
#include "../laundrycard/ordered_json.h"
#include "card/atomic_file.h"
#include "card/input_file.h"
#include "card/virtual_reader.h"
#include "host_messages.h"
#include "laundry/profile_table.h"
#include "main_window.h"
#include "profiles/profile_json.h"
#include "services/dialog_runner.h"
#include "shown_path.h"

#include "services/dao.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace readermanager {
namespace {

const QString kDatabaseFilter = QStringLiteral("Databases (*.mdb);;All files (*)");
const QString kProfileFileFilter = QStringLiteral("Profile files (*.json);;All files (*)");
const QString kTextFilter = QStringLiteral("Text files (*.txt);;All files (*)");

// The array laundrycard profile export writes: one profile a line.
QByteArray profileFile(const QList<LaundryProfile>& profiles)
{
    QStringList lines;
    for (const LaundryProfile& profile : profiles)
        lines << cli::toOrderedJson(profile.columns, profile.keys);
    return cli::jsonLines(lines).toUtf8();
}

QString profileCount(int count)
{
    return count == 1 ? MainWindow::tr("1 profile") : MainWindow::tr("%1 profiles").arg(count);
}

} // namespace

QString chooseFileWithDialog(QWidget* parent, const FileQuestion& question)
{
    return question.save ? QFileDialog::getSaveFileName(parent, question.title, question.start,
                                                        question.filter)
                         : QFileDialog::getOpenFileName(parent, question.title, question.start,
                                                        question.filter);
}

QString askTextWithDialog(QWidget* parent, const TextQuestion& question)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(question.title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(question.label);
    dialog.setTextValue(question.text);
    if (auto* line = dialog.findChild<QLineEdit*>())
        line->setPlaceholderText(question.placeholder);
    dialog.resize(460, dialog.sizeHint().height()); // room for a whole URI
    return promptui::runDialog(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

bool MainWindow::useDatabase(const QString& path)
{
    // A server's URI is used as it is; a file by its absolute path.
    const QString absolute =
        dbhelper::isServerDatabase(path) ? path : QFileInfo(path).absoluteFilePath();
    if (const QString error = databaseOpenError(absolute); !error.isEmpty()) {
        showError(error);
        return report(false, {}, tr("The database %1 did not open.").arg(shownPath(absolute)));
    }
    data_.databasePath = absolute;
    settings_.setDatabase(absolute);
    showDatabase();
    if (readRecords_.GetNumRecs() > 0)
        showDcRecords(); // marked against this database now
    return report(true, tr("Database %1 is open.").arg(shownPath(absolute)), {});
}

bool MainWindow::useServerDatabase(const QString& uri)
{
    if (!dbhelper::isServerDatabase(uri)) {
        // Not echoed: a mistyped URI may still hold a password.
        showError(tr("That is not a server database.\nEnter a postgresql:// connection URI, such "
                     "as postgresql://laundry@office-server/laundry."));
        return report(false, {}, tr("The database was not changed."));
    }
    return useDatabase(uri);
}

bool MainWindow::newDatabase(const QString& path)
{
    QString error;
    if (!dbhelper::createDatabase(path, &error)) {
        showError(tr("Could not create the database %1:\n%2").arg(shownPath(path), error));
        return report(false, {}, tr("No database created."));
    }
    return useDatabase(path);
}

bool MainWindow::importProfiles(const QString& path)
{
    const QString nothing = tr("No profiles imported.");
    QByteArray bytes;
    if (const QString error =
            card::readInputFile(tr("profile file"), path, {profiles::kProfileFileMaxBytes}, &bytes);
        !error.isEmpty()) {
        showError(error);
        return report(false, {}, nothing);
    }
    LaundryProfileTable table;
    if (!table.open(databasePath())) {
        showError(table.error());
        return report(false, {}, nothing);
    }
    const LaundryProfileImport outcome = table.import(bytes);
    if (!outcome.fileError.isEmpty())
        showError(
            tr("The profile file %1 was refused:\n%2").arg(shownPath(path), outcome.fileError));
    else if (!outcome.refusals.isEmpty())
        showError(tr("Nothing imported; %1 refused:\n%2")
                      .arg(profileCount(int(outcome.refusals.size())),
                           outcome.refusals.join(QLatin1Char('\n'))));
    // A database failure has been shown by the library.
    if (!outcome.succeeded())
        return report(false, {}, nothing);
    const QString done =
        tr("%1 imported from %2.").arg(profileCount(outcome.stored), shownPath(path));
    showInformation(done, tr("Import Profiles"));
    return report(true, done, {});
}

bool MainWindow::exportProfiles(const QString& path)
{
    const QString nothing = tr("No profiles exported.");
    LaundryProfileTable table;
    std::optional<QList<LaundryProfile>> all;
    if (table.open(databasePath()))
        all = table.all();
    if (!all) {
        showError(table.error());
        return report(false, {}, nothing);
    }
    if (const QString error = card::saveFileAtomically(tr("profile file"), path, profileFile(*all));
        !error.isEmpty()) {
        showError(error);
        return report(false, {}, nothing);
    }
    const QString done =
        tr("%1 exported to %2.").arg(profileCount(int(all->size())), shownPath(path));
    showInformation(done, tr("Export Profiles"));
    return report(true, done, {});
}

bool MainWindow::saveCardDetails(const QString& path)
{
    if (!requireCard())
        return false;
    const QString text = cardDetails_->toPlainText() + QLatin1Char('\n');
    if (const QString error = card::saveFileAtomically(tr("card details"), path, text.toUtf8());
        !error.isEmpty()) {
        showError(error);
        return report(false, {}, tr("The card details were not saved."));
    }
    return report(true, tr("Card details saved to %1.").arg(shownPath(path)), {});
}

void MainWindow::chooseDatabase()
{
    if (const QString path = askOpenFile(tr("Open Database"), kDatabaseFilter); !path.isEmpty())
        useDatabase(path);
}

void MainWindow::chooseServerDatabase()
{
    // The line starts with the server in use without its password, since
    // the line shows what it holds. Left as it is, the URI in use is opened
    // again with its password; an operator who changes it types the password
    // anew (or keeps it in ~/.pgpass).
    const QString current = data_.databasePath;
    const QString shown =
        dbhelper::isServerDatabase(current) ? dbhelper::shownDatabaseName(current) : QString();
    const QString form = QStringLiteral("postgresql://user@host/database");
    const QString answer =
        askText_({tr("Open Server Database"),
                  tr("The connection URI of a database on a PostgreSQL server,\nin the form %1:")
                      .arg(form),
                  shown, form})
            .trimmed();
    if (!answer.isEmpty())
        useServerDatabase(!shown.isEmpty() && answer == shown ? current : answer);
}

void MainWindow::chooseNewDatabase()
{
    const QString path =
        askSaveFile(tr("New Database"), QString::fromLatin1(kDatabaseFileName), kDatabaseFilter);
    if (!path.isEmpty())
        newDatabase(path);
}

void MainWindow::chooseProfilesToImport()
{
    if (const QString path = askOpenFile(tr("Import Profiles"), kProfileFileFilter);
        !path.isEmpty())
        importProfiles(path);
}

void MainWindow::chooseProfileExport()
{
    const QString path =
        askSaveFile(tr("Export Profiles"), QStringLiteral("profiles.json"), kProfileFileFilter);
    if (!path.isEmpty())
        exportProfiles(path);
}

void MainWindow::chooseCardDetailsFile()
{
    if (!requireCard())
        return;
    const QString name =
        QFileInfo(card::cardFilePath()).completeBaseName() + QStringLiteral(".txt");
    if (const QString path = askSaveFile(tr("Save Card Details"), name, kTextFilter);
        !path.isEmpty())
        saveCardDetails(path);
}

} // namespace readermanager
