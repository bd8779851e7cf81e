#include "million_machine_rows.h"

#include "machines/dc_simulation.h"
#include "services/dc_record_text.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>

namespace bench {
namespace {

qint64 counter32(const GenericDCRec& record, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, record.familyData() + offset, sizeof value);
    return value;
}

int bcd(uint8_t byte)
{
    return (byte >> 4) * 10 + (byte & 0x0F);
}

void check(sqlite3* db, int rc)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(db));
}

std::map<std::string, double>& baselines()
{
    static std::map<std::string, double> kBaselines;
    return kBaselines;
}

} // namespace

DuplicateKey duplicateKey(const GenericDCRec& record)
{
    DuplicateKey key;
    key.machine = cardcore::dcIdText(record.machine_id);
    key.location = cardcore::dcIdText(record.location_id);
    key.intCycles = counter32(record, 8);
    key.intCashUnits = counter32(record, 12) * 100;
    key.elpCycles = counter32(record, 16);
    key.elpCashUnits = counter32(record, 20) * 100;
    quint16 runTime = 0;
    std::memcpy(&runTime, record.familyData() + 130, sizeof runTime);
    key.runTime = runTime;
    const uint8_t* t = record.collect_time;
    const int year = bcd(t[0]) > 80 ? 1900 + bcd(t[0]) : 2000 + bcd(t[0]);
    key.collected = QDateTime(QDate(year, bcd(t[1]), bcd(t[2])), QTime(bcd(t[3]), bcd(t[4])));
    return key;
}

QByteArray storedDate(const QDateTime& when)
{
    return when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toLatin1();
}

MillionMachineRows& MillionMachineRows::instance()
{
    static MillionMachineRows kInstance;
    return kInstance;
}

MillionMachineRows::MillionMachineRows()
    : path_(dir_.filePath(QStringLiteral("manager.mdb"))),
      card_(machines::randomRecords(210, kCardRecords, 2005, QDate(2026, 12, 4), 3))
{
    QString error;
    if (!dbhelper::createDatabase(path_, &error))
        throw std::runtime_error(error.toStdString());
    sqlite3* db = nullptr;
    check(db, sqlite3_open_v2(QFile::encodeName(path_).constData(), &db, SQLITE_OPEN_READWRITE,
                              nullptr));
    raw_.reset(db);
    fill();
    database_ = engine_.OpenDatabase(path_);
}

// One transaction of prepared inserts: random machines over twenty years,
// then the first half of the card.
void MillionMachineRows::fill()
{
    sqlite3* db = raw_.get();
    check(db, sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr));
    sqlite3_stmt* insert = nullptr;
    check(db, sqlite3_prepare_v2(db,
                                 "INSERT INTO \"MACHINE DATA\" (MACHINEID, LOCATIONID, "
                                 "\"COLLECTION DATE\", \"RECORD FAMILY\", \"INT CYCLES\", "
                                 "\"INT CASH\", \"ELP CYCLES\", \"ELP CASH\", \"ELP RUN TIME\") "
                                 "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                                 -1, &insert, nullptr));
    const auto row = [&](const DuplicateKey& key) {
        const QByteArray machine = key.machine.toLatin1();
        const QByteArray location = key.location.toLatin1();
        const QByteArray date = storedDate(key.collected);
        sqlite3_bind_text(insert, 1, machine.constData(), int(machine.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, location.constData(), int(location.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 4, 3);
        sqlite3_bind_int64(insert, 5, key.intCycles);
        sqlite3_bind_int64(insert, 6, key.intCashUnits);
        sqlite3_bind_int64(insert, 7, key.elpCycles);
        sqlite3_bind_int64(insert, 8, key.elpCashUnits);
        sqlite3_bind_int64(insert, 9, key.runTime);
        check(db, sqlite3_step(insert));
        sqlite3_reset(insert);
    };
    const QDateTime start(QDate(2006, 1, 2), QTime(8, 0));
    DuplicateKey key;
    for (int i = 0; i < kMillion; ++i) {
        key.machine = QStringLiteral("W%1").arg(i % 4000, 5, 10, QLatin1Char('0'));
        key.location = QStringLiteral("LOC%1").arg(i % 300, 3, 10, QLatin1Char('0'));
        key.collected = start.addSecs(qint64(i) * 600);
        key.intCycles = i % 997;
        key.intCashUnits = (i % 4001) * 100;
        key.elpCycles = i;
        key.elpCashUnits = qint64(i) * 125 * 100;
        key.runTime = i % 65536;
        row(key);
    }
    for (int i = 0; i < kCardRecords / 2; ++i)
        row(duplicateKey(card_[size_t(i)]));
    sqlite3_finalize(insert);

    check(db, sqlite3_prepare_v2(db,
                                 "INSERT INTO \"ADVANTECK AUDIT\" (MACHINEID, LOCATIONID, "
                                 "\"COLLECTION DATE\", SERIAL, \"INT CASH\", \"ELP CASH\") "
                                 "VALUES ('A' || (?1 % 500), 'LOC1', ?2, printf('%010X', ?1), "
                                 "?1 * 100, ?1 * 700)",
                                 -1, &insert, nullptr));
    for (int i = 0; i < 50'000; ++i) {
        const QByteArray date = storedDate(start.addSecs(qint64(i) * 3600));
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        check(db, sqlite3_step(insert));
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
}

void recordBaseline(const std::string& name, double secondsPerIteration)
{
    baselines()[name] = secondsPerIteration;
}

void reportRatio(benchmark::State& state, const std::string& baseline, double secondsPerIteration)
{
    const auto it = baselines().find(baseline);
    if (it != baselines().end() && it->second > 0)
        state.counters["x_" + baseline] = secondsPerIteration / it->second;
}

} // namespace bench
