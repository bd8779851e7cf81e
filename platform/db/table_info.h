// What the DAO layer knows of a table: its columns in order and the kind of
// value each holds, read from the schema by the backend.
#pragma once

#include "services/dao.h"

#include <QHash>
#include <QString>

#include <vector>

namespace dao {

enum class ColumnKind { Text, Integer, Currency, Boolean, Date, Double, Any };

struct ColumnInfo {
    QString name;
    ColumnKind kind = ColumnKind::Any;
    bool isRowKey = false; // the column that aliases the row's key (auto-number)
};

struct TableInfo {
    QString name;
    std::vector<ColumnInfo> columns;

    // Column names compare without regard to case, as Jet's do; -1 if unknown.
    int columnIndex(const QString& columnName) const;

    // Kept by columnIndex (public only so the struct stays an aggregate):
    // case-folded name to index, made at the first lookup, as a record of a
    // hundred and fifty columns sets each by name.
    mutable QHash<QString, int> byName_ = {};
    mutable size_t indexedColumns_ = 0;
};

// The kind of a column from its declared type: "TEXT", "INTEGER",
// "CURRENCY INTEGER", "YESNO INTEGER", "DATETIME TEXT", or anything else by
// the engine's affinity rules.
ColumnKind kindFromDeclaredType(const QString& declaredType);
// The declared type the schema writes for a kind.
QString declaredTypeOf(ColumnKind kind);
CdbFieldType fieldTypeOf(ColumnKind kind);

} // namespace dao
