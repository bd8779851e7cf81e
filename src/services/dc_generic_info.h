// The columns every stored DC record starts with, written by the card
// library: MACHINEID, LOCATIONID, COLLECTION DATE and RECORD FAMILY, and for
// family 13 the counters its duplicate search compares (INT CYCLES, INT CASH,
// ELP CYCLES, ELP CASH, ELP RUN TIME), which its own columns leave out.
#pragma once

#include "services/dc_records.h"

class CdbRecordset;

namespace cardcore {

// Sets the generic columns of the row being added. False, after a message
// naming the record, when its collection time is no date; the row is then
// to be abandoned. Engine errors are raised as CdbException.
bool CopyGenericInfoToDB(CdbRecordset& recordset, const GenericDCRec& record);

} // namespace cardcore
