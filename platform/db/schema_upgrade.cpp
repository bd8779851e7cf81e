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

bool hasColumn(sqlite3* db, const char* table, const char* column)
{
    sqlite3_stmt* stmt = nullptr;
    bool found = false;
    const QByteArray sql =
        QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(QLatin1String(table))).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK)
        while (!found && sqlite3_step(stmt) == SQLITE_ROW)
            found =
                qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)), column) == 0;
    sqlite3_finalize(stmt);
    return found;
}

// Version 3 added the MHN33 options page's Water Level and Temp Level (a
// file that has them already keeps them).
QStringList toVersionThree(sqlite3* db)
{
    QStringList statements;
    for (const char* column : {"WATER LEVEL", "TEMP LEVEL"})
        if (!hasColumn(db, "LAUNDRY SETUP", column))
            statements << QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                              .arg(quoteIdentifier(QStringLiteral("LAUNDRY SETUP")),
                                   quoteIdentifier(QLatin1String(column)),
                                   declaredTypeOf(ColumnKind::Boolean));
    return statements << QStringLiteral("PRAGMA user_version = 3");
}

// Version 4 indexed the collections by date for the collections report.
QStringList toVersionFour()
{
    QStringList statements;
    for (const TableDef& table : systemTables())
        for (const IndexDef& index : table.indexes)
            if (isCollectionDateIndex(index))
                statements << createIndexStatement(table, index)
                                  .replace(QStringLiteral("CREATE INDEX "),
                                           QStringLiteral("CREATE INDEX IF NOT EXISTS "));
    return statements << QStringLiteral("PRAGMA user_version = 4");
}

bool run(sqlite3* db, const QString& sql)
{
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

void upgradeSchema(sqlite3* db)
{
    static_assert(kSchemaVersion == 4, "add the steps to the new version here");
    const int found = userVersion(db);
    if (found < 1 || found >= kSchemaVersion || !run(db, QStringLiteral("BEGIN IMMEDIATE")))
        return;
    auto rollback = qScopeGuard([db] { run(db, QStringLiteral("ROLLBACK")); });
    // Another program may have upgraded it while this one waited for the lock.
    const int version = userVersion(db);
    if (version < 1 || version >= kSchemaVersion)
        return;
    QStringList statements;
    if (version < 2)
        statements << toVersionTwo();
    if (version < 3)
        statements << toVersionThree(db);
    statements << toVersionFour();
    for (const QString& statement : std::as_const(statements)) {
        if (!run(db, statement))
            return;
    }
    if (run(db, QStringLiteral("COMMIT")))
        rollback.dismiss();
}

} // namespace dao
