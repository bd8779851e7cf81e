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

} // namespace
