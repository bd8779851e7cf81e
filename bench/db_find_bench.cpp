// FindFirst on a table of a million profiles: the find must go through the
// PROFILE NAME index, so its cost stays that of a lookup, not of a scan.
#include "services/dao.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr int kRows = 1'000'000;

QString profileName(int i)
{
    return QStringLiteral("Profile %1").arg(i, 7, 10, QLatin1Char('0'));
}

// One database of kRows profiles for every benchmark of the run, filled
// through one prepared insert in one transaction.
class MillionProfiles {
public:
    static MillionProfiles& instance()
    {
        static MillionProfiles kInstance;
        return kInstance;
    }

    CdbRecordset& table() { return table_; }
    CdbRecordset& sorted() { return sorted_; }

private:
    MillionProfiles()
    {
        const QString path = dir_.filePath(QStringLiteral("manager.mdb"));
        QString error;
        if (!dbhelper::createDatabase(path, &error))
            throw std::runtime_error(error.toStdString());
        fill(path);
        database_ = engine_.OpenDatabase(path);
        table_ = database_.OpenRecordset(QStringLiteral("LAUNDRY SETUP"));
        sorted_ = database_.OpenRecordset(
            QStringLiteral("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]"));
    }

    static void fill(const QString& path)
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        std::unique_ptr<sqlite3, decltype(&sqlite3_close_v2)> guard(db, sqlite3_close_v2);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO \"LAUNDRY SETUP\" (\"PROFILE NAME\", \"PROFILE TYPE\", "
                           "\"VEND PRICE\") VALUES (?1, ?2, ?3)",
                           -1, &insert, nullptr);
        for (int i = 0; i < kRows; ++i) {
            const QByteArray name = profileName(i).toUtf8();
            sqlite3_bind_text(insert, 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, i % 3 == 0 ? "3" : "0", 1, SQLITE_STATIC);
            sqlite3_bind_int64(insert, 3, 10000 + i % 500);
            if (sqlite3_step(insert) != SQLITE_DONE)
                throw std::runtime_error(sqlite3_errmsg(db));
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }

    QTemporaryDir dir_;
    CdbDBEngine engine_;
    CdbDatabase database_;
    CdbRecordset table_;
    CdbRecordset sorted_;
};

// Spreads the looked-up names over the whole table.
int nextRow(int& state)
{
    state = int((state * 1103515245LL + 12345) % kRows);
    return state < 0 ? -state : state;
}

void findFirst(benchmark::State& state, CdbRecordset& rs)
{
    int seed = 7;
    for (auto _ : state) {
        rs.FindFirst("[PROFILE NAME] = " + dbhelper::quoteFilterText(profileName(nextRow(seed))));
        if (rs.GetNoMatch())
            state.SkipWithError("a stored profile was not found");
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FindFirstByProfileName(benchmark::State& state)
{
    findFirst(state, MillionProfiles::instance().table());
}
BENCHMARK(BM_FindFirstByProfileName);

// A recordset in name order maps the matches to positions by hash.
void BM_FindFirstByProfileNameSorted(benchmark::State& state)
{
    findFirst(state, MillionProfiles::instance().sorted());
}
BENCHMARK(BM_FindFirstByProfileNameSorted);

void BM_FindFirstNoMatch(benchmark::State& state)
{
    CdbRecordset& rs = MillionProfiles::instance().table();
    for (auto _ : state) {
        rs.FindFirst(QStringLiteral("[PROFILE NAME] = 'Nobody'"));
        benchmark::DoNotOptimize(rs.GetNoMatch());
    }
}
BENCHMARK(BM_FindFirstNoMatch);

} // namespace
