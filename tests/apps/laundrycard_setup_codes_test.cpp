// The setup card writers through the command line, one of each path: a
// family-record encoder on the setup file's image (184), and the layout
// library initialising the file's current card (181). setup write into a
// file, then card dump --json shows the header and the bytes the layouts fix;
// the layout tests hold every layout's bytes.
#include "laundry/laundry.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Expect {
    int offset;
    const char* hex;
};

struct CodeCase {
    uint16_t code;
    std::function<void(STRUCT_laundry_setup&)> fill;
    int headerType;
    int version;
    std::vector<Expect> bytes;
};

void retrofitLike(STRUCT_laundry_setup& r)
{
    r.vend_price = 125;
    r.dryer_run_time = 45;
    r.heat_time = 15;
}

const std::vector<CodeCase>& cases()
{
    static const std::vector<CodeCase> all = {
        {181,
         [](auto& r) {
             r.scroll_speed = 0;
             r.washer = 1;
         },
         181,
         0,
         {{8, "06300700000002000130013006300030"}, {36, "062304000102ff0100"}}},
        {184, retrofitLike, 184, 2, {{8, "007d1234"}, {32, "004500150000"}, {63, "a1"}}},
    };
    return all;
}

class SetupCodesThroughTheCli : public clitest::CliTest<::testing::TestWithParam<size_t>> {};

TEST_P(SetupCodesThroughTheCli, WriteThenDumpShowsTheFixedBytes)
{
    const CodeCase& c = cases()[GetParam()];
    STRUCT_laundry_setup record;
    std::memset(&record, 0, sizeof record);
    clear_laundry_setup_struct(&record);
    record.card_type_code = c.code;
    record.word_02 = 0x1234;
    c.fill(record);
    QFile rec(path("record.bin"));
    ASSERT_TRUE(rec.open(QIODevice::WriteOnly));
    rec.write(reinterpret_cast<const char*>(&record), sizeof record);
    rec.close();

    const QString out = path("setup.lcard");
    ASSERT_EQ(run({"setup", "write", "--record", rec.fileName(), "--file", out}).exitCode, 0)
        << c.code;
    const clitest::CliRun dump = run({"card", "dump", out, "--json"});
    ASSERT_EQ(dump.exitCode, 0);
    const QJsonObject image =
        QJsonDocument::fromJson(dump.out).object()["images"].toArray()[0].toObject();
    EXPECT_EQ(image["type"].toInt(), c.headerType) << c.code;
    EXPECT_EQ(image["cust_id"].toInt(), 0x1234) << c.code;
    EXPECT_EQ(image["version"].toInt(), c.version) << c.code;
    const QByteArray data =
        QByteArray::fromHex(image["files"].toObject()["2001"].toString().toLatin1());
    for (const Expect& e : c.bytes) {
        const QByteArray expected = QByteArray::fromHex(e.hex);
        EXPECT_EQ(data.mid(e.offset, expected.size()).toHex(), expected.toHex())
            << "code " << c.code << " offset " << e.offset;
    }
}

INSTANTIATE_TEST_SUITE_P(WriterPaths, SetupCodesThroughTheCli,
                         ::testing::Range<size_t>(0, cases().size()), [](const auto& info) {
                             return "Code" + std::to_string(cases()[info.param].code);
                         });

}  // namespace
