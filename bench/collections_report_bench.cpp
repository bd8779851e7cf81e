// The collections report of one year by month over the million stored rows,
// against two baselines run straight on SQLite in the same run: the plain
// SQL aggregate of the year (count, interval cash and cycles per month of
// both tables), and the report's own statements (per machine and month, with
// consecutive collections compared by a window) without the layers above.
#include "datacollection/collections_report.h"
#include "db/sqlite/sqlite_collection_totals.h"
#include "million_machine_rows.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// What both tables are measured with: the report of 2024 by month.
datacollection::CollectionsReport yearByMonth(CdbDatabase& db)
{
    const datacollection::CollectionsRequest request{QDate(2024, 1, 1), QDate(2024, 12, 31),
                                                     datacollection::ReportGrouping::Month, 30};
    const datacollection::ReportPeriod period{request.from, request.to, request.to};
    return datacollection::buildCollectionsReport(db, request, period);
}

using bench::MillionMachineRows;
using bench::timedLoop;

// 2024 is a whole year of the million rows (2006-01-02 onwards, one every
// ten minutes): some 52,700 MACHINE DATA and 8,800 ADVANTECK AUDIT rows.
constexpr char kFrom[] = "2024-01-01 00:00:00";
constexpr char kTo[] = "2025-01-01 00:00:00";

// The plain monthly aggregate of one table over the year.
QByteArray monthlyAggregateSql(const char* table)
{
    return QStringLiteral("SELECT substr(\"COLLECTION DATE\", 1, 7), count(*), "
                          "sum(\"INT CASH\"), sum(\"INT CYCLES\") FROM \"%1\" WHERE "
                          "\"COLLECTION DATE\" >= ?1 AND \"COLLECTION DATE\" < ?2 GROUP BY 1")
        .arg(QLatin1String(table))
        .toUtf8();
}

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
            for (const char* table : {"MACHINE DATA", "ADVANTECK AUDIT"})
                collections += runAggregate(db, monthlyAggregateSql(table).constData());
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
    qint64 collections = 0;
    std::size_t machines = 0;
    timedLoop(
        state,
        [&] {
            const datacollection::CollectionsReport report = yearByMonth(db);
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

// A route's million rows: 1,000 machines in 50 stores collected weekly for
// twenty years (1,042 collections each), elapsed cash counting up with the
// interval cash. One year is 52,000 rows, as in the table above, from a
// tenth of its machines.
class RouteMillion {
public:
    static RouteMillion& instance()
    {
        static RouteMillion kInstance;
        return kInstance;
    }
    sqlite3* raw() const { return raw_.get(); }
    CdbDatabase& database() { return database_; }

private:
    RouteMillion() : path_(dir_.filePath(QStringLiteral("route.mdb")))
    {
        QString error;
        if (!dbhelper::createDatabase(path_, &error))
            throw std::runtime_error(error.toStdString());
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path_).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        raw_.reset(db);
        const char* fill =
            "WITH RECURSIVE c(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM c WHERE i < 1041999) "
            "INSERT INTO \"MACHINE DATA\" (MACHINEID, LOCATIONID, \"COLLECTION DATE\", "
            "\"RECORD FAMILY\", \"INT CYCLES\", \"INT CASH\", \"ELP CYCLES\", \"ELP CASH\") "
            "SELECT printf('W%04d', i % 1000), printf('STORE%02d', (i % 1000) / 20), "
            "datetime('2005-01-03 08:00:00', '+' || (i / 1000 * 7) || ' days', '+' || "
            "(i % 1000 * 30) || ' seconds'), 3, 40, 100 * 100 * 100, (i / 1000 + 1) * 40, "
            "(i / 1000 + 1) * 100 * 100 * 100 FROM c";
        if (sqlite3_exec(db, fill, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        database_ = engine_.OpenDatabase(path_);
    }

    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> raw_{nullptr, sqlite3_close_v2};
    CdbDBEngine engine_;
    CdbDatabase database_;
};

void BM_RouteByMonth_RawAggregate(benchmark::State& state)
{
    sqlite3* db = RouteMillion::instance().raw();
    qint64 collections = 0;
    timedLoop(
        state,
        [&] { collections = runAggregate(db, monthlyAggregateSql("MACHINE DATA").constData()); },
        [](double seconds) { bench::recordBaseline("route_raw_aggregate", seconds); });
    state.counters["collections"] = double(collections);
}
BENCHMARK(BM_RouteByMonth_RawAggregate)->Unit(benchmark::kMillisecond);

void BM_RouteByMonth_Report(benchmark::State& state)
{
    CdbDatabase& db = RouteMillion::instance().database();
    qint64 collections = 0;
    timedLoop(
        state, [&] { collections = yearByMonth(db).collections; },
        [&](double seconds) { bench::reportRatio(state, "route_raw_aggregate", seconds); });
    state.counters["collections"] = double(collections);
}
BENCHMARK(BM_RouteByMonth_Report)->Unit(benchmark::kMillisecond);

} // namespace
