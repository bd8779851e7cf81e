// Opening refuses what it cannot honestly open, and leaves it as it was: a
// folder, an empty file, a read-only database opened for writing. All of it is
// about the file and its place, so it runs on SQLite only.
#include "db_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <functional>

namespace {

using dbtest::daoError;

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(OpenDatabase, RefusesAFolderAnEmptyFileOrAnotherFileAndLeavesThemAsTheyWere)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder.mdb");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString empty = dir.filePath("empty.mdb");
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    const QString notes = dir.filePath("notes.mdb");
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write(QByteArray(4096, 'x')) == 4096);
    text.close();
    const struct {
        QString path;
        int number;
        QString says; // within the description
    } cases[] = {{folder, kDaoCannotOpenFile, folder},
                 {empty, kDaoNotADatabase, empty},
                 {notes, kDaoNotADatabase, "file is not a database"}};
    for (const auto& c : cases) {
        for (bool readOnly : {false, true}) {
            CdbDBEngine engine;
            EXPECT_EQ(daoError([&] { engine.OpenDatabase(c.path, readOnly); }), c.number)
                << c.path.toStdString();
            EXPECT_TRUE(CdbLastOLEError().GetDescription().contains(c.says))
                << CdbLastOLEError().GetDescription().toStdString();
        }
    }
    EXPECT_EQ(QFileInfo(empty).size(), 0);
    EXPECT_EQ(QFileInfo(notes).size(), 4096);
    // No -wal or -shm either.
    EXPECT_EQ(filesIn(dir.path()), QStringList({"empty.mdb", "notes.mdb"}));
    EXPECT_TRUE(QDir(folder).isEmpty());
}

// Root writes through file modes, so as root the database lives on a small
// tmpfs that is remounted read-only, in a mount namespace of this process so
// nothing outlives the test.
struct MountedTmpfs {
    explicit MountedTmpfs(const QString& folder) : at(QFile::encodeName(folder))
    {
        mounted = unshare(CLONE_NEWNS) == 0 &&
                  mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                  mount("tmpfs", at.constData(), "tmpfs", 0, "size=4m") == 0;
    }
    ~MountedTmpfs()
    {
        if (mounted)
            umount(at.constData());
    }
    bool remount(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return mount(nullptr, at.constData(), nullptr, flags, "size=4m") == 0;
    }

    QByteArray at;
    bool mounted = false;
};

TEST(OpenDatabase, RefusesToWriteAReadOnlyDatabaseAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/manager.mdb";
    std::unique_ptr<MountedTmpfs> tmpfs;
    // Ways to make the database's place read-only (true) and writable again.
    std::vector<std::pair<const char*, std::function<bool(bool)>>> places;
    if (geteuid() == 0) {
        tmpfs = std::make_unique<MountedTmpfs>(folder);
        if (!tmpfs->mounted)
            GTEST_SKIP() << "running as root without permission to mount a tmpfs, and file "
                            "modes do not stop root from writing";
        places.push_back({"read-only mount", [&](bool ro) { return tmpfs->remount(ro); }});
    } else {
        const auto modes = [](const QString& p, QFile::Permissions readable) {
            return [=](bool ro) {
                return QFile::setPermissions(p, ro ? readable : readable | QFile::WriteOwner);
            };
        };
        places = {{"file not writable", modes(path, QFile::ReadOwner)},
                  {"folder not writable", modes(folder, QFile::ReadOwner | QFile::ExeOwner)}};
    }
    ASSERT_TRUE(dbhelper::createDatabase(path, nullptr));
    for (const auto& [what, makeReadOnly] : places) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(makeReadOnly(true));
        CdbDBEngine engine;
        EXPECT_EQ(daoError([&] { engine.OpenDatabase(path); }), kDaoReadOnly);
        EXPECT_TRUE(CdbLastOLEError().GetDescription().contains("read-only"))
            << CdbLastOLEError().GetDescription().toStdString();
        EXPECT_EQ(filesIn(folder), QStringList({"manager.mdb"}));
        ASSERT_TRUE(makeReadOnly(false));
        // Nothing was left that keeps failing once the place is writable.
        CdbDatabase db = engine.OpenDatabase(path);
        CdbRecordset rs = db.OpenRecordset("USER INFO");
        rs.AddNew();
        rs.SetField("ACCOUNTID", "7");
        EXPECT_EQ(daoError([&] { rs.Update(); }), 0);
        db.Close();
        EXPECT_EQ(filesIn(folder), QStringList({"manager.mdb"}));
    }
}

} // namespace
