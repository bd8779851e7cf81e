// SQLite result codes as DAO errors: the DAO number from the extended result
// code, the description the engine's own text.
#pragma once

#include <sqlite3.h>

#include <QString>

namespace dao {

int daoNumberForSqlite(int extendedCode);

// Raises the DAO error of rc with sqlite3_errmsg(db) (or sqlite3_errstr(rc)
// when there is no handle).
[[noreturn]] void raiseSqlite(sqlite3* db, int rc);

} // namespace dao
