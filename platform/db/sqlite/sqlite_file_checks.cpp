#include "sqlite_file_checks.h"

#include "../dao_error.h"

#include <QFileInfo>

namespace dao {

void refuseReadOnlyFile(const QString& fileName)
{
    throwDao(kDaoReadOnly,
             QStringLiteral("Cannot open '%1' for writing: the file is read-only.").arg(fileName));
}

void checkDatabaseFile(const QString& fileName, bool readOnly)
{
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !file.exists())
        throwDaoWith(kDaoFileNotFound, fileName);
    if (file.isDir())
        throwDao(kDaoCannotOpenFile,
                 QStringLiteral("'%1' is a folder, not a database file.").arg(fileName));
    if (file.size() == 0)
        throwDaoWith(kDaoNotADatabase, fileName);
    if (readOnly)
        return;
    if (!file.isWritable())
        refuseReadOnlyFile(fileName);
    // The WAL journal lives in two files beside the database: each must be
    // writable, and the folder too unless both are there already.
    bool journalsThere = true;
    for (const char* suffix : {"-wal", "-shm"}) {
        const QFileInfo journal(file.filePath() + QLatin1String(suffix));
        journalsThere = journalsThere && journal.exists();
        if (journal.exists() && !journal.isWritable())
            throwDao(kDaoReadOnly,
                     QStringLiteral("Cannot open '%1' for writing: its journal file '%2' is "
                                    "read-only.")
                         .arg(fileName, journal.filePath()));
    }
    if (!journalsThere && !QFileInfo(file.absolutePath()).isWritable())
        throwDao(kDaoReadOnly, QStringLiteral("Cannot open '%1' for writing: its folder is "
                                              "read-only, and the database keeps its journal "
                                              "files beside it.")
                                   .arg(fileName));
}

} // namespace dao
