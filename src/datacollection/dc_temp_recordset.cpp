#include "datacollection/dc_temp_recordset.h"

#include "datacollection/dc_store_messages.h"
#include "datacollection/dc_store_prompt.h"
#include "services/dc_record_text.h"

namespace datacollection {
namespace {

// Runs one step of adding a row; on an engine error shows message, drops
// the unfinished row from the host's recordset and gives false.
template <typename Step> bool tempStep(CdbRecordset& recordset, const char* message, Step&& step)
{
    try {
        step();
        return true;
    } catch (const CdbException& error) {
        showPlain(engineErrorText(message, error));
    }
    try {
        if (recordset.GetEditMode() != CdbEditMode::None)
            recordset.CancelUpdate();
    } catch (const CdbException&) {
        // The recordset is gone; nothing is left to drop.
    }
    return false;
}

} // namespace

uint8_t fill_temp_recordset_laundry_dc(CdbRecordset& recordset, const GenericDC& records,
                                       bool skipDuplicates)
{
    for (int i = 0; i < records.GetNumRecs(); ++i) {
        const GenericDCRec& record = *records.GetRec(i);
        if (skipDuplicates && record.duplicate_flag != 0)
            continue;
        if (!tempStep(recordset, text::kTempAddNew, [&] { recordset.AddNew(); }))
            return 0;
        const bool set = tempStep(recordset, text::kTempSetField, [&] {
            recordset.SetField(QStringLiteral("MACHINE"), cardcore::dcIdText(record.machine_id));
            recordset.SetField(QStringLiteral("LOCATION"), cardcore::dcIdText(record.location_id));
            if (const auto collected = cardcore::dcCollectDateTime(record.collect_time))
                recordset.SetField(QStringLiteral("COLLECTION DATE"), *collected);
            recordset.SetField(QStringLiteral("RECORD NUMBER"), i);
        });
        if (!set || !tempStep(recordset, text::kTempUpdate, [&] { recordset.Update(); }))
            return 0;
    }
    return 1;
}

} // namespace datacollection
