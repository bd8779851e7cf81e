// A fresh manager.mdb in a temporary folder with the profile list open, and
// a quick way to store a profile the way the editor does.
#pragma once

#include "platform/ui/checked_scripted_ui.h"
#include "profiles/profile_store.h"
#include "services/dao.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace profiletest {

class ProfileDbTest : public ::testing::Test {
protected:
    ProfileDbTest()
    {
        path_ = dir_.filePath(QStringLiteral("manager.mdb"));
        QString error;
        EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
        database_ = engine_.OpenDatabase(path_);
    }
    ~ProfileDbTest() override { database_.Close(); }

    QString databasePath() const { return path_; }
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

private:
    QTemporaryDir dir_;
    QString path_;
    CdbDBEngine engine_;
    CdbDatabase database_;
};

} // namespace profiletest
