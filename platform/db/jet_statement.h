// The SQL a recordset or Execute accepts, Jet style: a table name alone,
// "SELECT * | [c], ... FROM [t] [WHERE filter] [ORDER BY [c] [ASC|DESC], ...]"
// and "DELETE [*] FROM [t] [WHERE filter]". Nothing here becomes SQL text;
// the parts are names and a filter tree for the backend to bind.
#pragma once

#include "filter_ast.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace dao {

struct OrderName {
    QString column;
    bool descending = false;
};

struct SelectStatement {
    QString table;
    QStringList columns; // empty: every column
    std::unique_ptr<Expr> where;
    QString whereText; // for error messages
    std::vector<OrderName> order;
};

struct DeleteStatement {
    QString table;
    std::unique_ptr<Expr> where;
    QString whereText;
};

// A table name or a SELECT; raises CdbException (3075 in the WHERE clause,
// 3131, 3138, 3141, 3142 elsewhere).
SelectStatement parseRecordsetSource(const QString& source);
// Raises 3129 for anything but DELETE.
DeleteStatement parseDeleteStatement(const QString& sql);

} // namespace dao
