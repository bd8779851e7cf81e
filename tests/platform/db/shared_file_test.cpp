// Two programs share the database: on either engine each sees the other's
// writes; on the SQLite file WAL lets a reader and a writer work at once, and
// the busy timeout lets a writer wait its turn.
#include "db_test_support.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

using dbtest::daoError;

class SharedDatabase : public ::testing::TestWithParam<dbtest::Engine> {};

TEST_P(SharedDatabase, TwoConnectionsSeeEachOthersWrites)
{
    dbtest::TempDatabase file(GetParam());
    DBTEST_REQUIRE(file);
    CdbDBEngine first;
    CdbDBEngine second;
    CdbDatabase a = first.OpenDatabase(file.path());
    CdbDatabase b = second.OpenDatabase(file.path());
    CdbRecordset reader = b.OpenRecordset("PRICE PROFILES");
    ASSERT_EQ(reader.GetRecordCount(), 0); // the first read fixes the members

    CdbRecordset writer = a.OpenRecordset("PRICE PROFILES");
    writer.AddNew();
    writer.SetField("PROFILE NAME", "Happy hour");
    writer.Update(); // a reader with an open recordset does not block it

    EXPECT_EQ(reader.GetRecordCount(), 0);
    reader.Requery();
    ASSERT_EQ(reader.GetRecordCount(), 1);
    EXPECT_EQ(reader.GetField("PROFILE NAME").toString(), "Happy hour");
}

INSTANTIATE_TEST_SUITE_P(BothEngines, SharedDatabase, dbtest::kBothEngines, dbtest::engineName);

TEST(SharedFile, AWriterWaitsForTheBusyTimeoutThenReportsTheLock)
{
    dbtest::TempDatabase file;
    CdbDBEngine engine;
    engine.SetBusyTimeout(300);
    CdbDatabase db = engine.OpenDatabase(file.path());
    CdbRecordset rs = db.OpenRecordset("SERIAL INFO");

    dbtest::RawDb other(file.path());
    other.exec("BEGIN IMMEDIATE");
    rs.AddNew();
    rs.SetField("SERIAL", "0A0B0C0D0E");
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoLockedByUser);
    EXPECT_GE(timer.elapsed(), 250);
    EXPECT_EQ(CdbLastOLEError().GetDescription(), "database is locked");
    // Reading goes on while the other program writes.
    EXPECT_EQ(db.OpenRecordset("USER INFO").GetRecordCount(), 0);

    other.exec("COMMIT");
    rs.Update(); // the add stayed open and now goes through
    EXPECT_EQ(rs.GetRecordCount(), 1);
}

} // namespace
