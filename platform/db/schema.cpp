#include "schema.h"

#include "database_name.h"
#include "postgres/pg_schema.h"

#include "services/dao.h"
#include "sqlite/sqlite_sql_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <sqlite3.h>

namespace dao {
namespace {

QString columnDefinition(const ColumnDef& column)
{
    QString definition =
        quoteIdentifier(QLatin1String(column.name)) + u' ' + declaredTypeOf(column.kind);
    // Text compares without regard to case everywhere, as Jet's does, and
    // the indexes inherit the collation so finds can use them.
    if (column.kind == ColumnKind::Text)
        definition += QStringLiteral(" COLLATE NOCASE");
    return definition;
}

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Builds the schema into a new file at path, in one transaction.
bool buildFile(const QString& path, QString* error)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> db(raw);
    if (rc != SQLITE_OK)
        return fail(error, QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    QStringList statements;
    statements << QStringLiteral("BEGIN IMMEDIATE") << schemaStatements()
               << QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)
               << QStringLiteral("COMMIT");
    for (const QString& statement : std::as_const(statements)) {
        char* message = nullptr;
        if (sqlite3_exec(raw, statement.toUtf8().constData(), nullptr, nullptr, &message) !=
            SQLITE_OK) {
            const QString text = QString::fromUtf8(message);
            sqlite3_free(message);
            return fail(error, text);
        }
    }
    return true;
}

} // namespace

QString createIndexStatement(const TableDef& table, const IndexDef& index)
{
    QStringList names;
    for (const char* column : index.columns)
        names << quoteIdentifier(QLatin1String(column));
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
             quoteIdentifier(QLatin1String(index.name)), quoteIdentifier(QLatin1String(table.name)),
             names.join(QStringLiteral(", ")));
}

QStringList schemaStatements()
{
    QStringList statements;
    for (const TableDef& table : systemTables()) {
        QStringList columns;
        columns << quoteIdentifier(QLatin1String(table.keyColumn)) +
                       QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
        for (const ColumnDef& column : table.columns)
            columns << columnDefinition(column);
        statements << QStringLiteral("CREATE TABLE %1 (%2)")
                          .arg(quoteIdentifier(QLatin1String(table.name)),
                               columns.join(QStringLiteral(", ")));
        for (const IndexDef& index : table.indexes)
            statements << createIndexStatement(table, index);
    }
    return statements;
}

} // namespace dao

namespace dbhelper {

int schemaVersion()
{
    return dao::kSchemaVersion;
}

bool createDatabase(const QString& path, QString* error)
{
    if (dao::isServerDatabase(path))
        return dao::createPgDatabase(path, error);
    const QFileInfo target(path);
    if (path.isEmpty())
        return dao::fail(error, QStringLiteral("No database file name given."));
    if (target.exists())
        return dao::fail(error, QStringLiteral("'%1' already exists; it is not overwritten.")
                                    .arg(QDir::toNativeSeparators(path)));
    if (!target.absoluteDir().exists())
        return dao::fail(error, QStringLiteral("The folder '%1' does not exist.")
                                    .arg(QDir::toNativeSeparators(target.absolutePath())));
    // Built beside the target and renamed into place, so the file either
    // appears complete or not at all.
    const QString staging = target.absoluteFilePath() + QStringLiteral(".creating-") +
                            QUuid::createUuid().toString(QUuid::Id128);
    const bool built = dao::buildFile(staging, error);
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(staging + QLatin1String(suffix));
    if (!built) {
        QFile::remove(staging);
        return false;
    }
    if (!QFile::rename(staging, target.absoluteFilePath())) {
        QFile::remove(staging);
        return dao::fail(error,
                         QStringLiteral("Cannot create '%1'.").arg(QDir::toNativeSeparators(path)));
    }
    // The journal mode is kept in the file: switch it to WAL once.
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(target.absoluteFilePath()).constData(), &raw,
                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK)
        sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_close_v2(raw);
    return true;
}

} // namespace dbhelper
