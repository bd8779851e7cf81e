// What a full disk, an unreadable name, an endless input and a second writer
// do to the command line: every failure is reported as one, and no file,
// card or table holds anything but its old or its new content.
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/all_profiles_query.h"
#include "profiles/profile_store.h"
#include "support/test_files.h"

#include "laundrycard_runner.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace {

using clitest::CliRun;
using testfiles::bytes;

// Gen2 profiles: `names`, then prefix-1 .. prefix-count.
QByteArray gen2Profiles(const QString& prefix, int count, QStringList names = {})
{
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("%1-%2").arg(prefix).arg(i);
    QJsonArray array;
    for (const QString& name : std::as_const(names))
        array.append(QJsonObject{{"PROFILE NAME", name}, {"PROFILE TYPE", 4}, {"WASHER", true}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

class DataSafety : public clitest::CliTest<::testing::Test> {
protected:
    QString db() const { return path("manager.mdb"); }
    QString record(uint16_t price)
    {
        const QString file = path(QStringLiteral("retrofit%1.rec").arg(price));
        EXPECT_TRUE(testfiles::write(file, testfiles::bytesOf(testfiles::setupRecord(184, price))));
        return file;
    }
    QString json(const QString& name, const QByteArray& content)
    {
        EXPECT_TRUE(testfiles::write(path(name), content));
        return path(name);
    }
    QStringList storedNames()
    {
        QStringList names;
        for (const QJsonValue& row :
             QJsonDocument::fromJson(run({"profile", "list", "--db", db(), "--json"}).out).array())
            names << row.toObject()["name"].toString();
        return names;
    }
};

// A real, small file system that fills up: only for root, where mount works.
class SmallDisk {
public:
    explicit SmallDisk(const QString& where) : where_(QFile::encodeName(where))
    {
        QDir().mkpath(where);
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", where_, "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(where_, MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    void fill(bool full)
    {
        QFile filler(QString::fromLocal8Bit(where_) + "/filler");
        if (!full) {
            filler.remove();
            return;
        }
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        for (const qsizetype block : {4096, 1})
            while (filler.write(QByteArray(block, 'f')) == block) {
            }
    }

private:
    QByteArray where_;
    bool mounted_ = false;
};

TEST_F(DataSafety, AFullDiskFailsEveryWriteAndKeepsTheOldFiles)
{
    SmallDisk disk(path("disk"));
    if (!disk.mounted())
        GTEST_SKIP() << "needs root and a mountable tmpfs for a real full disk; the failing "
                        "device tests cover the same paths";
    const QString card = path("disk/card.lcard"), read = path("disk/read.rec");
    const QString base = path("disk/manager.mdb");
    ASSERT_EQ(run({"card", "new", card, "--cust", "0"}).exitCode, 0);
    ASSERT_EQ(run({"setup", "write", "--record", record(125), "--reader", card}).exitCode, 0);
    ASSERT_EQ(run({"setup", "read", "--reader", card, "--record", read}).exitCode, 0);
    ASSERT_EQ(run({"db", "init", base}).exitCode, 0);
    const QString profiles = json("profiles.json", gen2Profiles("Disk", 3));
    const QByteArray cardBefore = bytes(card), readBefore = bytes(read);
    disk.fill(true);

    for (const QStringList& args : QList<QStringList>{
             {"setup", "write", "--record", record(150), "--reader", card, "--cust", "0"},
             {"setup", "write", "--record", record(125), "--file", path("disk/new.lcard")},
             {"card", "new", path("disk/other.lcard")},
             {"setup", "read", "--reader", card, "--record", read, "--force"},
             {"profile", "import", profiles, "--db", base}}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_NE(result.err, QByteArray()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(bytes(card), cardBefore);
    EXPECT_EQ(bytes(read), readBefore);
    EXPECT_FALSE(QFile::exists(path("disk/new.lcard")) || QFile::exists(path("disk/other.lcard")));

    disk.fill(false);
    EXPECT_EQ(run({"profile", "list", "--db", base, "--json"}).out, "[]\n");
    EXPECT_EQ(run({"profile", "import", profiles, "--db", base}).exitCode, 0);
}

// A file the operator did not ask to replace stays as it is.
TEST_F(DataSafety, AnExistingOutputFileIsReplacedOnlyWithForce)
{
    const QString card = path("card.lcard"), read = path("read.rec");
    ASSERT_EQ(run({"card", "new", card, "--cust", "0"}).exitCode, 0);
    ASSERT_EQ(run({"setup", "write", "--record", record(125), "--reader", card}).exitCode, 0);
    ASSERT_EQ(run({"setup", "read", "--reader", card, "--record", read}).exitCode, 0);
    const QByteArray cardBefore = bytes(card), readBefore = bytes(read);
    for (const QStringList& args : QList<QStringList>{
             {"card", "new", card}, {"setup", "read", "--reader", card, "--record", read}}) {
        const CliRun refused = run(args);
        EXPECT_EQ(refused.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("--force")) << refused.err.toStdString();
    }
    EXPECT_EQ(bytes(card), cardBefore);
    EXPECT_EQ(bytes(read), readBefore);
    EXPECT_EQ(run({"setup", "read", "--reader", card, "--record", read, "--force"}).exitCode, 0);
    EXPECT_EQ(bytes(read), readBefore);
    EXPECT_EQ(run({"card", "new", card, "--force"}).exitCode, 0);
    EXPECT_NE(bytes(card), cardBefore);
}

TEST_F(DataSafety, ANameOutsideLatin1IsNeverReplacedNorStored)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    ASSERT_EQ(run({"profile", "import", json("q.json", gen2Profiles("", 0, {"???"})), "--db", db()})
                  .exitCode,
              0);
    const CliRun result = run({"setup", "write", "--profile", QStringLiteral("洗衣机"), "--db",
                               db(), "--file", path("out.lcard")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("洗衣机").toUtf8())) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.lcard")));

    // Nor can such a name, a NUL, a byte-order mark or a lone surrogate be stored.
    for (const QByteArray& name : {QStringLiteral("洗衣机").toUtf8(), QByteArray("A\\u0000B"),
                                   QByteArray("\\ufeffFront"), QByteArray("\\ud800")}) {
        const CliRun import =
            run({"profile", "import",
                 json("odd.json", R"([{"PROFILE TYPE":4,"PROFILE NAME":")" + name + "\"}]"), "--db",
                 db()});
        EXPECT_EQ(import.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(import.err.contains("printable Latin-1")) << import.err.toStdString();
    }
}

TEST_F(DataSafety, EndlessInputsAreRefusedAtTheirLimit)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    for (const QStringList& args :
         {QStringList{"card", "dump", "/dev/zero"},
          QStringList{"setup", "write", "--record", "/dev/zero", "--file", path("x.lcard")},
          QStringList{"profile", "import", "/dev/zero", "--db", db()}}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("is larger than")) << result.err.toStdString();
    }
}

TEST_F(DataSafety, TwoWritersAtOnceLoseAndDoubleNothing)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    const auto startImport = [&](QProcess& process, const QString& file) {
        process.start(QStringLiteral(LAUNDRYCARD_PATH), {"profile", "import", file, "--db", db()});
        ASSERT_TRUE(process.waitForStarted());
    };
    const auto count = [](const QStringList& names, const QString& name) {
        return std::count_if(names.begin(), names.end(), [&](const QString& n) {
            return n.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    // Two imports sharing a name in other letter cases: one wins whole, the
    // other is refused whole.
    QProcess a, b, c;
    startImport(a, json("a.json", gen2Profiles("A", 150, {"shared"})));
    startImport(b, json("b.json", gen2Profiles("B", 150, {"SHARED"})));
    ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode() + b.exitCode(), 1) << a.readAllStandardError().toStdString();
    QStringList names = storedNames();
    EXPECT_EQ(names.size(), 151);
    EXPECT_EQ(count(names, "shared"), 1);

    // An import beside an editor's saves into the same table.
    startImport(c, json("c.json", gen2Profiles("C", 150, {"Mixed"})));
    uitest::CheckedScriptedUi ui;
    int saved = 0;
    {
        CdbDBEngine engine;
        CdbDatabase database = engine.OpenDatabase(db());
        profiles::ProfileStore store(database.OpenRecordset(profiles::allProfilesQuery()));
        for (const char* name : {"E-1", "mixed", "E-2", "E-3"}) {
            profiles::CommonValues common;
            common.name = name;
            common.typeCode = 4;
            saved += store.save(common, {}, profiles::SaveMode::Add) ==
                     profiles::ProfileStore::Saved::Yes;
        }
        database.Close();
    }
    ASSERT_TRUE(c.waitForFinished(60000));
    const bool importWon = c.exitCode() == 0;
    names = storedNames();
    EXPECT_EQ(saved, importWon ? 3 : 4);
    EXPECT_EQ(names.size(), 151 + saved + (importWon ? 151 : 0));
    EXPECT_EQ(count(names, "mixed"), 1);

    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db()).constData(), &raw), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(raw, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(raw);
}

} // namespace
