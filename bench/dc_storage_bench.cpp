// Data collection against a million stored rows, each timed beside the raw
// SQLite work it stands for (run just before it; the x_ counter is the
// ratio): marking the duplicates of a full card, storing a full card, and
// opening the table for one find.
#include "db/schema.h"
#include "million_machine_rows.h"

#include <QElapsedTimer>

#include <cstring>

namespace {

using bench::DuplicateKey;
using bench::MillionMachineRows;

QString duplicateFilter(const DuplicateKey& key)
{
    return QStringLiteral("(MACHINEID = %1) AND (LOCATIONID = %2) AND ([INT CYCLES] = %3) AND "
                          "([ELP CYCLES] = %4) AND ([INT CASH] = %5) AND ([ELP CASH] = %6) AND "
                          "([ELP RUN TIME] = %7) AND ([COLLECTION DATE] = #%8#)")
        .arg(dbhelper::quoteFilterText(key.machine), dbhelper::quoteFilterText(key.location))
        .arg(key.intCycles)
        .arg(key.elpCycles)
        .arg(Currency(key.intCashUnits).toString(), Currency(key.elpCashUnits).toString())
        .arg(key.runTime)
        .arg(dbhelper::filterDateText(key.collected));
}

std::vector<DuplicateKey> cardKeys()
{
    std::vector<DuplicateKey> keys;
    for (const GenericDCRec& record : MillionMachineRows::instance().card())
        keys.push_back(bench::duplicateKey(record));
    return keys;
}

// Times the loop body; the per-iteration seconds go to done.
template <typename Body, typename Done>
void timedLoop(benchmark::State& state, Body body, Done done)
{
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state)
        body();
    done(double(timer.nsecsElapsed()) * 1e-9 / double(state.iterations()));
}

// --- (a) marking the duplicates of a full card -----------------------------

void BM_MarkCardDuplicates_RawPrepared(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    const std::vector<DuplicateKey> keys = cardKeys();
    int found = 0;
    timedLoop(
        state,
        [&] {
            sqlite3_stmt* select = nullptr;
            sqlite3_prepare_v2(db,
                               "SELECT ID FROM \"MACHINE DATA\" WHERE MACHINEID = ?1 AND "
                               "LOCATIONID = ?2 AND \"INT CYCLES\" = ?3 AND \"ELP CYCLES\" = ?4 "
                               "AND \"INT CASH\" = ?5 AND \"ELP CASH\" = ?6 AND \"ELP RUN TIME\" "
                               "= ?7 AND \"COLLECTION DATE\" = ?8 LIMIT 1",
                               -1, &select, nullptr);
            found = 0;
            for (const DuplicateKey& key : keys) {
                const QByteArray machine = key.machine.toUtf8();
                const QByteArray location = key.location.toUtf8();
                const QByteArray date = bench::storedDate(key.collected);
                sqlite3_bind_text(select, 1, machine.constData(), int(machine.size()),
                                  SQLITE_STATIC);
                sqlite3_bind_text(select, 2, location.constData(), int(location.size()),
                                  SQLITE_STATIC);
                sqlite3_bind_int64(select, 3, key.intCycles);
                sqlite3_bind_int64(select, 4, key.elpCycles);
                sqlite3_bind_int64(select, 5, key.intCashUnits);
                sqlite3_bind_int64(select, 6, key.elpCashUnits);
                sqlite3_bind_int64(select, 7, key.runTime);
                sqlite3_bind_text(select, 8, date.constData(), int(date.size()), SQLITE_STATIC);
                found += sqlite3_step(select) == SQLITE_ROW;
                sqlite3_reset(select);
            }
            sqlite3_finalize(select);
        },
        [](double seconds) { bench::recordBaseline("mark_raw", seconds); });
    state.counters["found"] = found;
}
BENCHMARK(BM_MarkCardDuplicates_RawPrepared)->Unit(benchmark::kMicrosecond);

// Each lookup its own SELECT text, values written in, prepared and run.
void BM_MarkCardDuplicates_RawText(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    std::vector<QByteArray> queries;
    for (const DuplicateKey& key : cardKeys()) {
        QString machine = key.machine;
        QString location = key.location;
        queries.push_back(
            QStringLiteral("SELECT ID FROM \"MACHINE DATA\" WHERE MACHINEID = '%1' AND "
                           "LOCATIONID = '%2' AND \"INT CYCLES\" = %3 AND \"ELP CYCLES\" = %4 "
                           "AND \"INT CASH\" = %5 AND \"ELP CASH\" = %6 AND \"ELP RUN TIME\" "
                           "= %7 AND \"COLLECTION DATE\" = '%8' LIMIT 1")
                .arg(machine.replace('\'', "''"), location.replace('\'', "''"))
                .arg(key.intCycles)
                .arg(key.elpCycles)
                .arg(key.intCashUnits)
                .arg(key.elpCashUnits)
                .arg(key.runTime)
                .arg(QString::fromLatin1(bench::storedDate(key.collected)))
                .toUtf8());
    }
    int found = 0;
    timedLoop(
        state,
        [&] {
            found = 0;
            for (const QByteArray& sql : queries) {
                sqlite3_stmt* select = nullptr;
                sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &select, nullptr);
                found += sqlite3_step(select) == SQLITE_ROW;
                sqlite3_finalize(select);
            }
        },
        [](double seconds) { bench::recordBaseline("mark_raw_text", seconds); });
    state.counters["found"] = found;
}
BENCHMARK(BM_MarkCardDuplicates_RawText)->Unit(benchmark::kMicrosecond);

// Each record opens the table afresh and finds with the duplicate filter.
void BM_MarkCardDuplicates_Dao(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    const std::vector<DuplicateKey> keys = cardKeys();
    int found = 0;
    timedLoop(
        state,
        [&] {
            found = 0;
            for (const DuplicateKey& key : keys) {
                CdbRecordset rs;
                dbhelper::Connect_To_Recordset(QStringLiteral("MACHINE DATA"), &rs, &db);
                rs.FindFirst(duplicateFilter(key));
                found += !rs.GetNoMatch();
                rs.Close();
            }
        },
        [&](double seconds) {
            bench::reportRatio(state, "mark_raw", seconds);
            bench::reportRatio(state, "mark_raw_text", seconds);
        });
    state.counters["found"] = found;
    if (found != bench::kCardRecords / 2)
        state.SkipWithError("the stored half of the card was not found");
}
BENCHMARK(BM_MarkCardDuplicates_Dao)->Unit(benchmark::kMicrosecond);

// --- (b) storing a full card ------------------------------------------------

const dao::TableDef& machineData()
{
    for (const dao::TableDef& table : dao::systemTables()) {
        if (std::strcmp(table.name, "MACHINE DATA") == 0)
            return table;
    }
    throw std::logic_error("no MACHINE DATA table");
}

// The value of every column of one stored row, from the record's counters.
std::vector<QVariant> rowValues(const GenericDCRec& record)
{
    const DuplicateKey key = bench::duplicateKey(record);
    std::vector<QVariant> values;
    int c = 0;
    for (const dao::ColumnDef& column : machineData().columns) {
        quint32 counter = 0;
        std::memcpy(&counter, record.familyData() + (c++ * 4) % 280, sizeof counter);
        const QString name = QLatin1String(column.name);
        if (name == QLatin1String("MACHINEID"))
            values.emplace_back(QStringLiteral("STORE") + key.machine);
        else if (name == QLatin1String("LOCATIONID"))
            values.emplace_back(key.location);
        else if (column.kind == dao::ColumnKind::Date)
            values.emplace_back(key.collected);
        else if (column.kind == dao::ColumnKind::Text)
            values.emplace_back(QString::number(counter % 100000));
        else if (column.kind == dao::ColumnKind::Currency)
            values.push_back(Currency::fromCents(counter % 1000000).toVariant());
        else if (column.kind == dao::ColumnKind::Boolean)
            values.emplace_back(counter % 2 == 1);
        else
            values.emplace_back(qint64(counter % 1000000));
    }
    return values;
}

std::vector<std::vector<QVariant>> cardRows()
{
    std::vector<std::vector<QVariant>> rows;
    for (const GenericDCRec& record : MillionMachineRows::instance().card())
        rows.push_back(rowValues(record));
    return rows;
}

void bindAs(sqlite3_stmt* insert, int index, dao::ColumnKind kind, const QVariant& value)
{
    if (kind == dao::ColumnKind::Text || kind == dao::ColumnKind::Date) {
        const QByteArray text = kind == dao::ColumnKind::Date
                                    ? bench::storedDate(value.toDateTime())
                                    : value.toString().toUtf8();
        sqlite3_bind_text(insert, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    } else if (kind == dao::ColumnKind::Currency) {
        sqlite3_bind_int64(insert, index, value.value<Currency>().units());
    } else {
        sqlite3_bind_int64(insert, index, value.toLongLong());
    }
}

// One transaction per row, in the journal mode and synchronous setting the
// DAO connection has (both kept by the file or the build's default).
void BM_StoreCard_Raw(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    const std::vector<std::vector<QVariant>> rows = cardRows();
    const dao::TableDef& table = machineData();
    QStringList names;
    QStringList marks;
    for (const dao::ColumnDef& column : table.columns) {
        names << QStringLiteral("\"%1\"").arg(QLatin1String(column.name));
        marks << QStringLiteral("?");
    }
    const QByteArray sql = QStringLiteral("INSERT INTO \"MACHINE DATA\" (%1) VALUES (%2)")
                               .arg(names.join(','), marks.join(','))
                               .toUtf8();
    timedLoop(
        state,
        [&] {
            sqlite3_stmt* insert = nullptr;
            sqlite3_prepare_v2(db, sql.constData(), -1, &insert, nullptr);
            for (const std::vector<QVariant>& row : rows) {
                sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
                for (size_t i = 0; i < row.size(); ++i)
                    bindAs(insert, int(i) + 1, table.columns[i].kind, row[i]);
                if (sqlite3_step(insert) != SQLITE_DONE)
                    state.SkipWithError(sqlite3_errmsg(db));
                sqlite3_reset(insert);
                sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            }
            sqlite3_finalize(insert);
        },
        [](double seconds) { bench::recordBaseline("store_raw", seconds); });
}
BENCHMARK(BM_StoreCard_Raw)->Unit(benchmark::kMillisecond);

// Each record opens the table afresh, sets every column and updates.
void BM_StoreCard_Dao(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    const std::vector<std::vector<QVariant>> rows = cardRows();
    QStringList names;
    for (const dao::ColumnDef& column : machineData().columns)
        names << QLatin1String(column.name);
    timedLoop(
        state,
        [&] {
            for (const std::vector<QVariant>& row : rows) {
                CdbRecordset rs;
                dbhelper::Connect_To_Recordset(QStringLiteral("MACHINE DATA"), &rs, &db);
                rs.AddNew();
                for (size_t i = 0; i < row.size(); ++i)
                    rs.SetField(names[qsizetype(i)], row[i]);
                rs.Update();
                rs.Close();
            }
        },
        [&](double seconds) { bench::reportRatio(state, "store_raw", seconds); });
}
BENCHMARK(BM_StoreCard_Dao)->Unit(benchmark::kMillisecond);

// --- (c) opening the table for one find -------------------------------------

// What opening cost while a recordset read every key of its table.
void BM_ReadEveryKey_Raw(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    qint64 keys = 0;
    timedLoop(
        state,
        [&] {
            sqlite3_stmt* select = nullptr;
            sqlite3_prepare_v2(db, "SELECT ID FROM \"MACHINE DATA\" ORDER BY ID", -1, &select,
                               nullptr);
            keys = 0;
            while (sqlite3_step(select) == SQLITE_ROW)
                keys += sqlite3_column_int64(select, 0) > 0;
            sqlite3_finalize(select);
        },
        [](double seconds) { bench::recordBaseline("every_key", seconds); });
    state.counters["keys"] = double(keys);
}
BENCHMARK(BM_ReadEveryKey_Raw)->Unit(benchmark::kMillisecond);

void BM_OpenTableAndFindFirst_Dao(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    const QString filter = duplicateFilter(cardKeys().front());
    bool found = false;
    timedLoop(
        state,
        [&] {
            CdbRecordset rs;
            dbhelper::Connect_To_Recordset(QStringLiteral("MACHINE DATA"), &rs, &db);
            rs.FindFirst(filter);
            found = !rs.GetNoMatch();
            rs.Close();
        },
        [&](double seconds) { bench::reportRatio(state, "every_key", seconds); });
    if (!found)
        state.SkipWithError("a stored record was not found");
}
BENCHMARK(BM_OpenTableAndFindFirst_Dao)->Unit(benchmark::kMicrosecond);

} // namespace
