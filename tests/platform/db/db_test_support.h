// Shared by the database tests: a fresh system database on either engine (a
// file in a temporary folder, or a database of its own on the throwaway
// PostgreSQL server the test run starts), raw access beside the DAO layer to
// check what was really stored, and the DAO error number an action raises.
#pragma once

#include "services/dao.h"

#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <sqlite3.h>

#include <functional>

namespace dbtest {

enum class Engine { Sqlite, Postgres };
// "Sqlite" or "Postgres", for the names of parameterised tests.
std::string engineName(const ::testing::TestParamInfo<Engine>& info);
// The same in test listings (ctest's names), instead of the enum's bytes.
void PrintTo(Engine engine, std::ostream* out);
inline const auto kBothEngines = ::testing::Values(Engine::Sqlite, Engine::Postgres);

// The connection URI of database on the test server; empty (and why in
// reason) when no server runs.
QString testServerUri(const QString& database, QString* reason = nullptr);

class TempDatabase {
public:
    explicit TempDatabase(Engine engine = Engine::Sqlite);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;
    // The file's path or the database's URI; empty when the engine is not
    // there to use (unavailable() says why).
    QString path() const { return path_; }
    const QString& unavailable() const { return unavailable_; }
    // A database on the same engine that does not exist.
    QString missing() const;
    CdbDatabase open() { return engine_.OpenDatabase(path_); }

private:
    QTemporaryDir dir_;
    QString path_;
    QString serverDatabase_;
    QString unavailable_;
    CdbDBEngine engine_;
};

// Skips the test when its engine cannot be used.
#define DBTEST_REQUIRE(file)                                                                       \
    do {                                                                                           \
        if (!(file).unavailable().isEmpty())                                                       \
            GTEST_SKIP() << (file).unavailable().toStdString();                                    \
    } while (false)

// A plain connection to the file or server, beside the DAO layer. On
// PostgreSQL, [bracketed] names are quoted names.
class RawDb {
public:
    explicit RawDb(const QString& path);
    ~RawDb();
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    void exec(const QString& sql);
    // The first column of each row: qint64 for an integer, an invalid variant
    // for NULL, text for anything else.
    QVariantList firstColumn(const QString& sql);
    // The first row's, invalid when there is none.
    QVariant scalar(const QString& sql) { return firstColumn(sql).value(0); }

    bool isServer() const { return pg_ != nullptr; }

    // The schema version the database says it has, and changing it as an
    // older program would have left it.
    qint64 schemaVersion();
    void setSchemaVersion(int version);
    // The system's tables (not the engine's own), sorted by name.
    QStringList tables();
    bool hasColumn(const QString& table, const QString& column);
    bool hasIndex(const QString& name);

private:
    sqlite3* db_ = nullptr;
    PGconn* pg_ = nullptr;
};

// The DAO error number action raises, 0 when it raises none.
int daoError(const std::function<void()>& action);

// Adds a profile row as the editor does; the type only when one is given.
void addProfile(CdbRecordset& rs, const QString& name, const QString& type = {});
// The profile names of the recordset in its order (it moves the cursor).
QStringList names(CdbRecordset rs);
// The profile names stored in the file, in the order they were added.
QStringList storedNames(const QString& path);

} // namespace dbtest
