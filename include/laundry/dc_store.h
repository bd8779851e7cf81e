// Exported data collection storage entry points: listing the records read
// from DC cards, marking those already stored, storing them, and showing one.
#pragma once

#include "laundry/laundry_export.h"

#include <cstdint>
#include <optional>

class CdbDatabase;
class CdbRecordset;
class GenericDC;
struct GenericDCRec;

extern "C" {

// Adds one summary row (MACHINE, LOCATION, COLLECTION DATE, RECORD NUMBER)
// for each record to `recordset`, an open recordset of the host's temp table
// (a copy shares the host's cursor). With `skipDuplicates` set, records
// marked duplicate get no row; RECORD NUMBER is always the record's index in
// `records`. 1 when every row was added, 0 after an engine error (shown).
LAUNDRY_EXPORT uint8_t fill_temp_recordset_laundry_dc(CdbRecordset recordset, GenericDC* records,
                                                      uint8_t skipDuplicates);

// Stores one record as a new row of MACHINE DATA (families 3 to 6 and 13) or
// ADVANTECK AUDIT (family 8) of the host's open system database. 1 when the
// row was stored; 0 otherwise (every failure but an unknown family shown).
// A stored row is complete or absent.
LAUNDRY_EXPORT uint8_t copy_laundry_dc_struct_to_database(CdbDatabase* database,
                                                          const GenericDCRec* record);

// Sets the duplicate flag of every record to 1 when its row is already
// stored, 0 when not. 1 when every record was searched; 0 at the first
// record of a family that is never stored or whose search failed (records
// before it keep their flags).
LAUNDRY_EXPORT uint8_t mark_duplicate_laundry_dc_record(CdbDatabase* database, GenericDC* records);

// Shows one record in the read-only view that suits its family and model.
LAUNDRY_EXPORT void ShowLaundryDcViewer(const GenericDCRec* record);

} // extern "C"

// What a host's store of a card's records came to.
struct LaundryDcStoreCount {
    int read = 0;       // records in the container
    int duplicates = 0; // of them already stored before
    int stored = 0;     // rows added now
    int failed = 0;     // records listed for storing but not stored (shown)
};

// A host's whole store, as both hosts run it: marks the duplicates, lists
// the records to store in the temp table DC TEMP (duplicates left out
// unless `storeDuplicates`), and stores each listed record, with a progress
// window. The listing is taken back afterwards, so the list of another
// program in the same database is never touched. nullopt when marking or
// listing stopped (shown).
LAUNDRY_EXPORT std::optional<LaundryDcStoreCount>
store_laundry_dc_records(CdbDatabase* database, GenericDC* records, bool storeDuplicates);
