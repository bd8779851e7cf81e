// Speed Queen/Huebsch MDC and Generic profiles from an import to the bytes of
// their setup cards, through laundrycard as a script runs it.
#include "support/test_files.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;

const QByteArray kProfiles =
    "[\n"
    R"({"PROFILE NAME":"Celsius Dryers","MAX CARD VALUE":"50","CLEAR COUNT":true,)"
    R"("LOCATION":true,"PROFILE TYPE":7,"MACHINE TYPE":2,"AUDIO":0,"AUDIO TIME":2,)"
    R"("TEMP UNIT":1,"TEMP HIGH":0,"TEMP MED":1,"TEMP LOW":3,"TEMP DELICATE":13,)"
    R"("HEAT TIME":41,"COOL TIME":2,"DISABLE TOPOFF":true,"TOPOFF TIME":15,)"
    R"("CYCLE PRICING":true,"TIME BASE PRICING":true,"SUNDAY":true,"SATURDAY":true,)"
    R"("ACTIVE TIME":0,"SPEC PRICE BEGIN":"06:30","SPEC PRICE END":"21:45",)"
    R"("REG HEAVY PRICE":"2","REG NORMAL PRICE":"1.75","REG PERM PRESS PRICE":"1.5",)"
    R"("REG DELICATE PRICE":"1.25","SPEC HEAVY PRICE":"1","SPEC NORMAL PRICE":"0.9",)"
    R"("SPEC PERM PRESS PRICE":"0.8","SPEC DELICATE PRICE":"0.7","TOPOFF PRICE":"0.25"},)"
    "\n"
    R"({"PROFILE NAME":"Raw Card","PROFILE TYPE":13,"FILE PATH":"ten.bin","SETUP BYTE 1":175})"
    "\n]\n";

class LaundrycardMdcGeneric : public clitest::CliTest<::testing::Test> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
        ASSERT_TRUE(testfiles::write(path("ten.bin"), "0123456789"));
    }

    QString db() const { return path("manager.mdb"); }

    CliRun import(const QByteArray& json)
    {
        EXPECT_TRUE(testfiles::write(path("profiles.json"), json));
        return run({"profile", "import", path("profiles.json"), "--db", db()});
    }

    // The setup card's type and its file 0x2001 as hex.
    std::pair<int, QString> write(const QString& profile)
    {
        const CliRun written = run({"setup", "write", "--profile", profile, "--db", db(), "--file",
                                    path("setup.lcard"), "--cust", "0x1234"});
        EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
        const CliRun dump = run({"card", "dump", path("setup.lcard"), "--json"});
        const QJsonObject image =
            QJsonDocument::fromJson(dump.out).object()["images"].toArray()[0].toObject();
        return {image["type"].toInt(), image["files"].toObject()["2001"].toString()};
    }
};

TEST_F(LaundrycardMdcGeneric, ImportedProfilesMakeTheirExactCards)
{
    const CliRun imported = import(kProfiles);
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();

    const auto [mdcType, mdc] = write("Celsius Dryers");
    EXPECT_EQ(mdcType, 193);
    const QString blanks = QByteArray(20, ' ').toHex(); // the record's cleared text fields
    EXPECT_EQ(mdc.left(2 * 79).toStdString(),
              ("00000000000000000000" // 0-9
               "1234"                 // customer id
               "09"                   // dryer
               "0a"                   // check location, clear counters
               "0032"                 // Max Card Value $50
               "2a03"                 // cycle 42, cool down 3 minutes
               "0001030d"             // temperature codes, delicates no heat
               "021c"                 // tone 0.50 s; audio on, Celsius
               "0f" +                 // top-off 15 minutes
               blanks +
               "00af007d00c80096005a00460064" // normal, delicate, heavy, perm
               "0050"                         // special perm press
               "0019"                         // top-off $0.25
               "82"                           // Sunday, Saturday
               "06302145"                     // 06:30 to 21:45
               "000000000000000000"           // 68-76
               "07"                           // top-off, cycle, time of day
               "00")                          // no tokens
                  .toStdString());

    const auto [genericType, generic] = write("Raw Card");
    EXPECT_EQ(genericType, 175);
    EXPECT_EQ(generic.left(2 * 250).toStdString(),
              (QByteArray("0123456789").toHex() + QByteArray(480, '0')).toStdString());
}

TEST_F(LaundrycardMdcGeneric, RefusedValuesAndAMissingFileMakeNoCard)
{
    // What the pages cannot hold is refused by name, with the largest value.
    QByteArray refused = kProfiles;
    refused.replace(R"("HEAT TIME":41)", R"("HEAT TIME":99)");
    refused.replace(R"("REG HEAVY PRICE":"2")", R"("REG HEAVY PRICE":"100")");
    refused.replace(R"("SETUP BYTE 1":175)", R"("SETUP BYTE 1":256)");
    const CliRun import1 = import(refused);
    EXPECT_EQ(import1.exitCode, 1);
    EXPECT_TRUE(import1.err.contains(
        "Celsius Dryers: HEAT TIME: The cycle time in minutes must be from 1 to 99."))
        << import1.err.toStdString();
    EXPECT_TRUE(import1.err.contains("Raw Card: SETUP BYTE 1: The target card type is one byte: "
                                     "a value from 0 to 255 (0x00 to 0xFF)."));
    QByteArray tokens = kProfiles;
    tokens.replace(R"("CLEAR COUNT":true,)", R"("CLEAR COUNT":true,"ENABLE TOKENS":true,)");
    EXPECT_TRUE(import(tokens).err.contains("Celsius Dryers: CYCLE PRICING: Cycle Based Pricing "
                                            "can't be enabled when using Tokens."));

    QByteArray missing = kProfiles;
    missing.replace("ten.bin", "gone.bin");
    missing.replace(R"("TIME BASE PRICING":true)", R"("TIME BASE PRICING":false)");
    ASSERT_EQ(import(missing).exitCode, 0);
    const CliRun written =
        run({"setup", "write", "--profile", "Raw Card", "--db", db(), "--file", path("raw.lcard")});
    EXPECT_EQ(written.exitCode, 1);
    EXPECT_TRUE(written.err.contains("Cannot open .bin file specified in profile."))
        << written.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("raw.lcard")));
}

} // namespace
