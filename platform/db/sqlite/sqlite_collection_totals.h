// The statement behind SqliteBackend::collectionTotals, for the benchmark
// that runs it straight on SQLite.
#pragma once

#include "../sql_value.h"
#include "services/collection_totals.h"

#include <vector>

namespace dao {

// One row per machine and period: its period's first day, MACHINEID,
// LOCATIONID, then the sums in the order of dbhelper::CollectionTotals.
// Parameters: collectionTotalsParams.
QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query);
std::vector<SqlValue> collectionTotalsParams(const dbhelper::CollectionTotalsQuery& query);

} // namespace dao
