// The collections report's statements, written once for both engines: what
// differs between SQLite and PostgreSQL (parameters, quoting, the week's
// Monday, days between two dates) is the dialect's; the rows they return are
// read into the report's figures by one reader.
#pragma once

#include "services/collection_totals.h"
#include "sql_value.h"

#include <vector>

namespace dao {

struct CollectionSqlDialect {
    QString (*quote)(const QString& name);
    // The bound value number n (from 1), of SQL type type where the engine
    // wants it named.
    QString (*param)(int n, const char* type);
    QString rowOrder;   // breaks ties between rows of one date
    QString weekMonday; // of the text d: its Monday, "YYYY-MM-DD"
    QString dayGap;     // whole days from prior's day to d's
};

// One row per machine and period: its period's first day, MACHINEID,
// LOCATIONID, then the sums in the order of dbhelper::CollectionTotals.
QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query,
                            const CollectionSqlDialect& dialect);
std::vector<SqlValue> collectionTotalsParams(const dbhelper::CollectionTotalsQuery& query);

// The machine's last collection before a day: its date and elapsed cash.
// Parameters: machine, location, lastCollectionBound(before).
QString lastCollectionSql(const dbhelper::CollectionColumns& columns,
                          const CollectionSqlDialect& dialect);
SqlValue lastCollectionBound(const QDate& before);

// One returned row, however the engine hands its values over.
class ResultRow {
public:
    virtual ~ResultRow() = default;
    virtual bool isNull(int column) const = 0;
    virtual QString text(int column) const = 0;
    qint64 integer(int column) const { return text(column).toLongLong(); }
};

dbhelper::CollectionTotals collectionTotalsFromRow(const ResultRow& row);

} // namespace dao
