// Storing one DC record as a new row of MACHINE DATA (families 3 to 6 and
// 13) or ADVANTECK AUDIT (family 8) of the host's open system database. Each
// writer opens its table for the one record and closes it before it returns;
// the row is stored by a single Update, so it is complete or absent.
#pragma once

#include "services/dao.h"
#include "services/dc_records.h"

#include <cstdint>

namespace datacollection {

// 1 when the row was stored; 0 after a message (an unknown family: none).
uint8_t copy_laundry_dc_struct_to_database(CdbDatabase& database, const GenericDCRec& record);

uint8_t write_machine_data_record(CdbDatabase& database, const GenericDCRec& record);
uint8_t write_mdc_quantum_record(CdbDatabase& database, const GenericDCRec& record);
uint8_t write_advanteck_audit_record(CdbDatabase& database, const GenericDCRec& record);

} // namespace datacollection
