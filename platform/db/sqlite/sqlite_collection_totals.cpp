// The collections report's statements on SQLite: the shared statements in
// SQLite's words, and the machines listed by a skip scan of the machine index.
#include "sqlite_collection_totals.h"

#include "../collection_totals_sql.h"
#include "sqlite_backend.h"

#include <QScopeGuard>

namespace dao {
namespace {

QString sqliteParam(int n, const char*)
{
    return QStringLiteral("?%1").arg(n);
}

const CollectionSqlDialect& sqliteDialect()
{
    static const CollectionSqlDialect dialect{
        quoteIdentifier, sqliteParam, QStringLiteral("rowid"),
        // the Sunday ending the week, back to its Monday
        QStringLiteral("date(d, 'weekday 0', '-6 days')"),
        QStringLiteral("CAST(julianday(substr(d, 1, 10)) - julianday(substr(prior, 1, 10)) "
                       "AS INTEGER)")};
    return dialect;
}

class SqliteRow : public ResultRow {
public:
    explicit SqliteRow(const StatementUse& statement) : statement_(statement) {}
    bool isNull(int column) const override { return dao::isNull(statement_.column(column)); }
    QString text(int column) const override { return statement_.columnText(column); }

private:
    const StatementUse& statement_;
};

} // namespace

QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query)
{
    return collectionTotalsSql(query, sqliteDialect());
}

std::vector<dbhelper::CollectionTotals>
SqliteBackend::collectionTotals(const dbhelper::CollectionTotalsQuery& query)
{
    // The statement sorts every row of the range twice: in memory, as the
    // sorter's temporary files would cost more than the sort. Only a speed-up:
    // where the setting cannot change, the statement runs as it is.
    sqlite3* db = connection();
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    const auto restore = qScopeGuard(
        [db] { sqlite3_exec(db, "PRAGMA temp_store = DEFAULT", nullptr, nullptr, nullptr); });
    StatementUse statement = use(collectionTotalsSql(query));
    statement.bindAll(collectionTotalsParams(query));
    std::vector<dbhelper::CollectionTotals> totals;
    const SqliteRow row(statement);
    while (statement.step())
        totals.push_back(collectionTotalsFromRow(row));
    return totals;
}

QStringList SqliteBackend::collectionTotalsPlan(const dbhelper::CollectionTotalsQuery& query)
{
    StatementUse statement =
        use(QStringLiteral("EXPLAIN QUERY PLAN ") + collectionTotalsSql(query));
    statement.bindAll(collectionTotalsParams(query));
    QStringList lines;
    while (statement.step())
        lines << statement.columnText(3);
    return lines;
}

// Machine by machine along the machine index, each step one seek: the next
// location of the machine, or else the first of the next machine. A pair
// travels as one text, the ids apart by char(1) (ids are printable).
std::vector<dbhelper::MachineLastCollection>
SqliteBackend::collectedMachines(const dbhelper::CollectionColumns& columns)
{
    const QString machine = QStringLiteral("substr(k.n, 1, instr(k.n, char(1)) - 1)");
    const QString location = QStringLiteral("substr(k.n, instr(k.n, char(1)) + 1)");
    const QString pair = QStringLiteral("x.MACHINEID || char(1) || x.LOCATIONID");
    const QString sql =
        QStringLiteral(
            "WITH RECURSIVE k(n) AS (SELECT * FROM (SELECT MACHINEID || char(1) || LOCATIONID "
            "FROM %1 ORDER BY MACHINEID, LOCATIONID LIMIT 1) "
            "UNION ALL SELECT coalesce("
            "(SELECT %2 FROM %1 x WHERE x.MACHINEID = %3 AND x.LOCATIONID > %4 ORDER BY "
            "x.LOCATIONID LIMIT 1), "
            "(SELECT %2 FROM %1 x WHERE x.MACHINEID > %3 ORDER BY x.MACHINEID, x.LOCATIONID "
            "LIMIT 1)) FROM k WHERE k.n IS NOT NULL) "
            "SELECT substr(n, 1, instr(n, char(1)) - 1), substr(n, instr(n, char(1)) + 1) "
            "FROM k WHERE n IS NOT NULL")
            .arg(quoteIdentifier(columns.table), pair, machine, location);
    StatementUse statement = use(sql);
    std::vector<dbhelper::MachineLastCollection> machines;
    while (statement.step())
        machines.push_back({statement.columnText(0), statement.columnText(1), {}, {}});
    return machines;
}

dbhelper::MachineLastCollection
SqliteBackend::lastCollection(const dbhelper::CollectionColumns& columns, const QString& machine,
                              const QString& location, const QDate& before)
{
    StatementUse statement = use(lastCollectionSql(columns, sqliteDialect()));
    statement.bindAll({machine, location, lastCollectionBound(before)});
    dbhelper::MachineLastCollection last{machine, location, {}, {}};
    if (statement.step()) {
        last.lastCollected = statement.columnText(0);
        last.lastElapsed = Currency(statement.columnInt(1));
    }
    return last;
}

} // namespace dao
