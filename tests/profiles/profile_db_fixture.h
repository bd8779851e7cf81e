// A fresh system database with the profile list open, and a quick way to
// store a profile the way the editor does: ProfileDbTest on an SQLite file,
// ProfileDb on each engine.
#pragma once

#include "platform/db/db_test_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/profile_json.h"
#include "profiles/profile_selection.h"
#include "profiles/profile_store.h"
#include "profiles/profile_table.h"
#include "services/dao.h"
#include "services/system_database.h"
#include "setup/setup_record.h"
#include "support/recording_card_image.h"

#include <gtest/gtest.h>

#include <functional>

namespace profiletest {

class ProfileDbFixture {
protected:
    explicit ProfileDbFixture(dbtest::Engine engine) : file_(engine)
    {
        if (!file_.path().isEmpty()) // else no server: the test skips
            database_ = engine_.OpenDatabase(file_.path());
    }
    ~ProfileDbFixture() { database_.Close(); }

    QString databasePath() const { return file_.path(); }
    CdbDatabase& database() { return database_; }
    profiles::ProfileStore openList()
    {
        return profiles::ProfileStore(database_.OpenRecordset(profiles::profileListQuery()));
    }
    profiles::ProfileStore openTable()
    {
        return profiles::ProfileStore(database_.OpenRecordset(QStringLiteral("LAUNDRY SETUP")));
    }

    // Adds a profile with the editor's defaults, the given columns and what
    // `set` changes.
    void addProfile(const QString& name, int code, const profiles::ColumnValues& columns = {},
                    const std::function<void(profiles::CommonValues&)>& set = {})
    {
        profiles::CommonValues common = profiles::newProfileValues(code);
        common.name = name;
        if (set)
            set(common);
        ASSERT_EQ(openTable().save(common, columns, profiles::SaveMode::Add),
                  profiles::ProfileStore::Saved::Yes);
    }

    // A stored profile, type 3 included.
    profiles::ProfileValues stored(const QString& name)
    {
        profiles::ProfileStore store = openTable();
        profiles::ProfileValues values;
        EXPECT_TRUE(store.positionOn(name) && store.loadCurrent(values)) << name.toStdString();
        return values;
    }

    uitest::CheckedScriptedUi ui_;
    dbtest::TempDatabase file_;

private:
    CdbDBEngine engine_;
    CdbDatabase database_;
};

class ProfileDbTest : public ::testing::Test, public ProfileDbFixture {
protected:
    ProfileDbTest() : ProfileDbFixture(dbtest::Engine::Sqlite) {}
};

// Profiles imported from a profile file and converted by name as
// `setup write --profile` does, with this database as the system database.
class ProfileFileTest : public ProfileDbTest {
protected:
    ProfileFileTest() { systemdb::setDatabasePath(databasePath()); }
    ~ProfileFileTest() override { systemdb::setDatabasePath({}); }

    profiles::ImportOutcome import(const QJsonArray& profiles)
    {
        profiles::ProfileTable table;
        if (!table.open(profiles::ProfileTable::Rows::All, databasePath()))
            return {};
        return profiles::importProfiles(profiles, table);
    }
    profiles::ImportOutcome importJson(const QString& json)
    {
        QString error;
        const auto parsed = profiles::parseProfileFile(json.toUtf8(), &error);
        EXPECT_TRUE(parsed) << error.toStdString();
        return parsed ? import(*parsed) : profiles::ImportOutcome{};
    }
    STRUCT_laundry_setup converted(const QString& name)
    {
        STRUCT_laundry_setup record{};
        setup::clearSetupRecord(record);
        EXPECT_EQ(profiles::convertProfileByName(name, record), 1) << name.toStdString();
        return record;
    }
    // The setup data file `write` makes of the record.
    using Writer = uint8_t (*)(BaseCardImage&, const STRUCT_laundry_setup&);
    static QByteArray setupFile(const STRUCT_laundry_setup& record, Writer write)
    {
        RecordingCardImage image;
        EXPECT_EQ(write(image, record), 0);
        return image.file(0x2001);
    }
};

// Instantiated on both engines in profile_store_test.cpp.
class ProfileDb : public ::testing::TestWithParam<dbtest::Engine>, public ProfileDbFixture {
protected:
    ProfileDb() : ProfileDbFixture(GetParam()) {}
    void SetUp() override { DBTEST_REQUIRE(file_); }
};

} // namespace profiletest
