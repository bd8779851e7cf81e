// The system database a new installation starts with: its tables, columns,
// kinds and indexes, and that finds on large tables use those indexes.
#include "db/dao_error.h"
#include "db/filter_binder.h"
#include "db/filter_parser.h"
#include "db/schema.h"
#include "db/sqlite/sqlite_backend.h"
#include "db_test_support.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using dbtest::daoError;

TEST(Schema, HasEveryTableWithItsColumnsInTheirKinds)
{
    dbtest::TempDatabase file;
    CdbDatabase db = file.open();
    const std::tuple<const char*, const char*, CdbFieldType> expected[] = {
        // A column of each kind; money never as a plain number.
        {"LAUNDRY SETUP", "PROFILE TYPE", CdbFieldType::Text},
        {"LAUNDRY SETUP", "ENABLE TOKENS", CdbFieldType::Boolean},
        {"LAUNDRY SETUP", "SCROLL SPEED", CdbFieldType::Long},
        {"MACHINE DATA", "COLLECTION DATE", CdbFieldType::Date},
        {"ADVANTECK AUDIT", "Aux_Device_Revenue_Cumulative_Count", CdbFieldType::Currency},
    };
    for (const auto& [table, column, type] : expected)
        EXPECT_EQ(db.OpenRecordset(table).GetFields().Item(column).GetType(), type) << column;
    // Every column of the definitions made it into the file, in its kind.
    dbtest::RawDb raw(file.path());
    const QString typeOf = "SELECT type FROM pragma_table_info('%1') WHERE name = '%2'";
    for (const dao::TableDef& table : dao::systemTables())
        for (const dao::ColumnDef& column : table.columns)
            EXPECT_EQ(raw.scalar(typeOf.arg(table.name, column.name)),
                      dao::declaredTypeOf(column.kind))
                << table.name << "." << column.name;
    EXPECT_EQ(raw.scalar("PRAGMA user_version"), qint64(dbhelper::schemaVersion()));
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name NOT "
                         "LIKE 'sqlite%'"),
              qint64(dao::systemTables().size()));
}

TEST(Schema, CreateRefusesAnExistingFileOrMissingFolder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("manager.mdb");
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::ReadWrite));
    existing.write("keep me");
    existing.flush();
    QString error;
    EXPECT_FALSE(dbhelper::createDatabase(path, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(existing.seek(0));
    EXPECT_EQ(existing.readAll(), "keep me");
    EXPECT_FALSE(dbhelper::createDatabase(dir.filePath("no/such/manager.mdb"), nullptr));
    // Nothing was left behind by the refusals.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"manager.mdb"}));
}

TEST(Schema, ConnectOpensOnlyAnExistingDatabase)
{
    QTemporaryDir dir;
    CdbDBEngine engine;
    CdbDatabase db;
    const QString missing = dir.filePath("manager.mdb");
    EXPECT_EQ(dbhelper::Connect_To_Database(missing, &db, &engine, 0), 0);
    EXPECT_FALSE(QFile::exists(missing)); // never created on the way
    EXPECT_EQ(CdbLastOLEError().GetResultCode(), daoResultCode(kDaoFileNotFound));
    EXPECT_EQ(CdbLastOLEError().GetDescription(), "Could not find file '" + missing + "'.");

    ASSERT_TRUE(dbhelper::createDatabase(missing, nullptr));
    ASSERT_EQ(dbhelper::Connect_To_Database(missing, &db, &engine, 0), 1);
    CdbRecordset rs;
    EXPECT_EQ(dbhelper::Connect_To_Recordset("PRICE PROFILE", &rs, &db), 0);
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_EQ(dbhelper::Connect_To_Recordset("PRICE PROFILES", &rs, &db), 1);
}

// The plan SQLite chooses for the scan behind a find.
class FindPlan : public ::testing::Test {
protected:
    using Order = dao::MatchScan::Order;
    QString plan(const QString& table, const QString& filter, Order order,
                 const dao::KeyRange& range)
    {
        const dao::TableInfo info = backend->describeTable(table);
        const auto bound = dao::bindFilter(*dao::parseFilter(filter), info, filter);
        return backend->scanPlan(info, *bound, dao::MatchScan{order, range}).join(" | ");
    }

    dbtest::TempDatabase file;
    std::unique_ptr<dao::SqliteBackend> backend =
        dao::SqliteBackend::open(file.path(), false, 1000);
};

TEST_F(FindPlan, LookupsUseTheirIndexes)
{
    const std::tuple<const char*, const char*, const char*> lookups[] = {
        {"LAUNDRY SETUP", "[PROFILE NAME] = 'Dryers'", "LAUNDRY SETUP BY PROFILE NAME"},
        {"MACHINE DATA",
         "(MACHINEID = 'M1') AND (LOCATIONID = 'L1') AND ([INT CYCLES] = 5) AND ([ELP CYCLES] = 9) "
         "AND ([INT CASH] = 12.5) AND ([ELP CASH] = 99) AND ([ELP RUN TIME] = 3) AND "
         "([COLLECTION DATE] = #3/7/2005 9:30:00 AM#)",
         "MACHINE DATA BY MACHINE"},
        {"ADVANTECK AUDIT",
         "(MACHINEID = 'M1') AND (LOCATIONID = 'L1') AND ([SERIAL] = '0A0B0C0D0E') AND "
         "([INT CASH] = 1) AND ([ELP CASH] = 2) AND ([COLLECTION DATE] = #3/5/2020#)",
         "ADVANTECK AUDIT BY"},
    };
    // A key-ordered recordset bounds its finds by the highest key at open.
    const dao::KeyRange ranges[] = {{}, {std::nullopt, 1000000}, {999, 1000000}};
    for (const auto& [table, filter, index] : lookups)
        for (auto order : {Order::Ascending, Order::Descending, Order::Unordered})
            for (const dao::KeyRange& range : ranges) {
                const QString text = plan(table, filter, order, range);
                EXPECT_TRUE(text.contains("SEARCH") && text.contains(index) &&
                            !text.contains("SCAN") && !text.contains("TEMP B-TREE"))
                    << text.toStdString();
            }
}

} // namespace

namespace {

// A file of schema version 3 gets the collection-date indexes of version 4
// when opened for writing, with its rows; a read-only open leaves it as it is.
TEST(Schema, AVersionThreeFileGetsTheCollectionDateIndexes)
{
    const QString indexes = "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND name "
                            "LIKE '% BY COLLECTION DATE'";
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "read-write");
        dbtest::TempDatabase file;
        {
            dbtest::RawDb raw(file.path());
            raw.exec("DROP INDEX [MACHINE DATA BY COLLECTION DATE]");
            raw.exec("DROP INDEX [ADVANTECK AUDIT BY COLLECTION DATE]");
            raw.exec("INSERT INTO [MACHINE DATA] (MACHINEID) VALUES ('W1')");
            raw.exec("PRAGMA user_version = 3");
        }
        CdbDBEngine engine;
        engine.OpenDatabase(file.path(), readOnly).Close();
        dbtest::RawDb raw(file.path());
        EXPECT_EQ(raw.scalar(indexes), qint64(readOnly ? 0 : 2));
        EXPECT_EQ(raw.scalar("PRAGMA user_version"), qint64(readOnly ? 3 : 4));
        EXPECT_EQ(raw.scalar("SELECT count(*) FROM [MACHINE DATA]"), qint64(1));
    }
}

} // namespace
