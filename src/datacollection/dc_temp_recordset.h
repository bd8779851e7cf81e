// The summary rows a host lists before it stores DC records.
#pragma once

#include "services/dao.h"
#include "services/dc_records.h"

#include <cstdint>

namespace datacollection {

// Adds MACHINE, LOCATION, COLLECTION DATE and RECORD NUMBER (the record's
// index in records) for each record; with skipDuplicates, records marked
// duplicate get no row and leave a gap in the numbers. A collection time
// that is no date leaves COLLECTION DATE empty. 1 when every row was added;
// 0 after a message at the first engine error, the rows before it kept.
uint8_t fill_temp_recordset_laundry_dc(CdbRecordset& recordset, const GenericDC& records,
                                       bool skipDuplicates);

} // namespace datacollection
