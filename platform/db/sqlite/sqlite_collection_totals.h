// The statement behind SqliteBackend::collectionTotals, for the benchmark
// that runs it straight on SQLite.
#pragma once

#include "services/collection_totals.h"

namespace dao {

// One row per machine and period (see collection_totals_sql.h); its
// parameters are collectionTotalsParams.
QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query);

} // namespace dao
