// laundrycard dc store, dc read --db and holder as a script sees them.
#include "laundrycard_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;

class LaundrycardStore : public clitest::CliTest<::testing::Test> {
protected:
    // Not the default name: the library must look card holders up in --db.
    QString db() { return path("office.mdb"); }
    // A new DC card of `kind` for customer 9 with `machines` machines' records.
    QString dcCard(const QString& name, const QString& kind, int machines)
    {
        const QString card = path(name);
        EXPECT_EQ(run({"card", "new", card}).exitCode, 0);
        EXPECT_EQ(run({"dc", "new", "--reader", card, "--cust", "9", "--kind", kind}).exitCode, 0);
        EXPECT_EQ(run({"dc", "simulate", "--reader", card, "--random", QString::number(machines)})
                      .exitCode,
                  0);
        return card;
    }
    QJsonObject storeJson(const QString& card, const QStringList& extra = {})
    {
        const CliRun r = run(
            QStringList{"dc", "store", "--reader", card, "--cust", "9", "--db", db(), "--json"} +
            extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }
};

TEST_F(LaundrycardStore, StoringACardTwiceStoresNothingTheSecondTime)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    // Families 3-6 and 13 on reader cards, 8 on Advanteck cards.
    for (const auto& [kind, machines, records] :
         {std::tuple{"reader", 9, 9}, std::tuple{"advanteck", 4, 4}}) {
        SCOPED_TRACE(kind);
        const QString card = dcCard(QStringLiteral("%1.lcard").arg(kind), kind, machines);
        EXPECT_EQ(storeJson(card),
                  (QJsonObject{
                      {"read", records}, {"duplicates", 0}, {"stored", records}, {"failed", 0}}));
        EXPECT_EQ(storeJson(card),
                  (QJsonObject{
                      {"read", records}, {"duplicates", records}, {"stored", 0}, {"failed", 0}}));
        const CliRun read =
            run({"dc", "read", "--reader", card, "--cust", "9", "--db", db(), "--json"});
        for (const QJsonValue record :
             QJsonDocument::fromJson(read.out).object().value("records").toArray())
            EXPECT_TRUE(record.toObject().value("duplicate").toBool());
        // --all stores the duplicates as well.
        EXPECT_EQ(storeJson(card, {"--all"}).value("stored").toInt(), records);
    }
    const CliRun text =
        run({"dc", "store", "--reader", path("reader.lcard"), "--cust", "9", "--db", db()});
    EXPECT_EQ(text.out, "Read 9 records: 9 already stored, 0 stored, 0 failed\n");

    // No database, or another customer's card: nothing stored, exit 1.
    const CliRun missing = run(
        {"dc", "store", "--reader", path("reader.lcard"), "--cust", "9", "--db", path("none.mdb")});
    EXPECT_EQ(missing.exitCode, 1);
    // The file named in full, the cause in words, the number beside them.
    EXPECT_EQ(missing.err, "laundrycard: Cannot open " +
                               QDir::toNativeSeparators(path("none.mdb")).toUtf8() +
                               ": no such file (error 3024)\n");
    EXPECT_EQ(run({"dc", "store", "--reader", path("reader.lcard"), "--cust", "8", "--db", db()})
                  .exitCode,
              1);
    EXPECT_EQ(run({"dc", "store", "--reader", path("reader.lcard"), "--db", db()}).exitCode, 2);
}

TEST_F(LaundrycardStore, HoldersAreAddedListedAndRemoved)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    const QStringList add = {"holder", "add", "--db", db()};
    ASSERT_EQ(run(add + QStringList{"--serial", "0a-1b-2c-3d-4e-5f", "--account", "A1", "--first",
                                    "Ann", "--last", "O'Neil"})
                  .exitCode,
              0);
    // The lookup compares bytes 1-5: a serial differing only in byte 0 is the same card.
    const struct {
        QStringList args;
        const char* error;
    } refused[] = {
        {{"--serial", "FF1B2C3D4E5F", "--account", "A2", "--first", "B", "--last", "C"},
         "already registered to account A1"},
        {{"--serial", "112233445566", "--account", "A1", "--first", "Other", "--last", "O'Neil"},
         "account A1 is already registered to O'Neil,Ann"},
        {{"--serial", "11223344556", "--account", "A2", "--first", "B", "--last", "C"},
         "is not a card serial"},
        {{"--serial", "112233445566", "--account", " ", "--first", "B", "--last", "C"},
         "the account id is empty"},
    };
    for (const auto& c : refused) {
        const CliRun r = run(add + c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
    }
    ASSERT_EQ(run(add + QStringList{"--serial", "2233445566", "--account", "A1", "--first", "Ann",
                                    "--last", "O'Neil"})
                  .exitCode,
              0);
    const CliRun list = run({"holder", "list", "--db", db(), "--json"});
    EXPECT_EQ(
        list.out,
        R"({"holders":[)"
        R"({"serial":"002233445566","key":"2233445566","account":"A1","first":"Ann","last":"O'Neil"},)"
        R"({"serial":"0A1B2C3D4E5F","key":"1B2C3D4E5F","account":"A1","first":"Ann","last":"O'Neil"}]})"
        "\n");
    // The account's names go with its last card.
    ASSERT_EQ(run({"holder", "remove", "--db", db(), "--serial", "1B2C3D4E5F"}).exitCode, 0);
    EXPECT_EQ(run({"holder", "remove", "--db", db(), "--serial", "1B2C3D4E5F"}).exitCode, 1);
    ASSERT_EQ(run({"holder", "remove", "--db", db(), "--serial", "002233445566"}).exitCode, 0);
    EXPECT_EQ(run(add + QStringList{"--serial", "112233445566", "--account", "A1", "--first", "New",
                                    "--last", "Name"})
                  .exitCode,
              0);
}

} // namespace

TEST_F(LaundrycardStore, ViewPrintsTheVisibleLinesOfTheRecordsDialog)
{
    ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
    const QString card = dcCard("adv.lcard", "advanteck", 1);
    const CliRun read = run({"dc", "read", "--reader", card, "--cust", "9", "--json"});
    const QByteArray block = QByteArray::fromHex(
        QJsonDocument::fromJson(read.out).object()["records"][0]["block"].toString().toLatin1());
    const QString key = QString::fromLatin1(block.mid(22, 5).toHex().toUpper());
    ASSERT_EQ(run({"holder", "add", "--db", db(), "--serial", key, "--account", "A1", "--first",
                   "Ann", "--last", "Lee"})
                  .exitCode,
              0);
    const QStringList view = {"dc", "view", "--reader", card, "--cust", "9", "--record", "0"};
    const CliRun text = run(view + QStringList{"--db", db()});
    EXPECT_TRUE(text.out.startsWith("AdvanTech Audit Table Washer/Dryer\n")) << text.out.data();
    EXPECT_TRUE(text.out.contains("Service Person Who Collected Audit:  Lee,Ann\n"))
        << text.out.data();
    const QJsonObject json =
        QJsonDocument::fromJson(run(view + QStringList{"--db", db(), "--json"}).out).object();
    EXPECT_EQ(json["fields"][4].toObject(),
              (QJsonObject{{"group", ""},
                           {"label", "Service Person Who Collected Audit:"},
                           {"value", "Lee,Ann"}}));
    // The holder tables of another database cannot be opened: the viewer's message, exit 1.
    const CliRun missing = run(view + QStringList{"--db", path("none.mdb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Cannot open Database.")) << missing.err.data();
    EXPECT_EQ(run({"dc", "view", "--reader", card, "--cust", "9", "--record", "1"}).exitCode, 1);
}
