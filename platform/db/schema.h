// The tables of the system database: every column the system reads or
// writes, in its kind, with a rowid key per table and the indexes its
// lookups need.
#pragma once

#include "table_info.h"

#include <QStringList>

#include <vector>

namespace dao {

// 2: the profile name of LAUNDRY SETUP is unique in any letter case.
// 3: LAUNDRY SETUP has the MHN33 columns WATER LEVEL and TEMP LEVEL.
// 4: MACHINE DATA and ADVANTECK AUDIT are indexed by COLLECTION DATE (the
//    collections report of a period).
inline constexpr int kSchemaVersion = 4;

struct ColumnDef {
    const char* name;
    ColumnKind kind;
};

struct IndexDef {
    const char* name;
    std::vector<const char*> columns;
    bool unique = false; // in the columns' collation: NOCASE for text
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
QString createIndexStatement(const TableDef& table, const IndexDef& index);
// An index schema version 4 added: a table by collection date.
bool isCollectionDateIndex(const IndexDef& index);

} // namespace dao
