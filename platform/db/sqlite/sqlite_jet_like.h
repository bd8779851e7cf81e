// Jet's LIKE as an SQL function on a connection.
#pragma once

#include <sqlite3.h>

namespace dao {

int registerJetLike(sqlite3* db);

} // namespace dao
