// laundrycard dc new and dc count as a script sees them.
#include "support/test_files.h"

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;
using testfiles::bytes;

class LaundrycardDc : public clitest::CliTest<::testing::Test> {};

TEST_F(LaundrycardDc, NewCountAndRefusals)
{
    const QString card = path("dc.lcard");
    ASSERT_EQ(run({"card", "new", card}).exitCode, 0);
    const QStringList make = {"dc", "new", "--reader", card, "--cust", "0x1234"};
    const CliRun created = run(make);
    EXPECT_EQ(created.exitCode, 0) << created.err.toStdString();
    EXPECT_TRUE(created.err.contains("Card Created \nNew Card Type : "));
    const CliRun count = run({"dc", "count", "--reader", card});
    EXPECT_EQ(count.exitCode, 0) << count.err.toStdString();
    EXPECT_EQ(count.out, "length 8 records 0\n");
    // Both counts follow the machines' records: the protocol's and the report's.
    ASSERT_EQ(run({"dc", "simulate", "--reader", card, "--random", "2"}).exitCode, 0);
    EXPECT_EQ(run({"dc", "count", "--reader", card}).out, "length 584 records 2\n");
    EXPECT_EQ(run({"card", "describe", "--reader", card}).out, "Total Record Count: 2\r\n");

    // Declined, another customer, or a manual card to count: exit 1, card as it was.
    const QByteArray formatted = bytes(card);
    EXPECT_EQ(run(make + QStringList{"--no"}).exitCode, 1);
    EXPECT_EQ(run({"dc", "new", "--reader", card, "--cust", "7", "--yes"}).exitCode, 1);
    EXPECT_EQ(bytes(card), formatted);
    ASSERT_EQ(run(make + QStringList{"--kind", "manual", "--yes"}).exitCode, 0);
    EXPECT_EQ(run({"dc", "count", "--reader", card}).exitCode, 1);

    for (const QStringList& bad :
         {QStringList{"dc", "new", "--reader", card},
          QStringList{"dc", "new", "--reader", card, "--cust", "1", "--kind", "other"},
          QStringList{"dc", "count"}})
        EXPECT_EQ(run(bad).exitCode, 2) << bad.join(' ').toStdString();
}

TEST_F(LaundrycardDc, SimulatedRecordsReadBackAllOrNone)
{
    const QString card = path("adv.lcard");
    ASSERT_EQ(run({"card", "new", card}).exitCode, 0);
    ASSERT_EQ(run({"dc", "new", "--reader", card, "--cust", "9", "--kind", "advanteck"}).exitCode,
              0);
    const QString file = path("records.json");
    const QByteArray entry = R"({"family":8,"machine_id":"ADV1","location_id":"SHOP 2",)"
                             R"("collected":"1999-01-02 03:04","block":"0102030405"})";
    ASSERT_TRUE(testfiles::write(file, "[" + entry + "," + entry + "]"));
    EXPECT_EQ(run({"dc", "simulate", "--reader", card, "--records", file}).exitCode, 0);

    // A family the card does not take, or a card too full: nothing written.
    const QByteArray two = bytes(card);
    ASSERT_TRUE(
        testfiles::write(file, "[" + entry + "," + QByteArray(entry).replace(":8", ":3") + "]"));
    EXPECT_EQ(run({"dc", "simulate", "--reader", card, "--records", file}).exitCode, 1);
    EXPECT_EQ(run({"dc", "simulate", "--reader", card, "--random", "26"}).exitCode, 1);
    EXPECT_EQ(run({"dc", "simulate", "--reader", card, "--cust", "8", "--random", "1"}).exitCode,
              1);
    EXPECT_EQ(bytes(card), two);

    const CliRun read = run({"dc", "read", "--reader", card, "--cust", "9", "--json"});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QByteArray record = R"({"number":0,"family":8,"machine_id":"ADV1","location_id":)"
                              R"("SHOP 2","collected":"1999-01-02 03:04","duplicate":false,)"
                              R"("block":"0102030405)";
    EXPECT_TRUE(read.out.startsWith(R"({"records":[)" + record)) << read.out.toStdString();
    EXPECT_EQ(read.out.count(R"("family":8)"), 2);
    EXPECT_EQ(run({"dc", "read", "--reader", card, "--cust", "8"}).exitCode, 1);
}

} // namespace
