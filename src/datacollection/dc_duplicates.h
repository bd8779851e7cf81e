// Marking the DC records that are already stored: each record is searched in
// its table by its ids, collection date and counters.
#pragma once

#include "services/dao.h"
#include "services/dc_records.h"

#include <QDateTime>
#include <QString>

#include <cstdint>

namespace datacollection {

// 1 when every record was searched and its duplicate_flag set; 0 at the
// first record of a family that is never stored (no message) or whose
// search failed (after a message). Records before it keep their flags.
uint8_t mark_duplicate_laundry_dc_record(CdbDatabase& database, GenericDC& records);

// Search one record (families 3 to 6 and 13, or 8) and set its flag. A
// record whose collection time is no date can never have been stored: its
// flag is 0. 1, or 0 after a message.
uint8_t find_machine_data_duplicate(CdbDatabase& database, GenericDCRec& record);
uint8_t find_advanteck_audit_duplicate(CdbDatabase& database, GenericDCRec& record);

// The search filters, for the record collected at `collected`.
QString machineDataDuplicateFilter(const GenericDCRec& record, const QDateTime& collected);
QString advanteckAuditDuplicateFilter(const GenericDCRec& record, const QDateTime& collected);

} // namespace datacollection
