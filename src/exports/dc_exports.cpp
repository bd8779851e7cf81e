// Exported data collection card entry points.
#include "datacollection/advanteck_dc_card_creator.h"
#include "datacollection/dc_array_reader.h"
#include "datacollection/dc_duplicates.h"
#include "datacollection/dc_record_count.h"
#include "datacollection/dc_record_writers.h"
#include "datacollection/dc_temp_recordset.h"
#include "datacollection/reader_dc_card_creator.h"
#include "exports/module_state.h"
#include "laundry/dc_cards.h"
#include "laundry/dc_store.h"
#include "services/dao.h"

using datacollection::ReaderDcKind;

namespace {

uint8_t lowByte(uint32_t value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

} // namespace

extern "C" {

uint8_t create_laundry_dc_card(uint16_t custId, uint32_t dcOption)
{
    exports::ModuleState state;
    return datacollection::createReaderDcCard(ReaderDcKind::Plain, custId, lowByte(dcOption));
}

uint8_t create_complex_laundry_dc_card(uint16_t custId, uint32_t dcOption)
{
    exports::ModuleState state;
    return datacollection::createReaderDcCard(ReaderDcKind::Complex, custId, lowByte(dcOption));
}

uint8_t create_laundry_manual_dc_card(uint16_t custId, uint32_t /*unused*/)
{
    exports::ModuleState state;
    return datacollection::createReaderDcCard(ReaderDcKind::Manual, custId, 0);
}

uint8_t create_adv_dc_card(uint16_t custId, uint32_t /*unused*/)
{
    exports::ModuleState state;
    return datacollection::createAdvanteckDcCard(custId);
}

uint8_t setup_read_laundry_dc_card(uint32_t* totalLength, uint32_t* recordCount)
{
    exports::ModuleState state;
    return datacollection::setupReadReaderDcCard(totalLength, recordCount);
}

uint8_t read_laundry_dc_card(uint32_t recordNumber, uint8_t* buffer)
{
    exports::ModuleState state;
    return datacollection::readReaderDcRecord(recordNumber, buffer);
}

uint8_t end_read_laundry_dc_card()
{
    exports::ModuleState state;
    return datacollection::endReadReaderDcCard();
}

uint8_t fill_laundry_dc_array(BaseCardImage* image, uint16_t custId, GenericDC* records)
{
    exports::ModuleState state;
    if (!image || !records)
        return 0;
    return datacollection::fillDcArray(*image, custId, *records);
}

// The storage functions catch every engine error themselves and show it, so
// nothing is thrown back to the host.
uint8_t fill_temp_recordset_laundry_dc(CdbRecordset recordset, GenericDC* records,
                                       uint8_t skipDuplicates)
{
    exports::ModuleState state;
    if (!records)
        return 0;
    return datacollection::fill_temp_recordset_laundry_dc(recordset, *records, skipDuplicates != 0);
}

uint8_t copy_laundry_dc_struct_to_database(CdbDatabase* database, const GenericDCRec* record)
{
    exports::ModuleState state;
    if (!database || !record)
        return 0;
    return datacollection::copy_laundry_dc_struct_to_database(*database, *record);
}

uint8_t mark_duplicate_laundry_dc_record(CdbDatabase* database, GenericDC* records)
{
    exports::ModuleState state;
    if (!database || !records)
        return 0;
    return datacollection::mark_duplicate_laundry_dc_record(*database, *records);
}

} // extern "C"
