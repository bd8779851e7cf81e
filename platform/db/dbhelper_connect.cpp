// Opening the database and its recordsets for the system: failures become a
// zero result, and the error stays available through CdbLastOLEError.
#include "services/dao.h"

#include "database_name.h"

#include <QDir>
#include <QFileInfo>

namespace dbhelper {

uint8_t Connect_To_Database(QString fileName, CdbDatabase* database, CdbDBEngine* engine,
                            int options)
{
    if (!database || !engine)
        return 0;
    try {
        *database = engine->OpenDatabase(fileName, options == 1);
        return 1;
    } catch (const CdbException&) {
        return 0;
    }
}

bool isServerDatabase(const QString& name)
{
    return dao::isServerDatabase(name);
}

QString shownDatabaseName(const QString& name)
{
    if (dao::isServerDatabase(name))
        return dao::withoutPasswords(name);
    return QDir::toNativeSeparators(name);
}

QString openFailureText(const QString& fileName)
{
    const CdbLastOLEError last;
    const int number = int(last.GetResultCode() & 0xFFFF);
    const QFileInfo file(fileName);
    QString cause;
    switch (number) {
    case kDaoFileNotFound:
        cause = dao::isServerDatabase(fileName) ? QStringLiteral("no such database on the server")
                                                : QStringLiteral("no such file");
        break;
    case kDaoNotADatabase:
        cause = QStringLiteral("not a database file");
        break;
    case kDaoCannotOpenFile:
        if (dao::isServerDatabase(fileName)) {
            cause = last.GetDescription();
            break;
        }
        cause = file.isDir() ? QStringLiteral("it is a folder, not a database file")
                             : QStringLiteral("the file cannot be read (another program holds "
                                              "it, or you may not read it)");
        break;
    case kDaoLocked:
    case kDaoLockedByUser:
        cause = QStringLiteral("another program holds it locked; try again when it is done");
        break;
    default: {
        // The engine's sentence, without the file name it may start with.
        cause = last.GetDescription();
        const qsizetype colon = cause.indexOf(QLatin1String(": "));
        if (number == kDaoReadOnly && colon > 0)
            cause = cause.mid(colon + 2);
        if (cause.endsWith(u'.'))
            cause.chop(1);
        break;
    }
    }
    return QStringLiteral("Cannot open %1: %2 (error %3)")
        .arg(dao::isServerDatabase(fileName) ? shownDatabaseName(fileName)
                                             : QDir::toNativeSeparators(file.absoluteFilePath()),
             cause)
        .arg(number);
}

uint8_t Connect_To_Recordset(QString sql, CdbRecordset* recordset, CdbDatabase* database)
{
    if (!recordset || !database)
        return 0;
    try {
        *recordset = database->OpenRecordset(sql);
        return 1;
    } catch (const CdbException&) {
        return 0;
    }
}

} // namespace dbhelper
