// The collections report of one year by month over the million stored rows,
// against two baselines run straight on SQLite in the same run: the plain
// SQL aggregate of the year (count, interval cash and cycles per month of
// both tables), and the report's own statements (per machine and month, with
// consecutive collections compared by a window) without the layers above.
#include "datacollection/collections_report.h"
#include "db/sqlite/sqlite_collection_totals.h"
#include "million_machine_rows.h"

#include <benchmark/benchmark.h>

namespace {

using bench::MillionMachineRows;
using bench::timedLoop;

// 2024 is a whole year of the million rows (2006-01-02 onwards, one every
// ten minutes): some 52,700 MACHINE DATA and 8,800 ADVANTECK AUDIT rows.
constexpr char kFrom[] = "2024-01-01 00:00:00";
constexpr char kTo[] = "2025-01-01 00:00:00";

qint64 runAggregate(sqlite3* db, const char* sql)
{
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &select, nullptr);
    sqlite3_bind_text(select, 1, kFrom, -1, SQLITE_STATIC);
    sqlite3_bind_text(select, 2, kTo, -1, SQLITE_STATIC);
    qint64 collections = 0;
    while (sqlite3_step(select) == SQLITE_ROW)
        collections += sqlite3_column_int64(select, 1);
    sqlite3_finalize(select);
    return collections;
}

void BM_CollectionsByMonth_RawAggregate(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    qint64 collections = 0;
    timedLoop(
        state,
        [&] {
            collections = 0;
            for (const char* table : {"MACHINE DATA", "ADVANTECK AUDIT"}) {
                const QByteArray sql =
                    QStringLiteral("SELECT substr(\"COLLECTION DATE\", 1, 7), count(*), "
                                   "sum(\"INT CASH\"), sum(\"INT CYCLES\") FROM \"%1\" WHERE "
                                   "\"COLLECTION DATE\" >= ?1 AND \"COLLECTION DATE\" < ?2 "
                                   "GROUP BY 1")
                        .arg(QLatin1String(table))
                        .toUtf8();
                collections += runAggregate(db, sql.constData());
            }
        },
        [](double seconds) { bench::recordBaseline("raw_aggregate", seconds); });
    state.counters["collections"] = double(collections);
}
BENCHMARK(BM_CollectionsByMonth_RawAggregate)->Unit(benchmark::kMillisecond);

void BM_CollectionsByMonth_RawReportSql(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    qint64 collections = 0;
    timedLoop(
        state,
        [&] {
            collections = 0;
            for (const char* table : {"MACHINE DATA", "ADVANTECK AUDIT"}) {
                const bool machines = qstrcmp(table, "MACHINE DATA") == 0;
                const dbhelper::CollectionTotalsQuery query{
                    {QLatin1String(table), QStringLiteral("INT CASH"), QStringLiteral("INT CYCLES"),
                     QStringLiteral("ELP CASH"),
                     machines ? QStringList{"INT TROUBLE CYCLES", "INT DRYER TROUBLE CYCLE",
                                            "INT WASHER TROUBLE CYCLE"}
                              : QStringList{},
                     machines ? QStringList{"INT UNAUTH SRV OPENINGS", "INT UNAUTH COIN VAULT OPNS"}
                              : QStringList{}},
                    QDate(2024, 1, 1),
                    QDate(2024, 12, 31),
                    dbhelper::CollectionPeriod::Month,
                    30};
                const QByteArray sql = dao::collectionTotalsSql(query).toUtf8();
                sqlite3_stmt* select = nullptr;
                sqlite3_prepare_v2(db, sql.constData(), -1, &select, nullptr);
                sqlite3_bind_text(select, 1, kFrom, -1, SQLITE_STATIC);
                sqlite3_bind_text(select, 2, kTo, -1, SQLITE_STATIC);
                sqlite3_bind_int(select, 3, 30);
                while (sqlite3_step(select) == SQLITE_ROW)
                    collections += sqlite3_column_int64(select, 3);
                sqlite3_finalize(select);
            }
        },
        [](double seconds) { bench::recordBaseline("raw_report_sql", seconds); });
    state.counters["collections"] = double(collections);
}
BENCHMARK(BM_CollectionsByMonth_RawReportSql)->Unit(benchmark::kMillisecond);

void BM_CollectionsByMonth_Report(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    const datacollection::CollectionsRequest request{QDate(2024, 1, 1), QDate(2024, 12, 31),
                                                     datacollection::ReportGrouping::Month, 30};
    const datacollection::ReportPeriod period{request.from, request.to, request.to};
    qint64 collections = 0;
    std::size_t machines = 0;
    timedLoop(
        state,
        [&] {
            const datacollection::CollectionsReport report =
                datacollection::buildCollectionsReport(db, request, period);
            collections = report.collections;
            machines = std::size_t(report.machinesKnown);
        },
        [&](double seconds) {
            bench::reportRatio(state, "raw_aggregate", seconds);
            bench::reportRatio(state, "raw_report_sql", seconds);
        });
    state.counters["collections"] = double(collections);
    state.counters["machines"] = double(machines);
}
BENCHMARK(BM_CollectionsByMonth_Report)->Unit(benchmark::kMillisecond);

} // namespace
