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
    const struct {
        const char* table;
        const char* column;
        CdbFieldType type;
    } expected[] = {
        // One column of each kind in each table: money never as a plain number.
        {"LAUNDRY SETUP", "PROFILE TYPE", CdbFieldType::Text},
        {"LAUNDRY SETUP", "VEND PRICE", CdbFieldType::Currency},
        {"LAUNDRY SETUP", "ENABLE TOKENS", CdbFieldType::Boolean},
        {"LAUNDRY SETUP", "SCROLL SPEED", CdbFieldType::Long},
        {"LAUNDRY SETUP", "SPEC PRICE 16", CdbFieldType::Currency},
        {"LAUNDRY SETUP", "STANDARD ADDER OPTION2", CdbFieldType::Currency},
        {"PRICE PROFILES", "TOPOFF PRICE", CdbFieldType::Currency},
        {"PRICE PROFILES", "TOPOFF TIME", CdbFieldType::Long},
        {"PRICE SPECIALS", "SPECIAL PRICE", CdbFieldType::Currency},
        {"PRICE SPECIALS", "STOP TIME", CdbFieldType::Text},
        {"MACHINE DATA", "COLLECTION DATE", CdbFieldType::Date},
        {"MACHINE DATA", "ELP TOPOFF CASH", CdbFieldType::Currency},
        {"MACHINE DATA", "FINAL SPIN", CdbFieldType::Text},
        {"MACHINE DATA", "SUPER CYCLE TOKEN PRICE", CdbFieldType::Long},
        {"ADVANTECK AUDIT", "Aux_Device_Revenue_Cumulative_Count", CdbFieldType::Currency},
        {"ADVANTECK AUDIT", "COLLECTION DATE", CdbFieldType::Date},
        {"SERIAL INFO", "ACCOUNTID", CdbFieldType::Text},
        {"USER INFO", "LASTNAME", CdbFieldType::Text},
        {"DC TEMP", "RECORD NUMBER", CdbFieldType::Long},
    };
    for (const auto& e : expected) {
        CdbRecordset rs = db.OpenRecordset(QString::fromLatin1(e.table));
        EXPECT_EQ(rs.GetFields().Item(QString::fromLatin1(e.column)).GetType(), e.type)
            << e.table << "." << e.column;
    }
    // Every column of the definitions made it into the file, in its kind.
    dbtest::RawDb raw(file.path());
    for (const dao::TableDef& table : dao::systemTables()) {
        for (const dao::ColumnDef& column : table.columns) {
            EXPECT_EQ(raw.scalar(QString("SELECT type FROM pragma_table_info('%1') WHERE name = "
                                         "'%2'")
                                     .arg(table.name, column.name)),
                      dao::declaredTypeOf(column.kind))
                << table.name << "." << column.name;
        }
    }
    EXPECT_EQ(raw.scalar("PRAGMA user_version"), qint64(dbhelper::schemaVersion()));
    EXPECT_EQ(raw.scalar("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(raw.scalar("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name NOT "
                         "LIKE 'sqlite%'"),
              qint64(dao::systemTables().size()));
}

TEST(Schema, CreateRefusesAnExistingFileOrMissingFolder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("manager.mdb");
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("keep me");
    }
    QString error;
    EXPECT_FALSE(dbhelper::createDatabase(path, &error));
    EXPECT_TRUE(error.contains("already exists")) << error.toStdString();
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "keep me");

    EXPECT_FALSE(dbhelper::createDatabase(dir.filePath("no/such/manager.mdb"), &error));
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
    EXPECT_FALSE(dbhelper::createDatabase(QString(), nullptr));
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

    const QString notes = dir.filePath("notes.mdb");
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(4096, 'x'));
    text.close();
    EXPECT_EQ(dbhelper::Connect_To_Database(notes, &db, &engine, 0), 0);
    EXPECT_EQ(CdbLastOLEError().GetResultCode(), daoResultCode(kDaoNotADatabase));
    EXPECT_EQ(CdbLastOLEError().GetDescription(), "file is not a database");

    ASSERT_TRUE(dbhelper::createDatabase(missing, nullptr));
    ASSERT_EQ(dbhelper::Connect_To_Database(missing, &db, &engine, 0), 1);
    CdbRecordset rs;
    EXPECT_EQ(dbhelper::Connect_To_Recordset("PRICE PROFILE", &rs, &db), 0);
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_EQ(dbhelper::Connect_To_Recordset("SELECT * FROM [PRICE PROFILES] WHERE [TOPOFF TIME] "
                                             "<> -1",
                                             &rs, &db),
              1);
    EXPECT_EQ(rs.GetRecordCount(), 0);
}

// The plan SQLite chooses for the scan behind a find.
class FindPlan : public ::testing::Test {
protected:
    QString plan(const QString& table, const QString& filter,
                 dao::MatchScan::Order order = dao::MatchScan::Order::Ascending)
    {
        const dao::TableInfo info = backend->describeTable(table);
        const auto bound = dao::bindFilter(*dao::parseFilter(filter), info, filter);
        dao::MatchScan scan;
        scan.order = order;
        return backend->scanPlan(info, *bound, scan).join(" | ");
    }

    dbtest::TempDatabase file;
    std::unique_ptr<dao::SqliteBackend> backend =
        dao::SqliteBackend::open(file.path(), false, 1000);
};

TEST_F(FindPlan, LookupsUseTheirIndexes)
{
    const struct {
        const char* table;
        const char* filter;
        const char* index;
    } lookups[] = {
        {"LAUNDRY SETUP", "[PROFILE NAME] = 'Dryers'", "LAUNDRY SETUP BY PROFILE NAME"},
        {"PRICE PROFILES", "[PROFILE NAME] = 'Happy hour'", "PRICE PROFILES BY PROFILE NAME"},
        {"PRICE SPECIALS", "[PROFILE NAME] = 'Happy hour'", "PRICE SPECIALS BY PROFILE NAME"},
        {"MACHINE DATA",
         "(MACHINEID = 'M1') AND (LOCATIONID = 'L1') AND ([INT CYCLES] = 5) AND ([ELP CYCLES] = 9) "
         "AND ([INT CASH] = 12.5) AND ([ELP CASH] = 100) AND ([ELP RUN TIME] = 3) AND "
         "([COLLECTION DATE] = #3/5/2020 1:02:00 PM#)",
         "MACHINE DATA BY MACHINE"},
        {"ADVANTECK AUDIT",
         "(MACHINEID = 'M1') AND (LOCATIONID = 'L1') AND ([SERIAL] = '0A0B0C0D0E') AND "
         "([INT CASH] = 1) AND ([ELP CASH] = 2) AND ([COLLECTION DATE] = #3/5/2020#)",
         "ADVANTECK AUDIT BY"},
        {"SERIAL INFO", "[SERIAL] = '0A0B0C0D0E'", "SERIAL INFO BY SERIAL"},
        {"USER INFO", "[ACCOUNTID] = '42'", "USER INFO BY ACCOUNTID"},
    };
    for (const auto& lookup : lookups) {
        for (auto order : {dao::MatchScan::Order::Ascending, dao::MatchScan::Order::Descending,
                           dao::MatchScan::Order::Unordered}) {
            const QString text = plan(lookup.table, lookup.filter, order);
            EXPECT_TRUE(text.contains("SEARCH")) << text.toStdString();
            EXPECT_TRUE(text.contains(lookup.index)) << text.toStdString();
            EXPECT_FALSE(text.contains("SCAN")) << text.toStdString();
            EXPECT_FALSE(text.contains("TEMP B-TREE")) << text.toStdString();
        }
    }
    // Finding a price special by its auto-number goes straight to the row.
    EXPECT_TRUE(plan("PRICE SPECIALS", "([PROFILE NAME] = 'x') AND (INDEXID = 4)")
                    .contains("INTEGER PRIMARY KEY"));
    // A column without an index is scanned: the check above can fail.
    EXPECT_TRUE(plan("LAUNDRY SETUP", "[IDLE MESSAGE] = 'x'").contains("SCAN"));
}

} // namespace
