#include "data_folder.h"

#include "card/card_dump.h"
#include "services/dao.h"

#include <QDir>
#include <QFileInfo>

namespace readermanager {
namespace {

QString openError(const QString& path)
{
    CdbDatabase database;
    CdbDBEngine engine;
    if (dbhelper::Connect_To_Database(path, &database, &engine, 0)) {
        database.Close();
        return {};
    }
    const CdbLastOLEError last;
    return QStringLiteral("Could not open the database %1.\nError %2 : %3")
        .arg(QDir::toNativeSeparators(path))
        .arg(last.GetResultCode() & 0xFFFF)
        .arg(last.GetDescription());
}

void prepareDatabase(DataFolder& data)
{
    const QString path = QDir(data.folder).filePath(QString::fromLatin1(kDatabaseFileName));
    QString error;
    if (QFileInfo::exists(path)) {
        error = openError(path);
    } else if (dbhelper::createDatabase(path, &error)) {
        data.createdDatabase = true;
    } else {
        error = QStringLiteral("Could not create the database %1:\n%2")
                    .arg(QDir::toNativeSeparators(path), error);
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
                               .arg(QDir::toNativeSeparators(path), error);
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
                           .arg(QDir::toNativeSeparators(data.folder));
        return data;
    }
    prepareDatabase(data);
    prepareCard(data);
    return data;
}

} // namespace readermanager
