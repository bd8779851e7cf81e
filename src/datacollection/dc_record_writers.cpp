#include "datacollection/dc_record_writers.h"

#include "datacollection/card_holder_lookup.h"
#include "datacollection/dc_columns.h"
#include "datacollection/dc_row_writer.h"
#include "datacollection/dc_store_messages.h"
#include "datacollection/dc_store_prompt.h"
#include "services/dc_generic_info.h"
#include "services/open_table.h"

#include <functional>

namespace datacollection {
namespace {

const QString kMachineData = QStringLiteral("MACHINE DATA");
const QString kAdvanteckAudit = QStringLiteral("ADVANTECK AUDIT");

// The steps of storing one row. prepare runs once the table is open, fill
// once the generic columns are set; either can refuse after its message.
struct RowSteps {
    const QString& table;
    const char* cantOpen;
    std::function<bool()> prepare;
    std::function<bool(CdbRecordset&)> fill;
};

uint8_t storeRow(CdbDatabase& database, const GenericDCRec& record, const RowSteps& steps)
{
    OpenTable table; // closing it drops a row that was not updated
    if (table.open(database, steps.table) != OpenTable::Failure::None) {
        showError(steps.cantOpen, text::kTitleReaderManager);
        return 0;
    }
    try {
        if (steps.prepare && !steps.prepare())
            return 0;
        CdbRecordset& row = table.recordset();
        row.AddNew();
        if (!cardcore::CopyGenericInfoToDB(row, record) || !steps.fill(row))
            return 0;
        row.Update();
        return 1;
    } catch (const CdbException& error) {
        showPlain(engineErrorText(text::kStoreError, error));
        return 0;
    }
}

// The holder tables stay open only while one record is stored.
class UserTablesUse {
public:
    UserTablesUse() = default;
    ~UserTablesUse() { close_user_tables(); }
    UserTablesUse(const UserTablesUse&) = delete;
    UserTablesUse& operator=(const UserTablesUse&) = delete;
};

} // namespace

uint8_t write_machine_data_record(CdbDatabase& database, const GenericDCRec& record)
{
    return storeRow(database, record,
                    {kMachineData, text::kCantOpenMachineData, {}, [&](CdbRecordset& row) {
                         const uint8_t* block = record.familyData();
                         setCounterColumns(row, machineDataColumns(), block);
                         if (block[kModelCodeOffset] == kTopoffPriceModel)
                             setCounterColumns(row, {&kTopoffPrice, 1}, block);
                         return true;
                     }});
}

uint8_t write_mdc_quantum_record(CdbDatabase& database, const GenericDCRec& record)
{
    return storeRow(database, record,
                    {kMachineData, text::kCantOpenMachineData, {}, [&](CdbRecordset& row) {
                         setCounterColumns(row, mdcQuantumColumns(), record.familyData());
                         return true;
                     }});
}

uint8_t write_advanteck_audit_record(CdbDatabase& database, const GenericDCRec& record)
{
    const UserTablesUse userTables;
    auto openHolders = [] {
        if (open_user_tables())
            return true;
        showError(text::kCantOpenManager, text::kTitleReaderManager);
        return false;
    };
    auto fill = [&](CdbRecordset& row) {
        const uint8_t* block = record.familyData();
        if (!lookup_card_holder(cardHolderKey(block))) {
            showError(text::kCantOpenManager, text::kTitleReaderManager);
            return false;
        }
        const CardHolderNames& holder = cardHolderNames();
        row.SetField(QStringLiteral("SERIAL"), advanteckSerialText(block));
        row.SetField(QStringLiteral("FIRSTNAME"), holder.first);
        row.SetField(QStringLiteral("LASTNAME"), holder.last);
        setCounterColumns(row, advanteckAuditColumns(), block);
        return true;
    };
    return storeRow(database, record,
                    {kAdvanteckAudit, text::kCantOpenAdvanteckAudit, openHolders, fill});
}

uint8_t copy_laundry_dc_struct_to_database(CdbDatabase& database, const GenericDCRec& record)
{
    switch (record.record_family) {
    case 3:
    case 4:
    case 5:
    case 6:
        return write_machine_data_record(database, record);
    case 8:
        return write_advanteck_audit_record(database, record);
    case 13:
        return write_mdc_quantum_record(database, record);
    default:
        return 0; // never stored, and no message: the host skips such records
    }
}

} // namespace datacollection
