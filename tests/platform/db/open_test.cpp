// Opening refuses what it cannot honestly open, and leaves it as it was: a
// folder, an empty file, a read-only database opened for writing.
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

TEST(OpenDatabase, RefusesAFolderOrAnEmptyFileAndLeavesThemAsTheyWere)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("folder.mdb");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString empty = dir.filePath("empty.mdb");
    ASSERT_TRUE(QFile(empty).open(QIODevice::WriteOnly));
    const struct {
        QString path;
        int number;
        QString says;
    } cases[] = {
        {folder, kDaoCannotOpenFile, "'" + folder + "' is a folder, not a database file."},
        {empty, kDaoNotADatabase, "Cannot open database '" + empty + "'. It may not be a database"},
    };
    for (const auto& c : cases) {
        for (bool readOnly : {false, true}) {
            CdbDBEngine engine;
            EXPECT_EQ(daoError([&] { engine.OpenDatabase(c.path, readOnly); }), c.number)
                << c.path.toStdString();
            EXPECT_TRUE(CdbLastOLEError().GetDescription().startsWith(c.says))
                << CdbLastOLEError().GetDescription().toStdString();
        }
    }
    EXPECT_EQ(QFileInfo(empty).size(), 0);
    EXPECT_EQ(filesIn(dir.path()), QStringList({"empty.mdb"})); // no -wal or -shm either
    EXPECT_TRUE(QDir(folder).isEmpty());
}

// A way to make a database's place read-only, and to undo it.
struct ReadOnlyPlace {
    const char* what;
    std::function<bool()> protect;
    std::function<bool()> unprotect;
};

// Root writes through file modes, so as root the database lives on a small
// tmpfs that is remounted read-only, in a mount namespace of this process so
// nothing outlives the test.
class MountedTmpfs {
public:
    explicit MountedTmpfs(const QString& at) : at_(QFile::encodeName(at))
    {
        mounted_ = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", at_.constData(), "tmpfs", 0, "size=4m") == 0;
    }
    ~MountedTmpfs()
    {
        if (mounted_)
            umount(at_.constData());
    }
    bool mounted() const { return mounted_; }
    bool remount(bool readOnly)
    {
        const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
        return mount(nullptr, at_.constData(), nullptr, flags, "size=4m") == 0;
    }

private:
    QByteArray at_;
    bool mounted_ = false;
};

TEST(OpenDatabase, RefusesToWriteAReadOnlyDatabaseAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("data");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString path = folder + "/manager.mdb";
    std::unique_ptr<MountedTmpfs> tmpfs;
    std::vector<ReadOnlyPlace> places;
    if (geteuid() == 0) {
        tmpfs = std::make_unique<MountedTmpfs>(folder);
        if (!tmpfs->mounted())
            GTEST_SKIP() << "running as root without permission to mount a tmpfs, and file "
                            "modes do not stop root from writing";
        places.push_back({"read-only mount", [&] { return tmpfs->remount(true); },
                          [&] { return tmpfs->remount(false); }});
    } else {
        const auto setMode = [](const QString& p, QFile::Permissions mode) {
            return [p, mode] { return QFile::setPermissions(p, mode); };
        };
        const auto rx = QFile::ReadOwner | QFile::ExeOwner;
        places.push_back({"file not writable", setMode(path, QFile::ReadOwner),
                          setMode(path, QFile::ReadOwner | QFile::WriteOwner)});
        places.push_back(
            {"folder not writable", setMode(folder, rx), setMode(folder, rx | QFile::WriteOwner)});
    }
    ASSERT_TRUE(dbhelper::createDatabase(path, nullptr));
    for (const ReadOnlyPlace& place : places) {
        SCOPED_TRACE(place.what);
        ASSERT_TRUE(place.protect());
        CdbDBEngine engine;
        const int number = daoError([&] { engine.OpenDatabase(path); });
        EXPECT_EQ(number, kDaoReadOnly);
        EXPECT_TRUE(CdbLastOLEError().GetDescription().contains("read-only"))
            << CdbLastOLEError().GetDescription().toStdString();
        EXPECT_EQ(filesIn(folder), QStringList({"manager.mdb"}));
        ASSERT_TRUE(place.unprotect());
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
