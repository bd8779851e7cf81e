// A host's store of a card's records: mark, list, store, as the hosts do it.
#include "datacollection/dc_messages.h"
#include "exports/module_state.h"
#include "laundry/dc_store.h"
#include "services/dao.h"
#include "services/dc_records.h"
#include "services/progress.h"
#include "services/prompt.h"

#include <vector>

namespace {

constexpr char kTitleStoring[] = "Storing Data Collection Records ... Please Wait";
constexpr char kStepStoring[] = "Storing record %1 of %2 ...";
constexpr char kErrorListing[] = "Error listing the records in DC TEMP.\nError %1 : %2\n";

// The record numbers the temp table lists; the listing is rolled back.
std::optional<std::vector<int>> listedRecords(CdbDatabase& database, GenericDC& records,
                                              bool skipDuplicates)
{
    std::vector<int> numbers;
    try {
        CdbTransaction listing(database);
        database.Execute(QStringLiteral("DELETE FROM [DC TEMP]"));
        CdbRecordset temp = database.OpenRecordset(QStringLiteral("DC TEMP"));
        if (fill_temp_recordset_laundry_dc(temp, &records, skipDuplicates ? 1 : 0) != 1)
            return std::nullopt; // shown
        temp.Requery();
        for (; !temp.GetEOF(); temp.MoveNext())
            numbers.push_back(temp.GetField(QStringLiteral("RECORD NUMBER")).toInt());
        temp.Close();
    } catch (const CdbException& error) {
        promptui::MessageBox(
            QString::fromLatin1(kErrorListing).arg(error.errorNumber()).arg(error.description()),
            QString::fromLatin1(datacollection::text::kCaptionError),
            promptui::MB_OK | promptui::MB_ICONERROR);
        return std::nullopt;
    }
    return numbers;
}

} // namespace

std::optional<LaundryDcStoreCount>
store_laundry_dc_records(CdbDatabase* database, GenericDC* records, bool storeDuplicates)
{
    exports::ModuleState state;
    if (!database || !records)
        return std::nullopt;
    if (mark_duplicate_laundry_dc_record(database, records) != 1)
        return std::nullopt;
    const auto listed = listedRecords(*database, *records, !storeDuplicates);
    if (!listed)
        return std::nullopt;

    LaundryDcStoreCount count;
    count.read = records->GetNumRecs();
    for (int i = 0; i < records->GetNumRecs(); ++i)
        count.duplicates += records->GetRec(i)->duplicate_flag != 0;
    const int total = static_cast<int>(listed->size());
    promptui::ProgressGuard progress(QString::fromLatin1(kTitleStoring), total);
    for (int i = 0; i < total; ++i) {
        promptui::StepProgress(QString::fromLatin1(kStepStoring).arg(i + 1).arg(total));
        const GenericDCRec* record = records->GetRec((*listed)[size_t(i)]);
        if (record && copy_laundry_dc_struct_to_database(database, record) == 1)
            ++count.stored;
        else
            ++count.failed;
    }
    return count;
}
