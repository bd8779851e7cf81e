// laundrycard db init, db copy
#include "cli.h"
#include "commands.h"
#include "services/dao.h"

namespace cli {
namespace {

int dbInit(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("db init PATH|URI"),
                      QStringLiteral("Creates a new system database (manager.mdb) with every "
                                     "table and index. An existing file is never overwritten; "
                                     "a postgresql:// URI names an empty database on a "
                                     "PostgreSQL server to create the tables in."));
    cmd.parser().addPositionalArgument(
        QStringLiteral("PATH|URI"),
        QStringLiteral("Database file to create, or postgresql://user@host/database."));
    if (auto status = cmd.parse(args, 1, 1))
        return *status;
    QString error;
    if (!dbhelper::createDatabase(cmd.positional()[0], &error)) {
        printError(error);
        return kExitFailed;
    }
    printOut(QStringLiteral("Created the tables and indexes of the system database in %1\n")
                 .arg(dbhelper::shownDatabaseName(cmd.positional()[0])));
    return kExitOk;
}

int dbCopy(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("db copy FROM TO"),
                      QStringLiteral("Copies every table, keys and values exactly, from one "
                                     "system database to another: a file or a postgresql:// "
                                     "URI on either side. A missing target file or an empty "
                                     "server database gets the tables first; a target that "
                                     "holds rows is refused unless --replace is given."));
    cmd.parser().addPositionalArgument(QStringLiteral("FROM"),
                                       QStringLiteral("Database file or URI to read."));
    cmd.parser().addPositionalArgument(QStringLiteral("TO"),
                                       QStringLiteral("Database file or URI to write."));
    cmd.parser().addOption({QStringLiteral("replace"),
                            QStringLiteral("Delete every row the target holds before copying.")});
    if (auto status = cmd.parse(args, 2, 2))
        return *status;
    QString error;
    const QStringList names = cmd.positional();
    qint64 rows = 0;
    if (!dbhelper::copyDatabase(names[0], names[1], cmd.parser().isSet(QStringLiteral("replace")),
                                &error, &rows)) {
        printError(error);
        return kExitFailed;
    }
    printOut(
        QStringLiteral("Copied %1 rows from %2 to %3\n")
            .arg(rows)
            .arg(dbhelper::shownDatabaseName(names[0]), dbhelper::shownDatabaseName(names[1])));
    return kExitOk;
}

} // namespace

int runDbCommand(const QStringList& args)
{
    return runGroup(
        QStringLiteral("db"),
        {{"init", "create a new manager.mdb (a file or a PostgreSQL database)", &dbInit},
         {"copy", "copy every table between two databases", &dbCopy}},
        args);
}

} // namespace cli
