// Writes the SQLite SQL of a bound filter: column names come from the schema
// and are quoted; every value is a parameter. Text comparisons carry
// COLLATE NOCASE, which is also the collation of the text indexes, so they
// stay usable.
#pragma once

#include "../bound_filter.h"
#include "../table_info.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace dao {

struct SqlText {
    QString sql;
    std::vector<SqlValue> params;
};

QString quoteIdentifier(const QString& name);
// The expression naming a row's key in table: its INTEGER PRIMARY KEY column
// or the rowid.
QString keyExpression(const TableInfo& table);
void appendFilter(const BoundExpr& expr, const TableInfo& table, SqlText& out);
// What appendFilter would write, with column indexes for names: equal shapes
// write equal SQL. The filter's values go to params in the same order.
void appendFilterShape(const BoundExpr& expr, QByteArray& shape, std::vector<SqlValue>& params);
// The filter's values alone, in the order appendFilter writes them.
void appendFilterValues(const BoundExpr& expr, std::vector<SqlValue>& params);

// The name of the LIKE function the backend registers on each connection.
inline constexpr const char* kLikeFunctionName = "laundry_jet_like";

} // namespace dao
