// Setting the counter columns of a row being added.
#pragma once

#include "services/dao.h"
#include "services/dc_counters.h"

#include <span>

namespace datacollection {

// Sets each column from its counter in block (the recordset finds a field's
// name by hash). Engine errors (a column the table lacks: 3265) are raised as
// CdbException.
void setCounterColumns(CdbRecordset& recordset, std::span<const cardcore::DcColumn> columns,
                       const uint8_t* block);

} // namespace datacollection
