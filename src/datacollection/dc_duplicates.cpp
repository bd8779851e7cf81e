#include "datacollection/dc_duplicates.h"

#include "datacollection/dc_columns.h"
#include "datacollection/dc_store_messages.h"
#include "datacollection/dc_store_prompt.h"
#include "services/dc_counters.h"
#include "services/dc_record_text.h"
#include "services/open_table.h"

#include <iterator>

namespace datacollection {
namespace {

using cardcore::DcColumn;

// A counter's decimal digits, appended without a QString of their own.
void appendCounter(QString& text, const DcColumn& column, const uint8_t* block)
{
    uint32_t value = cardcore::dcCounter(block, column.offset, column.width);
    char16_t digits[10];
    int first = int(std::size(digits));
    do {
        digits[--first] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    text.append(QStringView(digits + first, int(std::size(digits)) - first));
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

namespace {

// The filters are appended piece by piece: an arg() chain over eight values
// cost a microsecond of every record's search. Both start with the machine
// and location and end with the collection date.
QString filterHead(const GenericDCRec& record)
{
    QString filter;
    filter.reserve(256);
    filter += QStringView(u"(MACHINEID = ");
    filter += quotedId(record.machine_id);
    filter += QStringView(u") AND (LOCATIONID = ");
    filter += quotedId(record.location_id);
    return filter;
}

void appendDateTail(QString& filter, const QDateTime& collected)
{
    filter += QStringView(u") AND ([COLLECTION DATE] = #");
    filter += dbhelper::filterDateText(collected);
    filter += QStringView(u"#)");
}

} // namespace

QString machineDataDuplicateFilter(const GenericDCRec& record, const QDateTime& collected)
{
    const uint8_t* block = record.familyData();
    QString filter = filterHead(record);
    filter += QStringView(u") AND ([INT CYCLES] = ");
    appendCounter(filter, cardcore::kDcIntCycles, block);
    filter += QStringView(u") AND ([ELP CYCLES] = ");
    appendCounter(filter, cardcore::kDcElpCycles, block);
    filter += QStringView(u") AND ([INT CASH] = ");
    filter += centsText(cardcore::kDcIntCash.offset, block);
    filter += QStringView(u") AND ([ELP CASH] = ");
    filter += centsText(cardcore::kDcElpCash.offset, block);
    filter += QStringView(u") AND ([ELP RUN TIME] = ");
    appendCounter(filter, cardcore::kDcElpRunTime, block);
    appendDateTail(filter, collected);
    return filter;
}

QString advanteckAuditDuplicateFilter(const GenericDCRec& record, const QDateTime& collected)
{
    const uint8_t* block = record.familyData();
    QString filter = filterHead(record);
    filter += QStringView(u") AND ([SERIAL] = ");
    filter += dbhelper::quoteFilterText(advanteckSerialText(block));
    filter += QStringView(u") AND ([INT CASH] = ");
    filter += centsText(kAuditIntCash, block);
    filter += QStringView(u") AND ([ELP CASH] = ");
    filter += centsText(kAuditElpCash, block);
    appendDateTail(filter, collected);
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
