// The system database's schema on a PostgreSQL server, written from the same
// table and index descriptions as the SQLite file's: a new table, column or
// index there appears here by itself.
#pragma once

#include <QString>
#include <QStringList>

namespace dao {

class PgBackend;

// The column types that say what kind of value a column holds.
inline constexpr const char* kPgCurrencyType = "laundry_currency"; // bigint, 1/10000
inline constexpr const char* kPgYesNoType = "laundry_yesno";       // bigint, 0 or 1
inline constexpr const char* kPgDateType = "laundry_datetime";     // 'YYYY-MM-DD HH:MM:SS'
inline constexpr const char* kPgVersionTable = "laundry_schema_version";

// The statements that make the schema in an empty database, in order.
QStringList pgSchemaStatements();

// Brings a database of an older version up to date: every column and index
// the schema has that it lacks is added, in one transaction. A database of
// no version (not made by this system) is left alone.
void upgradePgSchema(PgBackend& backend);

// Creates the schema in the empty database uri names; false with a
// sentence in error when it cannot (unreachable, tables there already).
bool createPgDatabase(const QString& uri, QString* error);

} // namespace dao
