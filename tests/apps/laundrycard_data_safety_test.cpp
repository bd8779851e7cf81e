// What a full disk, an unreadable name and an endless input do to the
// command line: every failure is reported as one, and no file or card holds
// anything but its old or its new content.
#include "laundry/laundry.h"
#include "platform/ui/checked_scripted_ui.h"
#include "profiles/all_profiles_query.h"
#include "profiles/profile_store.h"

#include "laundrycard_runner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

using clitest::CliRun;

const QByteArray kRetrofitProfile =
    R"([{"PROFILE NAME":"???","VEND PRICE":"1.25","TOPOFF PRICE":"0.25","MAX CARD VALUE":"100",)"
    R"("ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,)"
    R"("USER TRANSACTION COL":true,"PROFILE TYPE":0,"IDLE MESSAGE":"INSERT CARD",)"
    R"("BUSY MESSAGE":"IN USE","DISPLAY IDLE":true,"DISPLAY PRICE":false,"SCROLL SPEED":70,)"
    R"("PULSES":4,"DEDUCTION":2,"BUSY DISPLAY TYPE":1}])";

class DataSafety : public clitest::CliTest<::testing::Test> {
protected:
    static QByteArray contents(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void write(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QString retrofitRecord(uint16_t price = 125)
    {
        STRUCT_laundry_setup record;
        std::memset(&record, 0, sizeof record);
        clear_laundry_setup_struct(&record);
        record.card_type_code = 184;
        record.vend_price = price;
        const QString file = path(QStringLiteral("retrofit%1.rec").arg(price));
        write(file, QByteArray(reinterpret_cast<const char*>(&record), sizeof record));
        return file;
    }
};

// A real, small file system that fills up: only for root, where mount works.
class SmallDisk {
public:
    explicit SmallDisk(const QString& where) : where_(where)
    {
        QDir().mkpath(where);
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(where).constData(),
                                               "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(where_).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    void fill()
    {
        QFile filler(where_ + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        // Small writes too, so not even a few bytes are left.
        while (filler.write("f", 1) == 1) {
        }
    }
    void makeRoom() { QFile::remove(where_ + QStringLiteral("/filler")); }

private:
    QString where_;
    bool mounted_ = false;
};

TEST_F(DataSafety, AFullDiskFailsEveryWriteAndKeepsTheOldFiles)
{
    SmallDisk disk(path("disk"));
    if (!disk.mounted())
        GTEST_SKIP() << "needs root and a mountable tmpfs for a real full disk; the failing "
                        "device tests cover the same paths";
    const QString card = path("disk/card.lcard");
    const QString record = path("disk/read.rec");
    const QString db = path("disk/manager.mdb");
    ASSERT_EQ(run({"card", "new", card, "--cust", "0"}).exitCode, 0);
    ASSERT_EQ(run({"setup", "write", "--record", retrofitRecord(), "--reader", card}).exitCode, 0);
    ASSERT_EQ(run({"setup", "read", "--reader", card, "--record", record}).exitCode, 0);
    ASSERT_EQ(run({"db", "init", db}).exitCode, 0);
    write(path("profiles.json"), kRetrofitProfile);
    const QByteArray cardBefore = contents(card);
    const QByteArray recordBefore = contents(record);
    disk.fill();

    const QList<QStringList> writes = {
        {"setup", "write", "--record", retrofitRecord(150), "--reader", card, "--cust", "0"},
        {"setup", "write", "--record", retrofitRecord(), "--file", path("disk/new.lcard")},
        {"card", "new", path("disk/other.lcard")},
        {"setup", "read", "--reader", card, "--record", record},
        {"profile", "import", path("profiles.json"), "--db", db},
    };
    for (const QStringList& args : writes) {
        const CliRun result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_NE(result.err, QByteArray()) << args.join(' ').toStdString();
    }
    EXPECT_EQ(contents(card), cardBefore);
    EXPECT_EQ(contents(record), recordBefore);
    EXPECT_FALSE(QFile::exists(path("disk/new.lcard")));
    EXPECT_FALSE(QFile::exists(path("disk/other.lcard")));

    disk.makeRoom();
    const CliRun list = run({"profile", "list", "--db", db, "--json"});
    EXPECT_EQ(list.out, "[]\n") << list.err.toStdString();
    EXPECT_EQ(run({"profile", "import", path("profiles.json"), "--db", db}).exitCode, 0);
}

TEST_F(DataSafety, ANameOutsideLatin1IsNeverReplaced)
{
    const QString db = path("manager.mdb");
    ASSERT_EQ(run({"db", "init", db}).exitCode, 0);
    write(path("profiles.json"), kRetrofitProfile); // a profile named "???"
    ASSERT_EQ(run({"profile", "import", path("profiles.json"), "--db", db}).exitCode, 0);

    const CliRun result = run({"setup", "write", "--profile", QStringLiteral("洗衣机"), "--db", db,
                               "--file", path("out.lcard")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("洗衣机").toUtf8())) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.lcard")));

    // Nor can such a name, a NUL or a byte-order mark get into the table.
    for (const QByteArray& name : {QStringLiteral("洗衣机").toUtf8(), QByteArray("A\\u0000B"),
                                   QByteArray("\\ufeffFront"), QByteArray("\\ud800")}) {
        QByteArray json = kRetrofitProfile;
        json.replace("\"???\"", "\"" + name + "\"");
        write(path("odd.json"), json);
        const CliRun import = run({"profile", "import", path("odd.json"), "--db", db});
        EXPECT_EQ(import.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(import.err.contains("printable Latin-1")) << import.err.toStdString();
    }
}

TEST_F(DataSafety, EndlessInputsAreRefusedAtTheirLimit)
{
    const QString db = path("manager.mdb");
    ASSERT_EQ(run({"db", "init", db}).exitCode, 0);
    for (const QStringList& args :
         {QStringList{"card", "dump", "/dev/zero"},
          QStringList{"setup", "write", "--record", "/dev/zero", "--file", path("x.lcard")},
          QStringList{"profile", "import", "/dev/zero", "--db", db}}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("is larger than")) << result.err.toStdString();
    }
}

// Gen2 profiles named prefix-1 .. prefix-count, plus `extra` names.
QByteArray gen2Profiles(const QString& prefix, int count, const QStringList& extra = {})
{
    QStringList names = extra;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("%1-%2").arg(prefix).arg(i);
    QJsonArray array;
    for (const QString& name : names)
        array.append(QJsonObject{{"PROFILE NAME", name}, {"PROFILE TYPE", 4}, {"WASHER", true}});
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

TEST_F(DataSafety, TwoWritersAtOnceLoseAndDoubleNothing)
{
    const QString db = path("manager.mdb");
    ASSERT_EQ(run({"db", "init", db}).exitCode, 0);
    const auto startImport = [&](QProcess& process, const QString& file) {
        process.setWorkingDirectory(path("."));
        process.start(QStringLiteral(LAUNDRYCARD_PATH), {"profile", "import", file, "--db", db});
        ASSERT_TRUE(process.waitForStarted());
    };
    const auto storedNames = [&] {
        const CliRun list = run({"profile", "list", "--db", db, "--json"});
        QStringList names;
        for (const QJsonValue& row : QJsonDocument::fromJson(list.out).array())
            names << row.toObject()["name"].toString();
        return names;
    };

    // Two imports that share names in other letter cases: one wins whole,
    // the other is refused whole.
    write(path("a.json"), gen2Profiles("A", 150, {"shared"}));
    write(path("b.json"), gen2Profiles("B", 150, {"SHARED"}));
    QProcess a, b;
    startImport(a, path("a.json"));
    startImport(b, path("b.json"));
    ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
    EXPECT_EQ(a.exitCode() + b.exitCode(), 1)
        << a.readAllStandardError().toStdString() << b.readAllStandardError().toStdString();
    QStringList names = storedNames();
    EXPECT_EQ(names.size(), 151);
    EXPECT_EQ(
        names.filter(QRegularExpression("^shared$", QRegularExpression::CaseInsensitiveOption))
            .size(),
        1);

    // An import beside an editor's saves through the same table.
    write(path("c.json"), gen2Profiles("C", 150, {"Mixed"}));
    QProcess c;
    startImport(c, path("c.json"));
    uitest::CheckedScriptedUi ui;
    int saved = 0;
    {
        CdbDBEngine engine;
        CdbDatabase database = engine.OpenDatabase(db);
        profiles::ProfileStore store(database.OpenRecordset(profiles::allProfilesQuery()));
        for (const QString& name : {"E-1", "mixed", "E-2", "E-3"}) {
            profiles::CommonValues common;
            common.name = name;
            common.typeCode = 4;
            saved += store.save(common, {}, profiles::SaveMode::Add) ==
                     profiles::ProfileStore::Saved::Yes;
        }
        database.Close();
    }
    ASSERT_TRUE(c.waitForFinished(60000));
    names = storedNames();
    const bool importWon = c.exitCode() == 0;
    EXPECT_EQ(saved, importWon ? 3 : 4);
    EXPECT_EQ(names.size(), 151 + saved + (importWon ? 151 : 0));
    EXPECT_EQ(names.filter(QRegularExpression("^mixed$", QRegularExpression::CaseInsensitiveOption))
                  .size(),
              1);

    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db).constData(), &raw), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(raw, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(raw);
}

} // namespace
