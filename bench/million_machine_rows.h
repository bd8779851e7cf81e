// A system database of a million MACHINE DATA rows (and some ADVANTECK AUDIT
// rows), filled once per run by raw SQLite, beside the records of one full
// simulated card: the first half of them stored among the million, the rest
// not. The DC benchmarks time the DAO path against raw SQLite on it.
#pragma once

#include "services/dao.h"
#include "services/dc_records.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

namespace bench {

inline constexpr int kMillion = 1'000'000;
inline constexpr int kCardRecords = 27;

// What a duplicate search compares of one record (families 3 to 6).
struct DuplicateKey {
    QString machine;
    QString location;
    qint64 intCycles = 0;
    qint64 elpCycles = 0;
    qint64 intCashUnits = 0; // 1/10000 dollar, as stored
    qint64 elpCashUnits = 0;
    qint64 runTime = 0;
    QDateTime collected;
};
DuplicateKey duplicateKey(const GenericDCRec& record);
// The stored text of a date column.
QByteArray storedDate(const QDateTime& when);

class MillionMachineRows {
public:
    static MillionMachineRows& instance();

    QString path() const { return path_; }
    const std::vector<GenericDCRec>& card() const { return card_; }
    CdbDatabase& database() { return database_; }
    // A plain connection to the same file, for the baselines.
    sqlite3* raw() const { return raw_.get(); }

private:
    MillionMachineRows();
    void fill();

    QTemporaryDir dir_;
    QString path_;
    std::vector<GenericDCRec> card_;
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> raw_{nullptr, sqlite3_close_v2};
    CdbDBEngine engine_;
    CdbDatabase database_;
};

// Seconds per iteration of a baseline measured earlier in the run, so the
// benchmark it is the baseline of can print its ratio.
void recordBaseline(const std::string& name, double secondsPerIteration);
void reportRatio(benchmark::State& state, const std::string& baseline, double secondsPerIteration);

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

} // namespace bench
