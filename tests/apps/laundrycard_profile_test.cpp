// laundrycard profile and setup write --profile as a script sees them.
#include "support/test_files.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "laundrycard_runner.h"

#include <gtest/gtest.h>

namespace {

using clitest::CliRun;

// In name order, one profile a line with its keys in column order: exactly
// what an export of these profiles writes.
const QByteArray kProfiles =
    "[\n"
    R"({"PROFILE NAME":"Cycle Seven","VEND PRICE":"1","TOPOFF PRICE":"0","MAX CARD VALUE":"100",)"
    R"("ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,)"
    R"("USER TRANSACTION COL":false,"PROFILE TYPE":3,"DISPLAY IDLE":true,"DISPLAY PRICE":false,)"
    R"("SCROLL SPEED":6},)"
    "\n"
    R"({"PROFILE NAME":"Front Row","VEND PRICE":"1.25","TOPOFF PRICE":"0.25",)"
    R"("MAX CARD VALUE":"100","ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,)"
    R"("LOCATION CLUSTERING":false,"USER TRANSACTION COL":true,"PROFILE TYPE":0,)"
    R"("IDLE MESSAGE":"INSERT CARD","BUSY MESSAGE":"IN USE","DISPLAY IDLE":true,)"
    R"("DISPLAY PRICE":false,"SCROLL SPEED":70,"PULSES":4,"DEDUCTION":2,"BUSY DISPLAY TYPE":1},)"
    "\n"
    R"({"PROFILE NAME":"Gen2 Dryer","VEND PRICE":"0.75","TOPOFF PRICE":"0.25",)"
    R"("MAX CARD VALUE":"100","ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,)"
    R"("LOCATION CLUSTERING":false,"USER TRANSACTION COL":false,"PROFILE TYPE":4,)"
    R"("WASHER":false,"DRYER":true,"WASH":0,"RINSE":0,"DRY":60},)"
    "\n"
    R"({"PROFILE NAME":"Old Dryers","VEND PRICE":"1.5","TOPOFF PRICE":"0.1",)"
    R"("MAX CARD VALUE":"655","ENABLE TOKENS":false,"CLEAR COUNT":false,"LOCATION":false,)"
    R"("LOCATION CLUSTERING":false,"USER TRANSACTION COL":false,"PROFILE TYPE":1,)"
    R"("IDLE MESSAGE":"DRY-ME","BUSY MESSAGE":"","DISPLAY IDLE":false,"DISPLAY PRICE":true,)"
    R"("SCROLL SPEED":0,"DEDUCTION":1,"BUSY DISPLAY TYPE":0,"DRYER RUN TIME":199,)"
    R"("HEAT TIME":150,"TOPOFF TIME":12},)"
    "\n"
    R"({"PROFILE NAME":"Tovan Dryers","VEND PRICE":"2","TOPOFF PRICE":"0",)"
    R"("MAX CARD VALUE":"100","ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,)"
    R"("LOCATION CLUSTERING":false,"USER TRANSACTION COL":false,"PROFILE TYPE":2,)"
    R"("DRYER RUN TIME":45,"HEAT TIME":42,"TOPOFF TIME":8})"
    "\n]\n";

class LaundrycardProfile : public clitest::CliTest<::testing::Test> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({"db", "init", db()}).exitCode, 0);
        writeFile("profiles.json", kProfiles);
    }

    QString db() const { return path("manager.mdb"); }

    void writeFile(const QString& name, const QByteArray& bytes)
    {
        ASSERT_TRUE(testfiles::write(path(name), bytes));
    }

    void importProfiles()
    {
        const CliRun import = run({"profile", "import", path("profiles.json"), "--db", db()});
        ASSERT_EQ(import.exitCode, 0) << import.err.toStdString();
        EXPECT_EQ(import.out, "Imported 5 profiles\n");
    }
};

TEST_F(LaundrycardProfile, ImportThenListShowAndExportGiveTheProfilesBack)
{
    importProfiles();

    const CliRun list = run({"profile", "list", "--db", db(), "--json"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QJsonArray listed = QJsonDocument::fromJson(list.out).array();
    ASSERT_EQ(listed.size(), 5);
    EXPECT_EQ(list.out.left(list.out.indexOf('}') + 1),
              R"([{"name":"Cycle Seven","type":3,"type_name":"Tovan2000 Cycle Setup",)"
              R"("idle_message":"","busy_message":""})");
    EXPECT_EQ(listed[1].toObject()["idle_message"].toString(), "INSERT CARD");
    EXPECT_EQ(listed[4].toObject()["type_name"].toString(), "Tovan2000");

    const CliRun table = run({"profile", "list", "--db", db()});
    EXPECT_TRUE(table.out.startsWith("PROFILE NAME  PROFILE TYPE  "));
    EXPECT_TRUE(table.out.contains("Front Row     Retrofit               INSERT CARD   IN USE\n"))
        << table.out.toStdString();

    const CliRun show = run({"profile", "show", "front row", "--db", db(), "--json"});
    ASSERT_EQ(show.exitCode, 0) << show.err.toStdString();
    const QList<QByteArray> lines = kProfiles.split('\n');
    EXPECT_EQ(show.out, lines[2].chopped(1) + '\n'); // without the array's comma

    const CliRun text = run({"profile", "show", "Old Dryers", "--db", db()});
    EXPECT_TRUE(text.out.contains("VEND PRICE:            $1.50\n")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("PROFILE TYPE:          1 (Electromechanical)\n"));
    EXPECT_TRUE(text.out.contains("CLEAR COUNT:           No\n"));

    const CliRun exported = run({"profile", "export", "--db", db()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.out, kProfiles);

    const CliRun some = run({"profile", "export", "--db", db(), "Tovan Dryers", "Cycle Seven"});
    EXPECT_EQ(some.out, "[\n" + lines[5] + ",\n" + lines[1].chopped(1) + "\n]\n");
}

TEST_F(LaundrycardProfile, RefusedImportListsEveryRefusalAndStoresNothing)
{
    importProfiles();
    writeFile("more.json", R"([{"PROFILE NAME":"New One","PROFILE TYPE":0},
                               {"PROFILE NAME":"FRONT ROW","PROFILE TYPE":4},
                               {"PROFILE NAME":"Third","PROFILE TYPE":0,"PULSES":100}])");
    const CliRun import = run({"profile", "import", path("more.json"), "--db", db()});
    EXPECT_EQ(import.exitCode, 1);
    EXPECT_TRUE(import.out.isEmpty());
    EXPECT_TRUE(import.err.contains("nothing imported; 2 refused:\n")) << import.err.toStdString();
    EXPECT_TRUE(import.err.contains("FRONT ROW: PROFILE NAME:  Duplicate Profile Name Must be "
                                    "unique\n")); // one line each
    EXPECT_TRUE(import.err.contains("Third: PULSES: Please enter a value for the Number of "
                                    "Pulses in the range of 0 to 99.\n"));
    const CliRun list = run({"profile", "list", "--db", db(), "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(list.out).array().size(), 5);

    writeFile("broken.json", "{\"PROFILE NAME\":");
    EXPECT_EQ(run({"profile", "import", path("broken.json"), "--db", db()}).exitCode, 1);
    EXPECT_EQ(run({"profile", "import", path("more.json")}).exitCode, 2);
    writeFile("one.json", R"([{"PROFILE NAME":"New One","PROFILE TYPE":0}])");
    EXPECT_EQ(run({"profile", "import", path("one.json"), "--db", db()}).out,
              "Imported 1 profile\n");
}

TEST_F(LaundrycardProfile, SetupWriteOfAProfileMakesItsCardAndAnUnknownOneExitsOne)
{
    importProfiles();
    const CliRun write = run({"setup", "write", "--profile", "Front Row", "--db", db(), "--file",
                              path("setup.lcard"), "--cust", "0x1234"});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    const CliRun dump = run({"card", "dump", path("setup.lcard"), "--json"});
    const QJsonObject image =
        QJsonDocument::fromJson(dump.out).object()["images"].toArray()[0].toObject();
    EXPECT_EQ(image["type"].toInt(), 184);
    EXPECT_EQ(image["cust_id"].toInt(), 0x1234);
    const QString data = image["files"].toObject()["2001"].toString();
    EXPECT_EQ(data.mid(16, 8), "007d1234"); // vend price 125 cents, then the customer id
    EXPECT_EQ(data.mid(256, 4), "0064");    // Max Card Value $100

    const CliRun unknown = run(
        {"setup", "write", "--profile", "Back Row", "--db", db(), "--file", path("other.lcard")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("The reader setup profile \"Back Row\" was not found in the "
                                     "database."))
        << unknown.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("other.lcard")));
    EXPECT_EQ(run({"profile", "show", "Back Row", "--db", db()}).exitCode, 1);
    const CliRun exported = run({"profile", "export", "--db", db(), "Front Row", "Back Row"});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_TRUE(exported.out.isEmpty());
    EXPECT_TRUE(exported.err.contains("no profile named \"Back Row\""));
    EXPECT_EQ(run({"setup", "write", "--profile", "Front Row", "--file", path("f")}).exitCode, 2);
}

} // namespace
