#include "data_folder.h"
#include "shown_path.h"

#include "card/card_dump.h"
#include "laundry/profile_table.h"
#include "services/dao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// The resource lives in this static library: nothing would pull its
// initialiser into the program otherwise.
static void initSampleProfilesResource()
{
    Q_INIT_RESOURCE(sample_profiles);
}

namespace readermanager {
namespace {

const char kSampleProfilesResource[] = ":/reader-manager/sample_profiles.json";
// The Generic sample profile takes its setup bytes from this file of the data
// folder; the samples name the folder by this token.
const char kGenericSampleFile[] = "generic-sample.bin";
const char kDataFolderToken[] = "@DATA_FOLDER@";
const char kGenericSampleBytes[] = "GENERIC SAMPLE SETUP DATA";

// The samples with the data folder in place of its token (as JSON text: the
// folder's backslashes and quotes escaped), and the Generic sample's file
// written when it is missing.
QByteArray samplesFor(const QString& folder, QByteArray samples)
{
    const QString file = QDir(folder).filePath(QString::fromLatin1(kGenericSampleFile));
    if (!QFileInfo::exists(file)) {
        QFile bin(file);
        if (bin.open(QIODevice::WriteOnly))
            bin.write(kGenericSampleBytes);
    }
    QString escaped = folder;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return samples.replace(kDataFolderToken, escaped.toUtf8());
}

// Adds one sample profile of each type with a page to a new database,
// so a first run has something to select and write. "" on success, else
// why not.
QString seedSampleProfiles(const QString& path)
{
    initSampleProfilesResource();
    QFile resource(QString::fromLatin1(kSampleProfilesResource));
    if (!resource.open(QIODevice::ReadOnly))
        return QStringLiteral("The sample profiles are missing from Reader Manager.");
    LaundryProfileTable table;
    if (!table.open(path))
        return table.error();
    const LaundryProfileImport outcome =
        table.import(samplesFor(QFileInfo(path).absolutePath(), resource.readAll()));
    if (!outcome.fileError.isEmpty())
        return outcome.fileError;
    if (!outcome.refusals.isEmpty())
        return outcome.refusals.join(QLatin1Char('\n'));
    if (outcome.failed)
        return QStringLiteral("A database error stopped the import.");
    return {};
}

} // namespace

QString databaseOpenError(const QString& path)
{
    CdbDatabase database;
    CdbDBEngine engine;
    if (dbhelper::Connect_To_Database(path, &database, &engine, 0)) {
        database.Close();
        return {};
    }
    const CdbLastOLEError last;
    return QStringLiteral("Could not open the database %1.\nError %2 : %3")
        .arg(shownPath(path))
        .arg(last.GetResultCode() & 0xFFFF)
        .arg(last.GetDescription());
}

namespace {

void prepareDatabase(DataFolder& data)
{
    const QString path = QDir(data.folder).filePath(QString::fromLatin1(kDatabaseFileName));
    QString error;
    if (QFileInfo::exists(path)) {
        error = databaseOpenError(path);
    } else if (dbhelper::createDatabase(path, &error)) {
        data.createdDatabase = true;
        // The database is usable without them: report and go on.
        if (const QString seedError = seedSampleProfiles(path); !seedError.isEmpty())
            data.errors << QStringLiteral("Could not add the sample profiles to the new database "
                                          "%1:\n%2")
                               .arg(shownPath(path), seedError);
    } else {
        error = QStringLiteral("Could not create the database %1:\n%2").arg(shownPath(path), error);
    }
    if (!error.isEmpty()) {
        data.errors << error + QStringLiteral("\n\nReader Manager goes on without a database.");
        return;
    }
    data.databasePath = path;
}

void prepareCard(DataFolder& data)
{
    const QString path = QDir(data.folder).filePath(QString::fromLatin1(kReaderCardFileName));
    if (!QFileInfo::exists(path)) {
        if (const QString error = card::createCardImageFile(path, card::NewCardFileOptions{});
            !error.isEmpty()) {
            data.errors << QStringLiteral("Could not create the card file %1:\n%2")
                               .arg(shownPath(path), error);
            return;
        }
        data.createdCard = true;
    }
    data.cardPath = path;
}

} // namespace

DataFolder prepareDataFolder(const QString& folder)
{
    DataFolder data;
    data.folder = QDir(folder).absolutePath();
    if (!QDir().mkpath(data.folder)) {
        data.errors << QStringLiteral("Could not create the data folder %1.\n\nReader Manager "
                                      "goes on without a database and without a card.")
                           .arg(shownPath(data.folder));
        return data;
    }
    prepareDatabase(data);
    prepareCard(data);
    return data;
}

} // namespace readermanager
