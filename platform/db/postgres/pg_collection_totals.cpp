// The collections report's statements on PostgreSQL: the shared statements
// in PostgreSQL's words, and the machines listed by a skip scan of the
// machine index.
#include "../collection_totals_sql.h"
#include "pg_backend.h"

namespace dao {
namespace {

QString pgParam(int n, const char* type)
{
    return QStringLiteral("$%1::%2").arg(n).arg(QLatin1String(type));
}

const CollectionSqlDialect& pgDialect()
{
    static const CollectionSqlDialect dialect{
        pgQuote, pgParam, pgQuote(QStringLiteral("ID")),
        // ISO weeks start on Monday, day 1
        QStringLiteral("to_char(substr(d, 1, 10)::date - (extract(isodow FROM "
                       "substr(d, 1, 10)::date)::int - 1), 'YYYY-MM-DD')"),
        QStringLiteral("(substr(d, 1, 10)::date - substr(prior, 1, 10)::date)")};
    return dialect;
}

class PgRow : public ResultRow {
public:
    explicit PgRow(const PGresult* result) : result_(result) {}
    void moveTo(int row) { row_ = row; }
    bool isNull(int column) const override { return PQgetisnull(result_, row_, column); }
    QString text(int column) const override
    {
        return QString::fromUtf8(PQgetvalue(result_, row_, column),
                                 PQgetlength(result_, row_, column));
    }

private:
    const PGresult* result_;
    int row_ = 0;
};

} // namespace

std::vector<dbhelper::CollectionTotals>
PgBackend::collectionTotals(const dbhelper::CollectionTotalsQuery& query)
{
    const PgResult r = run(collectionTotalsSql(query, pgDialect()), collectionTotalsParams(query));
    std::vector<dbhelper::CollectionTotals> totals;
    PgRow row(r.get());
    for (int i = 0; i < PQntuples(r.get()); ++i) {
        row.moveTo(i);
        totals.push_back(collectionTotalsFromRow(row));
    }
    return totals;
}

// Machine by machine along the machine index, each step one seek for the
// first pair after the one before.
std::vector<dbhelper::MachineLastCollection>
PgBackend::collectedMachines(const dbhelper::CollectionColumns& columns)
{
    const QString sql =
        QStringLiteral("WITH RECURSIVE k(m, l) AS ("
                       "(SELECT \"MACHINEID\", \"LOCATIONID\" FROM %1 "
                       "ORDER BY \"MACHINEID\", \"LOCATIONID\" LIMIT 1) "
                       "UNION ALL SELECT n.m, n.l FROM k, LATERAL (SELECT x.\"MACHINEID\" AS m, "
                       "x.\"LOCATIONID\" AS l FROM %1 x WHERE (x.\"MACHINEID\", x.\"LOCATIONID\") "
                       "> (k.m, k.l) ORDER BY x.\"MACHINEID\", x.\"LOCATIONID\" LIMIT 1) n) "
                       "SELECT m, l FROM k")
            .arg(pgQuote(columns.table));
    const PgResult r = run(sql);
    std::vector<dbhelper::MachineLastCollection> machines;
    for (int i = 0; i < PQntuples(r.get()); ++i)
        machines.push_back({QString::fromUtf8(PQgetvalue(r.get(), i, 0)),
                            QString::fromUtf8(PQgetvalue(r.get(), i, 1)),
                            {},
                            {}});
    return machines;
}

dbhelper::MachineLastCollection
PgBackend::lastCollection(const dbhelper::CollectionColumns& columns, const QString& machine,
                          const QString& location, const QDate& before)
{
    const PgResult r = run(lastCollectionSql(columns, pgDialect()),
                           {machine, location, lastCollectionBound(before)});
    dbhelper::MachineLastCollection last{machine, location, {}, {}};
    if (PQntuples(r.get()) > 0) {
        last.lastCollected = QString::fromUtf8(PQgetvalue(r.get(), 0, 0));
        last.lastElapsed = Currency(QByteArray(PQgetvalue(r.get(), 0, 1)).toLongLong());
    }
    return last;
}

} // namespace dao
