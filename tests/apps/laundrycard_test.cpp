// The command-line host as a script sees it: exit statuses, JSON output and
// the files it writes.
#include "support/test_files.h"

#include <QFile>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using clitest::CliRun;

class Laundrycard : public clitest::CliTest<::testing::Test> {
protected:
    QString writeRecord(uint16_t cardTypeCode, uint16_t custId)
    {
        STRUCT_laundry_setup record = testfiles::setupRecord(cardTypeCode, 125, custId);
        record.max_card_value = 100;
        EXPECT_TRUE(testfiles::write(path("record.bin"), testfiles::bytesOf(record)));
        return path("record.bin");
    }

    QByteArray dump(const QString& card)
    {
        const CliRun dump = run({"card", "dump", card, "--json"});
        EXPECT_EQ(dump.exitCode, 0) << dump.err.toStdString();
        return dump.out;
    }
};

TEST_F(Laundrycard, NewCardsDumpAsOneJsonObjectInTheDocumentedForm)
{
    ASSERT_EQ(run({"card", "new", path("a.lcard")}).exitCode, 0);
    EXPECT_EQ(dump(path("a.lcard")),
              R"({"images":[{"chip":0,"pom":false,"type":255,"cust_id":65535,)"
              R"("version":255,"header":"ffffffffffffffff","files":{}}]})"
              "\n");

    ASSERT_EQ(run({"card", "new", path("b.lcard"), "--chip", "3", "--type", "0xB9", "--cust",
                   "4660", "--pom", "--images", "2"})
                  .exitCode,
              0);
    const QByteArray image = R"({"chip":3,"pom":true,"type":185,"cust_id":4660,"version":0,)"
                             R"("header":"b912340000000000","files":{}})";
    EXPECT_EQ(dump(path("b.lcard")), R"({"images":[)" + image + "," + image + "]}\n");
}

TEST_F(Laundrycard, SetupWriteAnswersTheEraseQuestionFromTheCommandLine)
{
    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"card", "new", path("dc.lcard"), "--type", "210", "--cust", "0x1234"}).exitCode,
              0);
    const QByteArray before = dump(path("dc.lcard"));
    const QStringList write = {"setup", "write", "--record", record, "--reader", path("dc.lcard")};

    const CliRun no = run(write + QStringList{"--no"});
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_TRUE(no.err.contains("Are you sure you want to erase this card"));
    EXPECT_EQ(dump(path("dc.lcard")), before);
    // No terminal and no answer: the safe answer.
    EXPECT_EQ(run(write).exitCode, 1);
    EXPECT_EQ(dump(path("dc.lcard")), before);

    const CliRun yes = run(write + QStringList{"--yes"});
    EXPECT_EQ(yes.exitCode, 0);
    EXPECT_TRUE(yes.err.contains("SUCCESS: Reader Manager: Reader Setup Card Created"));
    EXPECT_TRUE(dump(path("dc.lcard")).contains(R"("type":184)"));
}

TEST_F(Laundrycard, RefusalsExitOne)
{
    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"card", "new", path("other.lcard"), "--cust", "7"}).exitCode, 0);
    const CliRun wrongOwner =
        run({"setup", "write", "--record", record, "--reader", path("other.lcard")});
    EXPECT_EQ(wrongOwner.exitCode, 1);
    EXPECT_TRUE(wrongOwner.err.contains("You are not allowed access! Wrong Customer Id!"));

    EXPECT_EQ(
        run({"setup", "write", "--record", writeRecord(182, 1), "--file", path("x")}).exitCode, 1);
    EXPECT_EQ(run({"card", "dump", path("missing.lcard")}).exitCode, 1);
    ASSERT_TRUE(testfiles::write(path("damaged.lcard"), "not a card image"));
    const CliRun dump = run({"card", "dump", path("damaged.lcard"), "--json"});
    EXPECT_EQ(dump.exitCode, 1);
    EXPECT_TRUE(dump.out.isEmpty());
    EXPECT_FALSE(dump.err.isEmpty());

    EXPECT_TRUE(run({"db", "init", path("manager.mdb")}).out.startsWith("Created the tables"));
    const qint64 size = QFile(path("manager.mdb")).size();
    EXPECT_GT(size, 0);
    EXPECT_EQ(run({"db", "init", path("manager.mdb")}).exitCode, 1); // never overwritten
    EXPECT_EQ(QFile(path("manager.mdb")).size(), size);
}

TEST_F(Laundrycard, BadUsageExitsTwoAndHelpExitsZero)
{
    const QString record = writeRecord(0xB8, 1);
    const QList<QStringList> badUsage = {
        {},
        {"nonsense"},
        {"card", "frobnicate"},
        {"card", "new"},
        {"card", "new", path("c"), "--type", "256"},
        {"card", "new", path("c"), "--images", "0"},
        {"card", "describe"},
        {"setup", "write", "--file", path("f")},
        {"setup", "write", "--record", record},
        {"setup", "write", "--reader", "a", "--file", "b", "--record", record},
        {"setup", "write", "--file", "b", "--yes", "--no", "--record", record},
        {"--tokens", "maybe", "card", "new", path("d")}};
    for (const QStringList& bad : badUsage)
        EXPECT_EQ(run(bad).exitCode, 2) << bad.join(' ').toStdString();

    for (const QStringList& help : QList<QStringList>{{"--help"},
                                                      {"card", "--help"},
                                                      {"setup", "write", "--help"},
                                                      {"db", "init", "--help"}}) {
        const CliRun r = run(help);
        EXPECT_EQ(r.exitCode, 0) << help.join(' ').toStdString();
        EXPECT_TRUE(r.out.contains("Usage")) << help.join(' ').toStdString();
        EXPECT_FALSE(r.out.contains("--help-all")) << "Qt's options stay out";
    }
}

// A record read from a card writes the same card again: Retrofit times and
// messages, a Gen2 washer and a Gen2 dryer.
TEST_F(Laundrycard, ARecordReadFromACardWritesTheSameCardAgain)
{
    const auto retrofit = [](STRUCT_laundry_setup& r) {
        r.dryer_run_time = 45;
        r.heat_time = 30;
        r.topoff_time = 7;
        r.topoff_price = 25;
        r.pulses = 3;
        std::memcpy(r.idle_message, "INSERT CARD", 11);
    };
    const auto washer = [](STRUCT_laundry_setup& r) { r.washer = 1, r.wash = 12, r.rinse = 4; };
    const auto dryer = [](STRUCT_laundry_setup& r) { r.dry = 40; };
    const std::pair<uint16_t, std::function<void(STRUCT_laundry_setup&)>> cards[] = {
        {0xB8, retrofit}, {0xBB, washer}, {0xBB, dryer}};
    for (const auto& [code, fill] : cards) {
        STRUCT_laundry_setup record = testfiles::setupRecord(code, 150);
        record.max_card_value = 100;
        fill(record);
        ASSERT_TRUE(testfiles::write(path("in.rec"), testfiles::bytesOf(record)));
        for (const char* card : {"first.lcard", "second.lcard"})
            ASSERT_EQ(run({"card", "new", path(card), "--cust", "0", "--force"}).exitCode, 0);
        ASSERT_EQ(
            run({"setup", "write", "--record", path("in.rec"), "--reader", path("first.lcard")})
                .exitCode,
            0);
        ASSERT_EQ(run({"setup", "read", "--reader", path("first.lcard"), "--record",
                       path("out.rec"), "--force"})
                      .exitCode,
                  0);
        const CliRun again =
            run({"setup", "write", "--record", path("out.rec"), "--reader", path("second.lcard")});
        EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
        EXPECT_EQ(dump(path("second.lcard")), dump(path("first.lcard"))) << code;
    }
}

TEST_F(Laundrycard, DescribeWritesTheReportExactlyWithItsLineEnds)
{
    ASSERT_EQ(run({"card", "new", path("r.lcard")}).exitCode, 0);
    const CliRun blank = run({"card", "describe", path("r.lcard")});
    EXPECT_EQ(blank.exitCode, 0);
    EXPECT_EQ(blank.out, "Blank card: it holds no laundry data yet.\r\n");
    EXPECT_EQ(run({"card", "describe", "--reader", path("missing.lcard")}).exitCode, 1);

    const QString record = writeRecord(0xB8, 0x1234);
    ASSERT_EQ(run({"setup", "write", "--record", record, "--reader", path("r.lcard")}).exitCode, 0);
    const CliRun describe = run({"card", "describe", "--reader", path("r.lcard")});
    EXPECT_EQ(describe.exitCode, 0) << describe.err.toStdString();
    const QByteArray blanks10(10, ' '), blanks30(30, ' ');
    const QByteArrayList lines = {"Machine Location: " + blanks10,
                                  "MachineID: " + blanks10,
                                  "Idle Message: " + blanks30,
                                  "Busy Message: " + blanks30,
                                  "Vend Price: $1.25",
                                  "Check Location: OFF",
                                  "Clear Counters: OFF",
                                  "User Transactions: OFF",
                                  "Machine Type: None",
                                  "Machine Make: Maytag",
                                  "Display Idle Msg: OFF",
                                  "Display Price When Idle: ON",
                                  "Number of Pulses: 0",
                                  "Display Countdown while running",
                                  "Max Card Value: $100.00"};
    EXPECT_EQ(describe.out, lines.join("\r\n") + "\r\n");
}

} // namespace
