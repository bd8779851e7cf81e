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

class Schema : public ::testing::TestWithParam<dbtest::Engine> {};

TEST_P(Schema, HasEveryTableWithItsColumnsInTheirKinds)
{
    dbtest::TempDatabase file(GetParam());
    DBTEST_REQUIRE(file);
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
    // Every column of the definitions made it into the database, in its kind.
    QStringList tables;
    for (const dao::TableDef& table : dao::systemTables()) {
        tables << table.name;
        const CdbFields fields = db.OpenRecordset(table.name).GetFields();
        for (const dao::ColumnDef& column : table.columns)
            EXPECT_EQ(fields.Item(column.name).GetType(), dao::fieldTypeOf(column.kind))
                << table.name << "." << column.name;
    }
    tables.sort();
    dbtest::RawDb raw(file.path());
    EXPECT_EQ(raw.schemaVersion(), dbhelper::schemaVersion());
    EXPECT_EQ(raw.tables(), tables);
}

// A database an older version made gains what the versions since added, with
// its rows, when it is opened for writing; a read-only open changes nothing.
TEST_P(Schema, AnOlderDatabaseIsUpgradedWhenOpenedForWriting)
{
    const char* const mhn33[] = {"WATER LEVEL", "TEMP LEVEL"}; // version 3
    const char* const byDate[] = {"MACHINE DATA BY COLLECTION DATE",
                                  "ADVANTECK AUDIT BY COLLECTION DATE"}; // version 4
    for (const int version : {2, 3}) {
        for (const bool readOnly : {true, false}) {
            SCOPED_TRACE(std::to_string(version) + (readOnly ? " read-only" : " read-write"));
            dbtest::TempDatabase file(GetParam());
            DBTEST_REQUIRE(file);
            {
                dbtest::RawDb raw(file.path());
                for (const char* column : mhn33)
                    if (version < 3)
                        raw.exec(
                            QString("ALTER TABLE [LAUNDRY SETUP] DROP COLUMN [%1]").arg(column));
                for (const char* index : byDate)
                    raw.exec(QString("DROP INDEX [%1]").arg(index));
                raw.exec("INSERT INTO [MACHINE DATA] ([MACHINEID]) VALUES ('W1')");
                raw.setSchemaVersion(version);
            }
            CdbDBEngine engine;
            engine.OpenDatabase(file.path(), readOnly).Close();
            dbtest::RawDb raw(file.path());
            EXPECT_EQ(raw.schemaVersion(), readOnly ? version : dbhelper::schemaVersion());
            for (const char* column : mhn33)
                EXPECT_EQ(raw.hasColumn("LAUNDRY SETUP", column), !readOnly || version >= 3)
                    << column;
            for (const char* index : byDate)
                EXPECT_EQ(raw.hasIndex(index), !readOnly) << index;
            EXPECT_EQ(raw.scalar("SELECT [MACHINEID] FROM [MACHINE DATA]"), "W1");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothEngines, Schema, dbtest::kBothEngines, dbtest::engineName);

// The rest is about the SQLite file itself: creating and finding the file,
// and the plans SQLite chooses.
TEST(SchemaFile, CreateRefusesAnExistingFileOrMissingFolder)
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

TEST(SchemaFile, ConnectOpensOnlyAnExistingDatabase)
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
