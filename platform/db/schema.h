// The tables of the system database: every column the system reads or
// writes, in its kind, with a rowid key per table and the indexes its
// lookups need.
#pragma once

#include "table_info.h"

#include <QStringList>

#include <vector>

namespace dao {

inline constexpr int kSchemaVersion = 1;

struct ColumnDef {
    const char* name;
    ColumnKind kind;
};

struct IndexDef {
    const char* name;
    std::vector<const char*> columns;
};

struct TableDef {
    const char* name;
    const char* keyColumn; // INTEGER PRIMARY KEY AUTOINCREMENT: the row's key
    std::vector<ColumnDef> columns;
    std::vector<IndexDef> indexes;
};

const std::vector<TableDef>& systemTables();

// The CREATE TABLE and CREATE INDEX statements of the schema, in order.
QStringList schemaStatements();

} // namespace dao
