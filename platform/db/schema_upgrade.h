// Brings a system database made by an earlier version up to the current
// schema when it is opened for writing.
#pragma once

#include <sqlite3.h>

namespace dao {

// Upgrades a file of an older schema version in one transaction. When a step
// cannot be done (profile names that collide under the unique index, another
// program holding the write lock past the busy timeout, a full disk) the
// file keeps its old version and index, untouched, and opens as before; the
// next open for writing tries again. Files of no version (not made by this
// system) or a newer one are left alone.
void upgradeSchema(sqlite3* db);

} // namespace dao
