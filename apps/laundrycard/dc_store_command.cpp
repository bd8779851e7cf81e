// laundrycard dc store: the records of a data collection card into the
// system database, those already stored left out.
#include "cli.h"
#include "commands.h"
#include "dc_input.h"
#include "laundry/dc_store.h"
#include "ordered_json.h"

#include <QJsonObject>

namespace cli {

int dcStore(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("dc store --reader CARD --cust ID --db DB [--all] [--json]"),
        QStringLiteral("Reads the data collection card in the reader for customer ID, "
                       "marks the records already stored in DB, and stores the "
                       "others (every record with --all). Exit 0 when every record "
                       "it set out to store was stored, also when that is none."));
    auto& p = cmd.parser();
    addDcCardOptions(cmd);
    cmd.addDbOption();
    p.addOption({QStringLiteral("all"), QStringLiteral("Store duplicates too.")});
    p.addOption({QStringLiteral("json"),
                 QStringLiteral("Print {\"read\",\"duplicates\",\"stored\",\"failed\"} as JSON.")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("cust")) ||
        !p.isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--reader, --cust and --db are required"));
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    if (bad)
        return kExitUsage;

    CdbDatabase database;
    if (!openSystemDatabase(cmd.value(QStringLiteral("db")), database))
        return kExitFailed;
    GenericDC records;
    if (!readDcRecords(cmd.value(QStringLiteral("reader")), uint16_t(*custId), records))
        return kExitFailed;
    // The library marks, lists and stores, and shows every failure.
    const auto stored =
        store_laundry_dc_records(&database, &records, p.isSet(QStringLiteral("all")));
    if (!stored)
        return kExitFailed;
    const LaundryDcStoreCount& count = *stored;
    if (p.isSet(QStringLiteral("json")))
        printOut(toOrderedJson(QJsonObject{{"read", count.read},
                                           {"duplicates", count.duplicates},
                                           {"stored", count.stored},
                                           {"failed", count.failed}},
                               {"read", "duplicates", "stored", "failed"}) +
                 QLatin1Char('\n'));
    else
        printOut(QStringLiteral("Read %1 records: %2 already stored, %3 stored, %4 failed\n")
                     .arg(count.read)
                     .arg(count.duplicates)
                     .arg(count.stored)
                     .arg(count.failed));
    return count.failed == 0 ? kExitOk : kExitFailed;
}

} // namespace cli
