// Transactions as DAO has them: writes kept or undone together, nested
// levels, a guard that cannot leave one open, recordsets that never show a
// row a rollback took back, and failures that leave the caller in charge.
// (Each failing call of a guarded write is swept in write_fault_sweep_test.)
#include "db/backend_factory.h"
#include "db/sqlite/sqlite_backend.h"
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::addProfile;
using dbtest::daoError;
using dbtest::names;

class Transactions : public ::testing::TestWithParam<dbtest::Engine> {
protected:
    // What another program reading the file sees.
    QStringList stored() { return dbtest::storedNames(file.path()); }

    void SetUp() override
    {
        DBTEST_REQUIRE(file);
        db = file.open();
        rs = db.OpenRecordset("LAUNDRY SETUP");
    }

    dbtest::TempDatabase file{GetParam()};
    CdbDatabase db;
    CdbRecordset rs;
};

TEST_P(Transactions, CommitKeepsAndRollbackUndoesEveryKindOfWrite)
{
    for (bool commit : {true, false}) {
        SCOPED_TRACE(commit ? "commit" : "rollback");
        db.Execute("DELETE FROM [LAUNDRY SETUP]");
        rs.Requery();
        for (const char* name : {"A", "B", "C"})
            addProfile(rs, name);
        db.BeginTrans();
        addProfile(rs, "D");
        rs.MoveFirst();
        rs.MoveNext();
        rs.Edit();
        rs.SetField("PROFILE NAME", "B2");
        rs.Update();
        rs.MoveNext();
        rs.Delete();
        db.Execute("DELETE FROM [LAUNDRY SETUP] WHERE [PROFILE NAME] = 'A'");
        EXPECT_EQ(stored(), QStringList({"A", "B", "C"})); // nothing is seen before the commit
        commit ? db.CommitTrans() : db.Rollback();
        EXPECT_EQ(stored(), commit ? QStringList({"B2", "D"}) : QStringList({"A", "B", "C"}));
    }
}

TEST_P(Transactions, ARollbackTakesItsRowsOutOfOpenRecordsets)
{
    addProfile(rs, "A");
    rs.MoveFirst();
    db.BeginTrans();
    addProfile(rs, "B");
    CdbRecordset sorted =
        db.OpenRecordset("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME] DESC");
    EXPECT_EQ(sorted.GetField("PROFILE NAME").toString(), "B");
    rs.Edit();
    rs.SetField("IDLE MESSAGE", "undone");
    rs.Update();
    EXPECT_EQ(rs.GetField("IDLE MESSAGE").toString(), "undone");
    db.Rollback();

    EXPECT_EQ(rs.GetRecordCount(), 1);
    EXPECT_FALSE(rs.GetField("IDLE MESSAGE").isValid()); // read again, not remembered
    // The current row was taken back: as after a Delete, no current record.
    EXPECT_EQ(daoError([&] { sorted.GetField("PROFILE NAME"); }), kDaoNoCurrentRecord);
    sorted.MoveNext();
    EXPECT_EQ(sorted.GetField("PROFILE NAME").toString(), "A");
    // The engine gives the key of a row taken back out again; no recordset
    // may show the new row under the old one's place as well.
    addProfile(rs, "C");
    EXPECT_EQ(names(rs), QStringList({"A", "C"}));
    EXPECT_EQ(names(sorted), QStringList({"A"}));
}

TEST_P(Transactions, LevelsNestAndEndInnermostFirst)
{
    EXPECT_EQ(daoError([&] { db.Rollback(); }), kDaoNoTransaction);
    db.BeginTrans();
    addProfile(rs, "Outer");
    db.BeginTrans();
    addProfile(rs, "Undone");
    db.Rollback();
    db.BeginTrans();
    addProfile(rs, "Inner");
    db.CommitTrans();
    EXPECT_EQ(names(rs), QStringList({"Outer", "Inner"}));
    EXPECT_TRUE(stored().isEmpty());
    db.CommitTrans();
    EXPECT_EQ(stored(), QStringList({"Outer", "Inner"}));
    EXPECT_EQ(daoError([&] { db.CommitTrans(); }), kDaoNoTransaction);
}

TEST_P(Transactions, OnlyACommittedGuardKeepsItsWritesAndClosingRollsBack)
{
    EXPECT_EQ(daoError([&] {
                  CdbTransaction transaction(db);
                  addProfile(rs, "A");
                  addProfile(rs, "A"); // duplicate name
                  transaction.Commit();
              }),
              kDaoDuplicateKey);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(daoError([&] { db.Rollback(); }), kDaoNoTransaction); // none left open
    db.BeginTrans();
    addProfile(rs, "A");
    db.Close();
    EXPECT_TRUE(stored().isEmpty());
}

// A failed statement (a duplicate name) undoes only itself, even where the
// engine itself would abort the whole transaction, and the caller goes on.
TEST_P(Transactions, AFailedWriteUndoesItselfOnlyAndLeavesTheTransactionOpen)
{
    db.BeginTrans();
    addProfile(rs, "A");
    db.BeginTrans();
    addProfile(rs, "Inner");
    rs.AddNew();
    rs.SetField("PROFILE NAME", "a");
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoDuplicateKey);
    rs.SetField("PROFILE NAME", "B");
    rs.Update();
    db.Rollback(); // the inner level: Inner and B
    addProfile(rs, "C");
    db.CommitTrans();
    EXPECT_EQ(stored(), QStringList({"A", "C"}));
}

INSTANTIATE_TEST_SUITE_P(BothEngines, Transactions, dbtest::kBothEngines, dbtest::engineName);

// Stops the file from growing past its present size, as a full disk would
// (SQLite's page limit: the file's own case).
class FullDisk {
public:
    FullDisk()
    {
        dao::setBackendWrapper([](std::unique_ptr<dao::Backend> backend) {
            sqlite3* db = dynamic_cast<dao::SqliteBackend&>(*backend).handle();
            sqlite3_exec(db, "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
            return backend;
        });
    }
    ~FullDisk() { dao::setBackendWrapper(nullptr); }
};

// SQLite undoes a whole transaction when the disk is full: nothing is written
// as if it were still there, and the caller's Rollback ends it.
TEST(TransactionFailure, AFullDiskEndsTheTransactionAtTheCallersRollback)
{
    dbtest::TempDatabase file;
    const FullDisk fullDisk;
    CdbDatabase db = file.open();
    CdbRecordset rs = db.OpenRecordset("LAUNDRY SETUP");
    db.BeginTrans();
    addProfile(rs, "A");
    rs.AddNew();
    rs.SetField("PROFILE NAME", QString(100000, 'x'));
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoDiskFull);
    rs.SetField("PROFILE NAME", "B");
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoReservedError);
    EXPECT_EQ(daoError([&] { db.CommitTrans(); }), kDaoReservedError);
    db.Rollback();
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_TRUE(dbtest::storedNames(file.path()).isEmpty());
}

} // namespace
