// The command-line host as a script sees it: exit statuses, JSON output and
// the files it writes.
#include "laundry/laundry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using clitest::CliRun;

class Laundrycard : public clitest::CliTest<::testing::Test> {
protected:

    QString writeRecord(uint16_t cardTypeCode, uint16_t custId)
    {
        STRUCT_laundry_setup record;
        std::memset(&record, 0, sizeof record);
        clear_laundry_setup_struct(&record);
        record.card_type_code = cardTypeCode;
        record.word_02 = custId;
        record.vend_price = 125;
        record.max_card_value = 100;
        const QString file = path("record.bin");
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(&record), sizeof record);
        return file;
    }

    QJsonObject firstImage(const QString& card)
    {
        const CliRun dump = run({"card", "dump", card, "--json"});
        EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();
        return QJsonDocument::fromJson(dump.out).object()["images"].toArray()[0].toObject();
    }
};

TEST_F(Laundrycard, NewCardDumpsAsOneJsonObjectInTheDocumentedForm)
{
    ASSERT_EQ(run({"card", "new", path("a.lcard")}).exitCode, 0);
    const CliRun dump = run({"card", "dump", path("a.lcard"), "--json"});
    EXPECT_EQ(dump.exitCode, 0);
    EXPECT_EQ(dump.out, "{\"images\":[{\"chip\":0,\"pom\":false,\"type\":255,\"cust_id\":65535,"
                        "\"version\":255,\"header\":\"ffffffffffffffff\",\"files\":{}}]}\n");
}

TEST_F(Laundrycard, NewCardOptionsMakeInitialisedImages)
{
    ASSERT_EQ(run({"card", "new", path("b.lcard"), "--chip", "3", "--type", "0xB9", "--cust",
                   "4660", "--pom", "--images", "2"})
                  .exitCode,
              0);
    const CliRun dump = run({"card", "dump", path("b.lcard"), "--json"});
    const QJsonArray images = QJsonDocument::fromJson(dump.out).object()["images"].toArray();
    ASSERT_EQ(images.size(), 2);
    for (const auto& value : images) {
        const QJsonObject image = value.toObject();
        EXPECT_EQ(image["chip"].toInt(), 3);
        EXPECT_TRUE(image["pom"].toBool());
        EXPECT_EQ(image["type"].toInt(), 185);
        EXPECT_EQ(image["cust_id"].toInt(), 4660);
        EXPECT_EQ(image["header"].toString(), "b912340000000000");
    }
}

TEST_F(Laundrycard, SetupWriteToAFileThenDump)
{
    const QString record = writeRecord(0xB8, 0x1234);
    const CliRun write = run({"setup", "write", "--record", record, "--file", path("setup.lcard")});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_TRUE(write.err.contains("SUCCESS: Reader Manager: Reader Setup File Created"));

    const QJsonObject image = firstImage(path("setup.lcard"));
    EXPECT_EQ(image["type"].toInt(), 184);
    EXPECT_EQ(image["cust_id"].toInt(), 0x1234);
    EXPECT_EQ(image["version"].toInt(), 2);
    const QString data = image["files"].toObject()["2001"].toString();
    EXPECT_EQ(data.size(), 539 * 2);
    EXPECT_EQ(data.mid(16, 8), "007d1234");
    EXPECT_EQ(data.mid(256, 4), "0064");
}

TEST_F(Laundrycard, SetupWriteAnswersTheEraseQuestionFromTheCommandLine)
{
    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"card", "new", path("dc.lcard"), "--type", "210", "--cust", "0x1234"}).exitCode,
              0);
    const QJsonObject before = firstImage(path("dc.lcard"));

    const CliRun no = run({"setup", "write", "--record", record, "--reader", path("dc.lcard"), "--no"});
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_TRUE(no.err.contains("Are you sure you want to erase this card"));
    EXPECT_EQ(firstImage(path("dc.lcard")), before);

    // No terminal and no answer: the safe answer.
    EXPECT_EQ(run({"setup", "write", "--record", record, "--reader", path("dc.lcard")}).exitCode, 1);
    EXPECT_EQ(firstImage(path("dc.lcard")), before);

    EXPECT_EQ(run({"setup", "write", "--record", record, "--reader", path("dc.lcard"), "--yes"})
                  .exitCode,
              0);
    EXPECT_EQ(firstImage(path("dc.lcard"))["type"].toInt(), 184);
}

TEST_F(Laundrycard, RefusalsExitOne)
{
    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"card", "new", path("other.lcard"), "--cust", "7"}).exitCode, 0);
    const CliRun wrongOwner =
        run({"setup", "write", "--record", record, "--reader", path("other.lcard")});
    EXPECT_EQ(wrongOwner.exitCode, 1);
    EXPECT_TRUE(wrongOwner.err.contains("You are not allowed access! Wrong Customer Id!"));

    EXPECT_EQ(run({"setup", "write", "--record", writeRecord(182, 1), "--file", path("x")}).exitCode,
              1);
    EXPECT_EQ(run({"card", "dump", path("missing.lcard")}).exitCode, 1);
    QFile damaged(path("damaged.lcard"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a card image");
    damaged.close();
    const CliRun dump = run({"card", "dump", path("damaged.lcard"), "--json"});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.out.isEmpty());
    EXPECT_FALSE(dump.err.isEmpty());
}

TEST_F(Laundrycard, BadUsageExitsTwoAndHelpExitsZero)
{
    const QStringList record{"--record", writeRecord(0xB8, 1)};
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(run({"nonsense"}).exitCode, 2);
    EXPECT_EQ(run({"card", "frobnicate"}).exitCode, 2);
    EXPECT_EQ(run({"card", "new"}).exitCode, 2);
    EXPECT_EQ(run({"card", "new", path("c"), "--type", "256"}).exitCode, 2);
    EXPECT_EQ(run({"card", "new", path("c"), "--images", "0"}).exitCode, 2);
    EXPECT_EQ(run({"setup", "write", "--file", path("f")}).exitCode, 2);
    EXPECT_EQ(run(QStringList{"setup", "write"} + record).exitCode, 2);
    EXPECT_EQ(run(QStringList{"setup", "write", "--reader", "a", "--file", "b"} + record).exitCode,
              2);
    EXPECT_EQ(run(QStringList{"setup", "write", "--file", "b", "--yes", "--no"} + record).exitCode,
              2);
    EXPECT_EQ(run({"--tokens", "maybe", "card", "new", path("d")}).exitCode, 2);

    for (const QStringList& help :
         {QStringList{"--help"}, QStringList{"card", "--help"}, QStringList{"card", "new", "--help"},
          QStringList{"card", "dump", "--help"}, QStringList{"setup", "write", "--help"},
          QStringList{"db", "init", "--help"}}) {
        const CliRun r = run(help);
        EXPECT_EQ(r.exitCode, 0) << help.join(' ').toStdString();
        EXPECT_TRUE(r.out.contains("Usage")) << help.join(' ').toStdString();
    }
}

TEST_F(Laundrycard, DbInitCreatesOnceAndNeverOverwrites)
{
    EXPECT_EQ(run({"db", "init", path("manager.mdb")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(path("manager.mdb")));
    const qint64 size = QFile(path("manager.mdb")).size();
    EXPECT_EQ(run({"db", "init", path("manager.mdb")}).exitCode, 1);
    EXPECT_EQ(QFile(path("manager.mdb")).size(), size);
}

}  // namespace

namespace {

TEST_F(Laundrycard, DescribeWritesTheReportExactlyWithItsLineEnds)
{
    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"card", "new", path("r.lcard")}).exitCode, 0);
    ASSERT_EQ(run({"setup", "write", "--record", record, "--reader", path("r.lcard")}).exitCode, 0);

    const CliRun describe = run({"card", "describe", "--reader", path("r.lcard")});
    EXPECT_EQ(describe.exitCode, 0) << describe.err.toStdString();
    const QByteArray blanks10(10, ' '), blanks30(30, ' ');
    EXPECT_EQ(describe.out, "Machine Location: " + blanks10 + "\r\n"
                            "MachineID: " + blanks10 + "\r\n"
                            "Idle Message: " + blanks30 + "\r\n"
                            "Busy Message: " + blanks30 + "\r\n"
                            "Vend Price: $1.25\r\n"
                            "Check Location: OFF\r\n"
                            "Clear Counters: OFF\r\n"
                            "User Transactions: OFF\r\n"
                            "Machine Type: None\r\n"
                            "Machine Make: Maytag\r\n"
                            "Display Idle Msg: OFF\r\n"
                            "Display Price When Idle: ON\r\n"
                            "Number of Pulses: 0\r\n"
                            "Display Countdown while running\r\n"
                            "Max Card Value: $100.00\r\n");
}

TEST_F(Laundrycard, DescribeOfACardWithoutReportIsEmptyAndAMissingCardFails)
{
    ASSERT_EQ(run({"card", "new", path("blank.lcard")}).exitCode, 0);
    const CliRun blank = run({"card", "describe", "--reader", path("blank.lcard")});
    EXPECT_EQ(blank.exitCode, 0);
    EXPECT_TRUE(blank.out.isEmpty());
    EXPECT_EQ(run({"card", "describe", "--reader", path("missing.lcard")}).exitCode, 1);
    EXPECT_EQ(run({"card", "describe"}).exitCode, 2);
}

}  // namespace
