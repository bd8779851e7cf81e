// Every setup card-type code through the command line: setup write into a
// file, then card dump --json shows the header and the bytes the layouts fix.
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
        {180, retrofitLike, 180, 1, {{8, "007d1234"}, {32, "004500300000"}}},
        {181, [](auto& r) { r.scroll_speed = 0; r.washer = 1; }, 181, 0,
         {{8, "06300700000002000130013006300030"}, {36, "062304000102ff0100"}}},
        {184, retrofitLike, 184, 2, {{8, "007d1234"}, {32, "004500150000"}, {63, "a1"}}},
        {185, [](auto& r) { r.vend_price = 25; r.machine_type = 7; r.machine_model_byte = 0x1B; },
         185, 1, {{8, "001912341b07"}, {31, "01"}, {113, "0101"}, {122, "0101"}}},
        {187, [](auto& r) { r.washer = 1; r.wash = 12; r.rinse = 5; }, 187, 0,
         {{10, "1234"}, {31, "01001200000005"}}},
        {192, [](auto& r) { r.advantech_vend_price = 150; }, 192, 0, {{8, "55"}, {55, "0096"}}},
        {193, [](auto& r) { r.byte_138 = 3; r.machine_type = 1; }, 193, 3, {{10, "123401"}}},
        {197, [](auto& r) { r.vend_price = 30; r.machine_type = 9; r.washer = 1; }, 197, 1,
         {{8, "001e1234"}, {31, "01"}}},
        {198, [](auto& r) { r.machine_type = 1; r.vend_price = 200; }, 198, 0,
         {{10, "123401"}, {45, "00c8"}, {81, "022d216501"}}},
        {199, [](auto& r) { r.machine_type = 14; }, 199, 0, {{10, "1234250e"}, {113, "0101"}}},
        {200, [](auto& r) { r.machine_type = 3; r.wascomat_prices[0] = 0x0102; }, 200, 0,
         {{4, "1234"}, {26, "030102"}, {105, "01"}}},
        {201, [](auto& r) { r.machine_type = 14; }, 201, 0, {{10, "12342b0e"}}},
        {202,
         [](auto& r) {
             r.setup_byte_1 = 0x42;
             for (int i = 0; i < 250; ++i)
                 r.manual_setup_data[i] = uint8_t(i);
         },
         0x42, 0, {{0, "000102030405"}, {249, "f9"}}},
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

INSTANTIATE_TEST_SUITE_P(EveryCode, SetupCodesThroughTheCli,
                         ::testing::Range<size_t>(0, cases().size()),
                         [](const auto& info) {
                             return "Code" + std::to_string(cases()[info.param].code);
                         });

}  // namespace
