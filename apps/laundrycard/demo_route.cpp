#include "demo_route.h"

#include "laundry/dc_store.h"
#include "laundry/laundry.h"
#include "machines/route_year.h"
#include "services/dao.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace demo {
namespace {

bool holdsCollections(CdbDatabase& database)
{
    for (const char* table : {"MACHINE DATA", "ADVANTECK AUDIT"}) {
        CdbRecordset rows = database.OpenRecordset(QLatin1String(table));
        const bool any = rows.GetRecordCount() > 0;
        rows.Close();
        if (any)
            return true;
    }
    return false;
}

} // namespace

std::optional<int> storeDemoRoute(const QString& path, uint32_t seed, const QDate& lastDay,
                                  QString* error)
{
    // A missing file is made; a server's database exists or the connection
    // says why not (its tables come from db init).
    if (!dbhelper::isServerDatabase(path) && !QFileInfo::exists(path) &&
        !dbhelper::createDatabase(path, error))
        return std::nullopt;
    // The Advanteck records' card-holder lookup opens the same file.
    set_laundry_database_path(path.toUtf8().constData());
    CdbDBEngine engine;
    CdbDatabase database;
    if (!dbhelper::Connect_To_Database(path, &database, &engine, 0)) {
        *error = dbhelper::openFailureText(path);
        return std::nullopt;
    }
    const auto closer = qScopeGuard([&database] { database.Close(); });
    const QString shown = dbhelper::shownDatabaseName(path);
    try {
        if (holdsCollections(database)) {
            *error = QStringLiteral("%1 holds collections already; the demo year goes into a "
                                    "database of its own")
                         .arg(shown);
            return std::nullopt;
        }
        const std::vector<GenericDCRec> records = machines::routeYearRecords(seed, lastDay);
        CdbTransaction transaction(database);
        for (const GenericDCRec& record : records)
            if (copy_laundry_dc_struct_to_database(&database, &record) != 1) {
                *error = QStringLiteral("the demo year was not stored in %1").arg(shown);
                return std::nullopt; // the transaction takes back what was stored
            }
        transaction.Commit();
        return int(records.size());
    } catch (const CdbException& e) {
        *error = QStringLiteral("the demo year was not stored in %1.\nError %2 : %3")
                     .arg(shown)
                     .arg(e.errorNumber())
                     .arg(e.description());
        return std::nullopt;
    }
}

} // namespace demo
