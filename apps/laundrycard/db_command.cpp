// laundrycard db init
#include "cli.h"
#include "commands.h"
#include "services/dao.h"

namespace cli {
namespace {

int dbInit(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("db init PATH"),
                      QStringLiteral("Creates a new system database (manager.mdb) with every "
                                     "table and index. An existing file is never overwritten."));
    cmd.parser().addPositionalArgument(QStringLiteral("PATH"),
                                       QStringLiteral("Database file to create."));
    if (auto status = cmd.parse(args, 1, 1))
        return *status;
    QString error;
    if (!dbhelper::createDatabase(cmd.positional()[0], &error)) {
        printError(error);
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int runDbCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("db"), {{"init", "create a new manager.mdb", &dbInit}}, args);
}

} // namespace cli
