// Data collection against a million stored rows, each timed beside the raw
// SQLite work it stands for (run just before it; an x_ counter is the ratio
// to that baseline): the exports marking the duplicates of a full card and
// storing a full card, and opening the table for one find.
#include "laundry/dc_store.h"
#include "laundry/laundry.h"
#include "million_machine_rows.h"
#include "ui/scripted_ui.h"

#include <QElapsedTimer>

#include <map>
#include <stdexcept>
#include <variant>

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

using bench::timedLoop;

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

// The export: each record opens MACHINE DATA afresh and finds with its
// duplicate filter.
void BM_MarkCardDuplicates_Export(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    GenericDC card;
    for (const GenericDCRec& record : MillionMachineRows::instance().card())
        card.AddRec(record);
    const ui::ScopedScriptedUi quiet;
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    uint8_t done = 0;
    timedLoop(
        state, [&] { done = mark_duplicate_laundry_dc_record(&db, &card); },
        [&](double seconds) {
            bench::reportRatio(state, "mark_raw", seconds);
            bench::reportRatio(state, "mark_raw_text", seconds);
        });
    int found = 0;
    for (int i = 0; i < card.GetNumRecs(); ++i)
        found += card.GetRec(i)->duplicate_flag;
    state.counters["found"] = found;
    if (done != 1 || found != bench::kCardRecords / 2)
        state.SkipWithError("the stored half of the card was not marked");
}
BENCHMARK(BM_MarkCardDuplicates_Export)->Unit(benchmark::kMicrosecond);

// --- (b) storing a full card ------------------------------------------------

// What the export stores for each record of the card, read back from a row it
// stored: the INSERT of its non-NULL columns, and their values.
using SqlValue = std::variant<std::monostate, qint64, double, QByteArray>;

struct StoredRow {
    QByteArray sql;
    std::vector<SqlValue> values;
};

std::vector<StoredRow> storedRows()
{
    sqlite3* db = MillionMachineRows::instance().raw();
    CdbDatabase& database = MillionMachineRows::instance().database();
    std::vector<StoredRow> rows;
    for (const GenericDCRec& record : MillionMachineRows::instance().card()) {
        if (copy_laundry_dc_struct_to_database(&database, &record) != 1)
            throw std::runtime_error("the export did not store a record");
        sqlite3_stmt* select = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM \"MACHINE DATA\" ORDER BY ID DESC LIMIT 1", -1,
                           &select, nullptr);
        sqlite3_step(select);
        StoredRow row;
        QStringList names;
        for (int c = 0; c < sqlite3_column_count(select); ++c) {
            const QString name = QString::fromUtf8(sqlite3_column_name(select, c));
            const int type = sqlite3_column_type(select, c);
            if (type == SQLITE_NULL || name == QLatin1String("ID"))
                continue;
            names << QStringLiteral("\"%1\"").arg(name);
            if (type == SQLITE_INTEGER)
                row.values.emplace_back(qint64(sqlite3_column_int64(select, c)));
            else if (type == SQLITE_FLOAT)
                row.values.emplace_back(sqlite3_column_double(select, c));
            else
                row.values.emplace_back(
                    QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(select, c)),
                               sqlite3_column_bytes(select, c)));
        }
        sqlite3_finalize(select);
        row.sql =
            QStringLiteral("INSERT INTO \"MACHINE DATA\" (%1) VALUES (%2)")
                .arg(names.join(','), QStringList(names.size(), QStringLiteral("?")).join(','))
                .toUtf8();
        rows.push_back(row);
    }
    return rows;
}

// One transaction per row, in the journal mode and synchronous setting the
// DAO connection has (both kept by the file or the build's default).
void BM_StoreCard_Raw(benchmark::State& state)
{
    sqlite3* db = MillionMachineRows::instance().raw();
    const std::vector<StoredRow> rows = storedRows();
    timedLoop(
        state,
        [&] {
            std::map<QByteArray, sqlite3_stmt*> inserts;
            for (const StoredRow& row : rows) {
                sqlite3_stmt*& insert = inserts[row.sql];
                if (!insert)
                    sqlite3_prepare_v2(db, row.sql.constData(), -1, &insert, nullptr);
                sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
                for (size_t i = 0; i < row.values.size(); ++i) {
                    const int index = int(i) + 1;
                    if (const auto* n = std::get_if<qint64>(&row.values[i]))
                        sqlite3_bind_int64(insert, index, *n);
                    else if (const auto* d = std::get_if<double>(&row.values[i]))
                        sqlite3_bind_double(insert, index, *d);
                    else if (const auto* t = std::get_if<QByteArray>(&row.values[i]))
                        sqlite3_bind_text(insert, index, t->constData(), int(t->size()),
                                          SQLITE_STATIC);
                }
                if (sqlite3_step(insert) != SQLITE_DONE)
                    state.SkipWithError(sqlite3_errmsg(db));
                sqlite3_reset(insert);
                sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            }
            for (const auto& entry : inserts)
                sqlite3_finalize(entry.second);
        },
        [](double seconds) { bench::recordBaseline("store_raw", seconds); });
}
BENCHMARK(BM_StoreCard_Raw)->Unit(benchmark::kMillisecond);

// The export: each record opens MACHINE DATA afresh, sets its columns and
// updates.
void BM_StoreCard_Export(benchmark::State& state)
{
    CdbDatabase& db = MillionMachineRows::instance().database();
    const std::vector<GenericDCRec>& card = MillionMachineRows::instance().card();
    const ui::ScopedScriptedUi quiet;
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    int stored = 0;
    timedLoop(
        state,
        [&] {
            stored = 0;
            for (const GenericDCRec& record : card)
                stored += copy_laundry_dc_struct_to_database(&db, &record);
        },
        [&](double seconds) { bench::reportRatio(state, "store_raw", seconds); });
    if (stored != bench::kCardRecords)
        state.SkipWithError("a record was not stored");
}
BENCHMARK(BM_StoreCard_Export)->Unit(benchmark::kMillisecond);

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
