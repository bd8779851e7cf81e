#include "schema_upgrade.h"

#include "schema.h"
#include "sqlite/sqlite_sql_writer.h"

#include <QScopeGuard>
#include <QStringList>

namespace dao {
namespace {

int userVersion(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    int version = -1;
    if (sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

// Version 2 made the profile name index unique: every unique index of the
// schema is built again under its name.
QStringList toVersionTwo()
{
    QStringList statements;
    for (const TableDef& table : systemTables()) {
        for (const IndexDef& index : table.indexes) {
            if (!index.unique)
                continue;
            statements << QStringLiteral("DROP INDEX IF EXISTS ") +
                              quoteIdentifier(QLatin1String(index.name))
                       << createIndexStatement(table, index);
        }
    }
    return statements << QStringLiteral("PRAGMA user_version = 2");
}

bool run(sqlite3* db, const QString& sql)
{
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

void upgradeSchema(sqlite3* db)
{
    static_assert(kSchemaVersion == 2, "add the steps to the new version here");
    if (userVersion(db) != 1 || !run(db, QStringLiteral("BEGIN IMMEDIATE")))
        return;
    auto rollback = qScopeGuard([db] { run(db, QStringLiteral("ROLLBACK")); });
    // Another program may have upgraded it while this one waited for the lock.
    if (userVersion(db) != 1)
        return;
    for (const QString& statement : toVersionTwo()) {
        if (!run(db, statement))
            return;
    }
    if (run(db, QStringLiteral("COMMIT")))
        rollback.dismiss();
}

} // namespace dao
