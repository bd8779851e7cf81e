// What the PostgreSQL engine adds: db copy between the engines keeping every
// stored value exactly, and a connection the server drops opened again
// without losing or doubling a row.
#include "db/backend_factory.h"
#include "db/filter_binder.h"
#include "db/filter_parser.h"
#include "db/postgres/pg_backend.h"
#include "db/schema.h"
#include "db_test_support.h"

#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using dbtest::addProfile;
using dbtest::daoError;
using dbtest::Engine;

// Every row of every system table of an SQLite file, each value with the
// storage class SQLite holds it in.
QStringList dumpFile(const QString& path)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr),
        SQLITE_OK);
    QStringList rows;
    for (const dao::TableDef& table : dao::systemTables()) {
        const QString sql =
            QString("SELECT * FROM \"%1\" ORDER BY \"%2\"").arg(table.name, table.keyColumn);
        sqlite3_stmt* stmt = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            QString row = QString::fromLatin1(table.name);
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const int type = sqlite3_column_type(stmt, c);
                row += QString("|%1:%2").arg(type).arg(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c))));
            }
            rows << row;
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close_v2(db);
    return rows;
}

TEST(DbCopy, ARoundTripThroughTheServerKeepsEveryValueExactly)
{
    dbtest::TempDatabase server(Engine::Postgres);
    DBTEST_REQUIRE(server);
    dbtest::TempDatabase source;
    {
        dbtest::RawDb raw(source.path());
        // Every column kind at its edges: text in any script, with quotes,
        // empty and NULL; integers and money at the 64-bit limits; yes/no;
        // dates; keys with gaps.
        raw.exec("INSERT INTO [LAUNDRY SETUP] ([ID], [PROFILE NAME], [PROFILE TYPE], "
                 "[VEND PRICE], [TOPOFF PRICE], [MAX CARD VALUE], [ENABLE TOKENS], "
                 "[SCROLL SPEED], [IDLE MESSAGE], [BUSY MESSAGE]) VALUES "
                 "(5, 'Caf\u00e9 \"1\" ''quoted''', 'Generic', 9223372036854775807, "
                 "-9223372036854775808, 0, 1, -2147483649, '', NULL), "
                 "(900, 'x', NULL, 12345600, NULL, 1, 0, 2147483648, "
                 "'\u65e5\u672c\u8a9e', 'tab\there')");
        raw.exec("INSERT INTO [MACHINE DATA] ([ID], [MACHINEID], [LOCATIONID], "
                 "[COLLECTION DATE], [INT CASH], [INT CYCLES]) VALUES "
                 "(3, 'M1', 'L1', '2020-03-05 13:02:03', 123456, 7), "
                 "(4, 'M2', NULL, '1999-12-31 23:59:59', -1, NULL)");
    }
    const QStringList before = dumpFile(source.path());
    ASSERT_EQ(before.size(), 4);

    QString error;
    ASSERT_TRUE(dbhelper::copyDatabase(source.path(), server.path(), false, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString back = dir.filePath("back.mdb"); // made by the copy
    ASSERT_TRUE(dbhelper::copyDatabase(server.path(), back, false, &error)) << error.toStdString();
    EXPECT_EQ(dumpFile(back), before);

    // A target with rows is left alone unless told.
    EXPECT_FALSE(dbhelper::copyDatabase(source.path(), server.path(), false, &error));
    EXPECT_TRUE(error.contains("--replace")) << error.toStdString();
    EXPECT_TRUE(dbhelper::copyDatabase(back, server.path(), true, &error)) << error.toStdString();

    // The server's key counter went past the copied keys.
    CdbDatabase db = CdbDBEngine().OpenDatabase(server.path());
    CdbRecordset rs = db.OpenRecordset("LAUNDRY SETUP");
    addProfile(rs, "New");
    rs.MoveLast();
    EXPECT_GT(rs.GetField("ID").toLongLong(), 900);
    EXPECT_EQ(rs.GetRecordCount(), 3);
}

// The key a row added through the DAO layer takes.
qint64 addedMachineKey(const QString& path)
{
    CdbDatabase db = CdbDBEngine().OpenDatabase(path);
    CdbRecordset rs = db.OpenRecordset("MACHINE DATA");
    rs.AddNew();
    rs.SetField("MACHINEID", "new");
    rs.Update();
    rs.MoveLast();
    return rs.GetField("ID").toLongLong();
}

TEST(DbCopy, ManyPagesWithKeyGapsArriveWholeBothWaysAndTheNextRowTakesTheNextKey)
{
    dbtest::TempDatabase server(Engine::Postgres);
    DBTEST_REQUIRE(server);
    dbtest::TempDatabase source;
    // More rows than a page of the copy and than one server INSERT holds,
    // the last of each short; keys 3 apart with a jump half-way; text with
    // what COPY's text format escapes.
    constexpr qint64 kRows = 25013;
    constexpr qint64 kLastKey = kRows * 3 + 1000000;
    dbtest::RawDb(source.path())
        .exec(QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                      "WHERE i < %1) INSERT INTO [MACHINE DATA] ([ID], [MACHINEID], "
                      "[LOCATIONID], [COLLECTION DATE], [INT CASH], [INT CYCLES]) "
                      "SELECT i * 3 + CASE WHEN i > 12000 THEN 1000000 ELSE 0 END, "
                      "'M' || (i % 97), CASE i % 5 WHEN 0 THEN NULL WHEN 1 THEN 'L\u00e9''' || i "
                      "ELSE 'L\\N' || char(92, 10, 13, 9) || i END, "
                      "printf('2021-%02d-%02d 10:00:00', i % 12 + 1, i % 28 + 1), "
                      "i * 1234567 - 99999999, i % 3 FROM n")
                  .arg(kRows));
    const QStringList before = dumpFile(source.path());
    ASSERT_EQ(before.size(), kRows);

    QString error;
    ASSERT_TRUE(dbhelper::copyDatabase(source.path(), server.path(), false, &error))
        << error.toStdString();
    QTemporaryDir dir;
    const QString back = dir.filePath("back.mdb");
    ASSERT_TRUE(dbhelper::copyDatabase(server.path(), back, false, &error)) << error.toStdString();
    const QStringList after = dumpFile(back);
    ASSERT_EQ(after.size(), before.size());
    const auto differs = std::mismatch(after.begin(), after.end(), before.begin());
    EXPECT_TRUE(differs.first == after.end())
        << "back: " << differs.first->toStdString() << "\nsent: " << differs.second->toStdString();

    EXPECT_EQ(addedMachineKey(server.path()), kLastKey + 1);
    EXPECT_EQ(addedMachineKey(back), kLastKey + 1);
}

class DroppedConnection : public ::testing::Test {
protected:
    void SetUp() override
    {
        DBTEST_REQUIRE(file);
        db = file.open();
        rs = db.OpenRecordset("LAUNDRY SETUP");
    }
    // The server ends every other session on the database, as a restart or
    // a network failure would.
    void dropConnections()
    {
        const QVariantList ended =
            dbtest::RawDb(file.path())
                .firstColumn("SELECT pg_terminate_backend(pid)::text FROM pg_stat_activity "
                             "WHERE datname = current_database() AND pid <> pg_backend_pid()");
        ASSERT_EQ(ended, QVariantList({"true"}));
    }

    dbtest::TempDatabase file{Engine::Postgres};
    CdbDatabase db;
    CdbRecordset rs;
};

TEST_F(DroppedConnection, AWriteOutsideATransactionIsSentAgainOnANewConnection)
{
    addProfile(rs, "A");
    rs.MoveFirst();
    dropConnections();
    // The recordset goes on where it was: reads, edits and adds.
    EXPECT_EQ(rs.GetField("PROFILE NAME").toString(), "A");
    dropConnections();
    rs.Edit();
    rs.SetField("IDLE MESSAGE", "edited");
    rs.Update();
    dropConnections();
    addProfile(rs, "B");
    EXPECT_EQ(dbtest::storedNames(file.path()), QStringList({"A", "B"}));
    EXPECT_EQ(dbtest::RawDb(file.path())
                  .scalar("SELECT [IDLE MESSAGE] FROM [LAUNDRY SETUP] "
                          "WHERE [PROFILE NAME] = 'A'"),
              "edited");
}

TEST_F(DroppedConnection, ATransactionLostWithItsConnectionIsRolledBackAndWorkGoesOn)
{
    db.BeginTrans();
    addProfile(rs, "Lost");
    dropConnections();
    // Its rows are gone with the session: nothing may pretend to join it.
    rs.AddNew();
    rs.SetField("PROFILE NAME", "After");
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoDiskIoError);
    EXPECT_EQ(daoError([&] { db.CommitTrans(); }), kDaoDiskIoError);
    db.Rollback();
    EXPECT_EQ(rs.GetRecordCount(), 0);
    addProfile(rs, "Again");
    EXPECT_EQ(dbtest::storedNames(file.path()), QStringList({"Again"}));
}

} // namespace

namespace {

using dbtest::daoError;
using dbtest::Engine;

class ServerFinds : public ::testing::Test {
protected:
    void SetUp() override
    {
        DBTEST_REQUIRE(file);
        backend.reset(static_cast<dao::PgBackend*>(dao::openBackend(file.path(), {}).release()));
    }
    QString plan(const QString& table, const QString& filter)
    {
        const dao::TableInfo info = backend->describeTable(table);
        const auto bound = dao::bindFilter(*dao::parseFilter(filter), info, filter);
        return backend->scanPlan(info, *bound, dao::MatchScan{dao::MatchScan::Order::Ascending, {}})
            .join(" | ");
    }

    dbtest::TempDatabase file{Engine::Postgres};
    std::unique_ptr<dao::PgBackend> backend;
};

TEST_F(ServerFinds, TextIgnoresCaseAndLookupsUseTheirIndexes)
{
    dbtest::RawDb raw(file.path());
    raw.exec("INSERT INTO [LAUNDRY SETUP] ([PROFILE NAME]) SELECT 'Profile ' || i FROM "
             "generate_series(1, 3000) i");
    raw.exec("INSERT INTO [MACHINE DATA] ([MACHINEID], [LOCATIONID], [COLLECTION DATE]) SELECT "
             "'M' || i, 'L1', '2020-01-01 00:00:00' FROM generate_series(1, 3000) i");
    raw.exec("ANALYZE");
    // The unique name index compares as the finds do: in any letter case.
    CdbDatabase db = file.open();
    CdbRecordset rs = db.OpenRecordset("LAUNDRY SETUP");
    rs.AddNew();
    rs.SetField("PROFILE NAME", "PROFILE 7");
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoDuplicateKey);
    rs.CancelUpdate();
    rs.FindFirst("[PROFILE NAME] = 'profile 2999'");
    EXPECT_FALSE(rs.GetNoMatch());
    rs.FindFirst("[PROFILE NAME] LIKE 'PROFILE 29[5-9]#'");
    EXPECT_EQ(rs.GetField("PROFILE NAME").toString(), "Profile 2950");
    rs.FindFirst("[PROFILE NAME] LIKE 'profile 1.*'");
    EXPECT_TRUE(rs.GetNoMatch()) << "a dot is no wildcard";

    for (const auto& [table, filter, index] :
         {std::tuple{"LAUNDRY SETUP", "[PROFILE NAME] = 'profile 12'", "BY PROFILE NAME"},
          std::tuple{"MACHINE DATA",
                     "(MACHINEID = 'm12') AND (LOCATIONID = 'L1') AND "
                     "([COLLECTION DATE] = #1/1/2020#)",
                     "MACHINE DATA BY MACHINE"}}) {
        const QString text = plan(table, filter);
        EXPECT_TRUE(text.contains(index) && !text.contains("Seq Scan")) << text.toStdString();
    }
}

} // namespace
