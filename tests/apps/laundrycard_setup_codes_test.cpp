// The setup card writers through the command line, one of each path: a
// family-record encoder on the setup file's image (184), and the layout
// library initialising the file's current card (181). setup write into a
// file, then card dump --json shows the header and the bytes the layouts fix;
// the layout tests hold every layout's bytes.
#include "support/test_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct CodeCase {
    uint16_t code;
    int version;
    const char* bytes; // from offset 8 of the setup file
};

const CodeCase kCases[] = {
    {181, 0, "063007000000020001300130063000300000013001300000000000070623 04000102ff0100"},
    {184, 2, "007d1234 0000 00 0000000000000000 0000000000000000 00 004500150000"},
};

class SetupCodesThroughTheCli : public clitest::CliTest<::testing::TestWithParam<CodeCase>> {};

TEST_P(SetupCodesThroughTheCli, WriteThenDumpShowsTheFixedBytes)
{
    const CodeCase& c = GetParam();
    STRUCT_laundry_setup record = testfiles::setupRecord(c.code, 125, 0x1234);
    record.dryer_run_time = 45;
    record.heat_time = 15;
    ASSERT_TRUE(testfiles::write(path("record.bin"), testfiles::bytesOf(record)));

    const QString out = path("setup.lcard");
    ASSERT_EQ(run({"setup", "write", "--record", path("record.bin"), "--file", out}).exitCode, 0);
    const clitest::CliRun dump = run({"card", "dump", out, "--json"});
    ASSERT_EQ(dump.exitCode, 0);
    const QJsonObject image =
        QJsonDocument::fromJson(dump.out).object()["images"].toArray()[0].toObject();
    EXPECT_EQ(image["type"].toInt(), c.code);
    EXPECT_EQ(image["cust_id"].toInt(), 0x1234);
    EXPECT_EQ(image["version"].toInt(), c.version);
    const QByteArray expected = QByteArray::fromHex(c.bytes);
    EXPECT_EQ(QByteArray::fromHex(image["files"].toObject()["2001"].toString().toLatin1())
                  .mid(8, expected.size())
                  .toHex(),
              expected.toHex());
}

INSTANTIATE_TEST_SUITE_P(WriterPaths, SetupCodesThroughTheCli, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "Code" + std::to_string(info.param.code); });

} // namespace
