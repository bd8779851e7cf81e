#include "datacollection/dc_duplicates.h"

#include "datacollection/dc_columns.h"
#include "datacollection/dc_store_messages.h"
#include "datacollection/dc_store_prompt.h"
#include "services/dc_counters.h"
#include "services/dc_record_text.h"
#include "services/open_table.h"

namespace datacollection {
namespace {

using cardcore::DcColumn;

QString counterText(const DcColumn& column, const uint8_t* block)
{
    return QString::number(cardcore::dcCounter(block, column.offset, column.width));
}

QString centsText(int offset, const uint8_t* block)
{
    return cardcore::dcCents(block, offset, 4).toString();
}

QString quotedId(const char (&id)[10])
{
    return dbhelper::quoteFilterText(cardcore::dcIdText(id));
}

// The audit record's cash counters, where the machine keeps them.
constexpr int kAuditIntCash = 132;
constexpr int kAuditElpCash = 128;

using FilterOf = QString (*)(const GenericDCRec&, const QDateTime&);

uint8_t findDuplicate(CdbDatabase& database, GenericDCRec& record, const QString& tableName,
                      const char* cantOpen, FilterOf filterOf)
{
    OpenTable table;
    if (table.open(database, tableName) != OpenTable::Failure::None) {
        showError(cantOpen, text::kTitleReaderManager);
        return 0;
    }
    const std::optional<QDateTime> collected = cardcore::dcCollectDateTime(record.collect_time);
    if (!collected) {
        record.duplicate_flag = 0;
        return 1;
    }
    try {
        CdbRecordset& rows = table.recordset();
        rows.FindFirst(filterOf(record, *collected));
        record.duplicate_flag = rows.GetNoMatch() ? 0 : 1;
        return 1;
    } catch (const CdbException& error) {
        showPlain(engineErrorText(text::kSearchError, error));
        return 0;
    }
}

} // namespace

// The filters are appended piece by piece: an arg() chain over eight values
// cost a microsecond of every record's search.
QString machineDataDuplicateFilter(const GenericDCRec& record, const QDateTime& collected)
{
    const uint8_t* block = record.familyData();
    QString filter;
    filter.reserve(224);
    filter += QLatin1String("(MACHINEID = ");
    filter += quotedId(record.machine_id);
    filter += QLatin1String(") AND (LOCATIONID = ");
    filter += quotedId(record.location_id);
    filter += QLatin1String(") AND ([INT CYCLES] = ");
    filter += counterText(cardcore::kDcIntCycles, block);
    filter += QLatin1String(") AND ([ELP CYCLES] = ");
    filter += counterText(cardcore::kDcElpCycles, block);
    filter += QLatin1String(") AND ([INT CASH] = ");
    filter += centsText(cardcore::kDcIntCash.offset, block);
    filter += QLatin1String(") AND ([ELP CASH] = ");
    filter += centsText(cardcore::kDcElpCash.offset, block);
    filter += QLatin1String(") AND ([ELP RUN TIME] = ");
    filter += counterText(cardcore::kDcElpRunTime, block);
    filter += QLatin1String(") AND ([COLLECTION DATE] = #");
    filter += dbhelper::filterDateText(collected);
    filter += QLatin1String("#)");
    return filter;
}

QString advanteckAuditDuplicateFilter(const GenericDCRec& record, const QDateTime& collected)
{
    const uint8_t* block = record.familyData();
    QString filter;
    filter.reserve(160);
    filter += QLatin1String("(MACHINEID = ");
    filter += quotedId(record.machine_id);
    filter += QLatin1String(") AND (LOCATIONID = ");
    filter += quotedId(record.location_id);
    filter += QLatin1String(") AND ([SERIAL] = ");
    filter += dbhelper::quoteFilterText(advanteckSerialText(block));
    filter += QLatin1String(") AND ([INT CASH] = ");
    filter += centsText(kAuditIntCash, block);
    filter += QLatin1String(") AND ([ELP CASH] = ");
    filter += centsText(kAuditElpCash, block);
    filter += QLatin1String(") AND ([COLLECTION DATE] = #");
    filter += dbhelper::filterDateText(collected);
    filter += QLatin1String("#)");
    return filter;
}

uint8_t find_machine_data_duplicate(CdbDatabase& database, GenericDCRec& record)
{
    return findDuplicate(database, record, QStringLiteral("MACHINE DATA"),
                         text::kCantOpenMachineData, machineDataDuplicateFilter);
}

uint8_t find_advanteck_audit_duplicate(CdbDatabase& database, GenericDCRec& record)
{
    return findDuplicate(database, record, QStringLiteral("ADVANTECK AUDIT"),
                         text::kCantOpenAdvanteckAudit, advanteckAuditDuplicateFilter);
}

uint8_t mark_duplicate_laundry_dc_record(CdbDatabase& database, GenericDC& records)
{
    for (int i = 0; i < records.GetNumRecs(); ++i) {
        GenericDCRec& record = *records.GetRec(i);
        uint8_t searched = 0;
        switch (record.record_family) {
        case 3:
        case 4:
        case 5:
        case 6:
        case 13:
            searched = find_machine_data_duplicate(database, record);
            break;
        case 8:
            searched = find_advanteck_audit_duplicate(database, record);
            break;
        default:
            break; // a family that is never stored ends the walk
        }
        if (!searched)
            return 0;
    }
    return 1;
}

} // namespace datacollection
