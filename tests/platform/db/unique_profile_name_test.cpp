// A profile name is stored once in any letter case, whoever writes it; files
// made before that rule get it when they are next opened for writing.
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dbtest::daoError;

void addProfile(CdbDatabase& db, const QString& name)
{
    CdbRecordset rs = db.OpenRecordset("LAUNDRY SETUP");
    dbtest::addProfile(rs, name);
}

class UniqueProfileName : public ::testing::TestWithParam<dbtest::Engine> {};

TEST_P(UniqueProfileName, ASecondNameInAnyCaseIsRefusedWhoeverWritesIt)
{
    dbtest::TempDatabase file(GetParam());
    DBTEST_REQUIRE(file);
    CdbDBEngine one;
    CdbDBEngine two;
    CdbDatabase first = one.OpenDatabase(file.path());
    CdbDatabase second = two.OpenDatabase(file.path());
    addProfile(first, "shared001");
    EXPECT_EQ(daoError([&] { addProfile(second, "SHARED001"); }), kDaoDuplicateKey);
    addProfile(second, "other");
    CdbRecordset rs =
        second.OpenRecordset("SELECT * FROM [LAUNDRY SETUP] WHERE [PROFILE NAME] = 'other'");
    rs.Edit();
    rs.SetField("PROFILE NAME", "SHARED001");
    EXPECT_EQ(daoError([&] { rs.Update(); }), kDaoDuplicateKey);
    EXPECT_EQ(dbtest::storedNames(file.path()), QStringList({"shared001", "other"}));
}

INSTANTIATE_TEST_SUITE_P(BothEngines, UniqueProfileName, dbtest::kBothEngines, dbtest::engineName);

// Version 1 files are older than the server engine, so the upgrade to a
// unique name is the SQLite file's only. A file as the previous schema version made it: the same
// tables, a plain index on the profile name.
void makeVersionOneFile(const QString& path, const QStringList& names)
{
    ASSERT_TRUE(dbhelper::createDatabase(path, nullptr));
    dbtest::RawDb raw(path);
    raw.exec("DROP INDEX [LAUNDRY SETUP BY PROFILE NAME]");
    raw.exec("CREATE INDEX [LAUNDRY SETUP BY PROFILE NAME] ON [LAUNDRY SETUP] ([PROFILE NAME])");
    raw.exec("PRAGMA user_version = 1");
    for (const QString& name : names)
        raw.exec(QString("INSERT INTO [LAUNDRY SETUP] ([PROFILE NAME]) VALUES ('%1')").arg(name));
}

TEST(UniqueProfileNameUpgrade, AnOlderFileIsUpgradedWhenOpenedForWritingUnlessNamesCollide)
{
    const std::tuple<QStringList, bool, bool> cases[] = {
        // names, read-only, upgraded
        {{"shared001", "Dryers"}, false, true},
        {{"shared001", "Dryers"}, true, false}, // a read-only open changes nothing
        {{"shared001", "Dryers", "SHARED001"}, false, false},
    };
    for (const auto& [names, readOnly, upgraded] : cases) {
        SCOPED_TRACE(names.join(",").toStdString() + (readOnly ? " read-only" : ""));
        QTemporaryDir dir;
        const QString path = dir.filePath("manager.mdb");
        makeVersionOneFile(path, names);
        {
            CdbDBEngine engine;
            CdbDatabase db = engine.OpenDatabase(path, readOnly); // opens in every case
            EXPECT_EQ(db.OpenRecordset("LAUNDRY SETUP").GetRecordCount(), names.size());
        }
        dbtest::RawDb raw(path);
        EXPECT_EQ(raw.scalar("PRAGMA user_version"),
                  qint64(upgraded ? dbhelper::schemaVersion() : 1));
        EXPECT_EQ(raw.scalar("SELECT [unique] FROM pragma_index_list('LAUNDRY SETUP') "
                             "WHERE name = 'LAUNDRY SETUP BY PROFILE NAME'"),
                  qint64(upgraded));
        EXPECT_EQ(dbtest::storedNames(path), names);
    }
}

} // namespace
