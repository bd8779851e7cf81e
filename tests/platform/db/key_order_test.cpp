// A recordset in key order reads its keys a page at a time: walks across
// page edges, deletes on them, and which rows belong to it when rows are
// added through it or elsewhere while it is open.
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::daoError;

class KeyOrder : public ::testing::TestWithParam<dbtest::Engine> {
protected:
    // Rows first..last with MACHINEID 'M<id>' and INT CYCLES id % 2, added
    // by another connection.
    void store(int first, int last)
    {
        raw->exec(QString("WITH RECURSIVE n(i) AS (SELECT %1 UNION ALL SELECT i + 1 FROM n WHERE "
                          "i < %2) INSERT INTO [MACHINE DATA] ([ID], [MACHINEID], [INT CYCLES]) "
                          "SELECT i, 'M' || i, i % 2 FROM n WHERE i <= %2")
                      .arg(first)
                      .arg(last));
        // A server's key counter moves past keys given by hand only when told.
        if (raw->isServer())
            raw->exec("SELECT setval(pg_get_serial_sequence('\"MACHINE DATA\"', 'ID'), "
                      "(SELECT max([ID]) FROM [MACHINE DATA]))");
    }
    CdbRecordset open(const QString& source = "MACHINE DATA") { return db.OpenRecordset(source); }
    static qint64 id(const CdbRecordset& rs) { return rs.GetField("ID").toLongLong(); }
    // The keys from the current record to the end.
    static std::vector<qint64> rest(CdbRecordset& rs)
    {
        std::vector<qint64> keys;
        for (; !rs.GetEOF(); rs.MoveNext())
            keys.push_back(id(rs));
        return keys;
    }
    static std::vector<qint64> walk(CdbRecordset rs)
    {
        if (rs.GetRecordCount() == 0)
            return {};
        rs.MoveFirst();
        return rest(rs);
    }
    static std::vector<qint64> range(qint64 first, qint64 last, qint64 step = 1)
    {
        std::vector<qint64> keys;
        for (qint64 k = first; k <= last; k += step)
            keys.push_back(k);
        return keys;
    }
    static void addMachine(CdbRecordset& rs, const QString& machine, int cycles)
    {
        rs.AddNew();
        rs.SetField("MACHINEID", machine);
        rs.SetField("INT CYCLES", cycles);
        rs.Update();
    }

    void SetUp() override
    {
        DBTEST_REQUIRE(file);
        raw = std::make_unique<dbtest::RawDb>(file.path());
        db = file.open();
    }

    dbtest::TempDatabase file{GetParam()};
    std::unique_ptr<dbtest::RawDb> raw;
    CdbDatabase db;
};

// Pages grow 16, 64, 256, 512 keys: the counts sit on and beside their edges.
TEST_P(KeyOrder, WalksEveryRowOnceInKeyOrderAcrossPageEdges)
{
    int stored = 0;
    for (const int rows : {0, 1, 16, 17, 80, 81, 336, 1400}) {
        SCOPED_TRACE(rows);
        store(stored + 1, rows);
        stored = rows;
        CdbRecordset rs = open();
        EXPECT_EQ(rs.GetEOF(), rows == 0);
        EXPECT_EQ(rs.GetRecordCount(), rows);
        EXPECT_EQ(walk(rs), range(1, rows));
        if (rows > 0) {
            rs.MoveLast();
            EXPECT_EQ(id(rs), rows);
            rs.FindLast("[INT CYCLES] = 1");
            EXPECT_EQ(id(rs), rows % 2 ? rows : rows - 1);
        }
    }
}

TEST_P(KeyOrder, ADeleteOnAPageEdgeLeavesAHoleTheNextMoveLeaves)
{
    for (const int position : {0, 15, 16, 79, 80, 118, 119}) {
        SCOPED_TRACE(position);
        raw->exec("DELETE FROM [MACHINE DATA]");
        store(1, 120);
        CdbRecordset rs = open();
        for (int i = 0; i < position; ++i)
            rs.MoveNext();
        const qint64 gone = id(rs);
        rs.Delete();
        EXPECT_EQ(daoError([&] { rs.GetField("ID"); }), kDaoNoCurrentRecord);
        rs.MoveNext();
        const std::vector<qint64> after = rest(rs);
        EXPECT_TRUE(after.empty() || after.front() > gone);
        EXPECT_EQ(int(after.size()), 119 - position);
        EXPECT_EQ(rs.GetRecordCount(), 119);
        rs.FindFirst(QString("ID = %1").arg(gone));
        EXPECT_TRUE(rs.GetNoMatch());
    }
}

// Rows added elsewhere before the first read are members, those added after
// it stay out; rows added through the recordset join its end, wherever the
// walk is.
TEST_P(KeyOrder, MembershipIsTheRowsAtTheFirstReadAndThoseAddedThroughIt)
{
    for (const int position : {0, 15, 16, 49}) {
        SCOPED_TRACE(position);
        raw->exec("DELETE FROM [MACHINE DATA]");
        store(1, 50);
        CdbRecordset rs = open();
        store(51, 52);
        ASSERT_FALSE(rs.GetEOF());
        for (int i = 0; i < position; ++i)
            rs.MoveNext();
        store(53, 55);
        addMachine(rs, "Added", 0);
        const qint64 added = id(open("SELECT * FROM [MACHINE DATA] WHERE MACHINEID = 'Added'"));
        std::vector<qint64> expected = range(position + 1, 52);
        expected.push_back(added);
        EXPECT_EQ(rest(rs), expected);
        EXPECT_EQ(rs.GetRecordCount(), 53);
        rs.FindFirst("MACHINEID = 'M54'");
        EXPECT_TRUE(rs.GetNoMatch());
        rs.FindLast("[INT CYCLES] = 0");
        EXPECT_EQ(id(rs), added);
        rs.Requery();
        EXPECT_EQ(rs.GetRecordCount(), 56);
    }
}

// A find or an add may be the first use: a find takes the membership in its
// own read, an add keeps the rows below the added one.
TEST_P(KeyOrder, AFindOrAnAddAsTheFirstUseFixesTheMembership)
{
    store(1, 10);
    CdbRecordset found = open();
    store(11, 12);
    found.FindLast("[INT CYCLES] = 0");
    EXPECT_EQ(id(found), 12);
    store(13, 14);
    found.FindFirst("MACHINEID = 'M13'");
    EXPECT_TRUE(found.GetNoMatch());
    EXPECT_EQ(found.GetRecordCount(), 12);

    CdbRecordset odd = open("SELECT * FROM [MACHINE DATA] WHERE [INT CYCLES] = 1");
    store(15, 16);
    addMachine(odd, "Even", 0);
    store(18, 19);
    EXPECT_EQ(walk(odd), (std::vector<qint64>{1, 3, 5, 7, 9, 11, 13, 15, 17}));
}

// A WHERE without ORDER BY pages the matching rows only; a row added through
// it is a member whatever it holds.
TEST_P(KeyOrder, AFilteredRecordsetPagesItsMatchesAndKeepsItsAdditions)
{
    store(1, 300);
    CdbRecordset rs = open("SELECT * FROM [MACHINE DATA] WHERE [INT CYCLES] = 1");
    EXPECT_EQ(walk(rs), range(1, 299, 2));
    EXPECT_EQ(rs.GetRecordCount(), 150);
    rs.FindFirst("MACHINEID = 'M4'");
    EXPECT_TRUE(rs.GetNoMatch());
    addMachine(rs, "Even", 0);
    rs.FindFirst("MACHINEID = 'Even'");
    ASSERT_FALSE(rs.GetNoMatch());
    EXPECT_EQ(id(rs), 301);
    EXPECT_EQ(rs.GetRecordCount(), 151);
    rs.MoveFirst();
    EXPECT_EQ(id(rs), 1);
}

INSTANTIATE_TEST_SUITE_P(BothEngines, KeyOrder, dbtest::kBothEngines, dbtest::engineName);

} // namespace
