#include "services/collection_totals.h"

#include "connection.h"

namespace dbhelper {

std::vector<CollectionTotals> ReadCollectionTotals(CdbDatabase& database,
                                                   const CollectionTotalsQuery& query)
{
    dao::Connection& connection = dao::connectionOf(database);
    connection.table(query.columns.table); // 3078 when the file has no such table
    return connection.backend().collectionTotals(query);
}

std::vector<MachineLastCollection> ReadCollectedMachines(CdbDatabase& database,
                                                         const CollectionColumns& columns)
{
    dao::Connection& connection = dao::connectionOf(database);
    connection.table(columns.table);
    return connection.backend().collectedMachines(columns);
}

MachineLastCollection ReadLastCollection(CdbDatabase& database, const CollectionColumns& columns,
                                         const QString& machine, const QString& location,
                                         const QDate& before)
{
    dao::Connection& connection = dao::connectionOf(database);
    connection.table(columns.table);
    return connection.backend().lastCollection(columns, machine, location, before);
}

} // namespace dbhelper
