#include "services/dc_generic_info.h"

#include "services/dao.h"
#include "services/dc_counters.h"
#include "services/dc_record_text.h"
#include "services/prompt.h"

namespace cardcore {

bool CopyGenericInfoToDB(CdbRecordset& recordset, const GenericDCRec& record)
{
    const std::optional<QDateTime> collected = dcCollectDateTime(record.collect_time);
    if (!collected) {
        // A row without its date could never be found as a duplicate again.
        promptui::MessageBox(
            QStringLiteral("Machine %1, location %2: the collection time %3 is not a date.\n"
                           "The record is not stored.")
                .arg(dcIdText(record.machine_id), dcIdText(record.location_id),
                     dcCollectTimeText(record.collect_time)),
            QStringLiteral("ERROR: Reader Manager"), promptui::MB_OK | promptui::MB_ICONERROR);
        return false;
    }
    recordset.SetField(QStringLiteral("MACHINEID"), dcIdText(record.machine_id));
    recordset.SetField(QStringLiteral("LOCATIONID"), dcIdText(record.location_id));
    recordset.SetField(QStringLiteral("COLLECTION DATE"), *collected);
    recordset.SetField(QStringLiteral("RECORD FAMILY"), int{record.record_family});
    if (record.record_family == 13) {
        for (const DcColumn& column : kDcSearchCounters)
            recordset.SetField(QLatin1String(column.name),
                               dcColumnValue(column, record.familyData()));
    }
    return true;
}

} // namespace cardcore
