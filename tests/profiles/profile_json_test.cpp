// Profiles as JSON: what an export writes an import stores unchanged, and an
// import that refuses anything stores nothing.
#include "profile_db_fixture.h"
#include "profiles/profile_json.h"
#include "profiles/profile_store.h"
#include "profiles/profile_table.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

using profiles::ImportOutcome;

QJsonArray array(const char* json)
{
    QString error;
    const auto parsed = profiles::parseProfileFile(QByteArray(json), &error);
    EXPECT_TRUE(parsed) << error.toStdString();
    return parsed.value_or(QJsonArray{});
}

// One profile of each type from 0 to 4 as an export writes it. Their page
// values are not a new page's, so a column a page drops or alters shows.
const char kProfilesOfTypes0To4[] = R"([
{"PROFILE NAME":"Front Row","VEND PRICE":"1.25","TOPOFF PRICE":"0.25","MAX CARD VALUE":"100",
 "ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,
 "USER TRANSACTION COL":true,"PROFILE TYPE":0,"IDLE MESSAGE":"INSERT CARD",
 "BUSY MESSAGE":"IN USE","DISPLAY IDLE":true,"DISPLAY PRICE":false,"SCROLL SPEED":70,
 "PULSES":4,"DEDUCTION":2,"BUSY DISPLAY TYPE":1},
{"PROFILE NAME":"Old Dryers","VEND PRICE":"1.5","TOPOFF PRICE":"0.1","MAX CARD VALUE":"655",
 "ENABLE TOKENS":false,"CLEAR COUNT":false,"LOCATION":false,"LOCATION CLUSTERING":false,
 "USER TRANSACTION COL":false,"PROFILE TYPE":1,"IDLE MESSAGE":"DRY-ME","BUSY MESSAGE":"BUSY",
 "DISPLAY IDLE":false,"DISPLAY PRICE":true,"SCROLL SPEED":35,"DEDUCTION":1,
 "BUSY DISPLAY TYPE":0,"DRYER RUN TIME":199,"HEAT TIME":150,"TOPOFF TIME":12},
{"PROFILE NAME":"Tovan Dryers","VEND PRICE":"2","TOPOFF PRICE":"0","MAX CARD VALUE":"100",
 "ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,
 "USER TRANSACTION COL":false,"PROFILE TYPE":2,"DRYER RUN TIME":45,"HEAT TIME":42,
 "TOPOFF TIME":8},
{"PROFILE NAME":"Cycle Seven","VEND PRICE":"1","TOPOFF PRICE":"0","MAX CARD VALUE":"100",
 "ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,
 "USER TRANSACTION COL":false,"PROFILE TYPE":3,"DISPLAY IDLE":false,"DISPLAY PRICE":false,
 "SCROLL SPEED":6},
{"PROFILE NAME":"Gen2 Dryer","VEND PRICE":"0.75","TOPOFF PRICE":"0.25","MAX CARD VALUE":"100",
 "ENABLE TOKENS":false,"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,
 "USER TRANSACTION COL":false,"PROFILE TYPE":4,"WASHER":false,"DRYER":true,"WASH":8,
 "RINSE":4,"DRY":60}
])";

class ProfileJson : public profiletest::ProfileFileTest {
protected:
    // Each refusal's text, or only the profile and column it names.
    static QStringList refusalTexts(const ImportOutcome& outcome, bool named = false)
    {
        QStringList texts;
        for (const auto& refusal : outcome.refusals)
            texts << (named ? refusal.text().section(": ", 0, 1) : refusal.text());
        return texts;
    }
};

TEST_F(ProfileJson, EveryTypeFrom0To4ComesBackAsItWasImported)
{
    const QJsonArray profiles = array(kProfilesOfTypes0To4);
    const ImportOutcome outcome = import(profiles);
    ASSERT_TRUE(outcome.succeeded()) << refusalTexts(outcome).join('\n').toStdString();
    EXPECT_EQ(outcome.stored, 5);

    for (const QJsonValue& value : profiles) {
        const QJsonObject original = value.toObject();
        const QString name = original["PROFILE NAME"].toString();
        const QJsonObject exported = profiles::profileToJson(stored(name));
        EXPECT_EQ(exported, original) << QJsonDocument(exported).toJson().toStdString();
    }
    // The type stays 3: an import is no editor save.
    EXPECT_EQ(stored("Cycle Seven").common.typeCode, 3);
    // Maytag Gen2 Advanced keeps a VEND PRICE of its own: written once.
    EXPECT_EQ(profiles::profileJsonKeys(5).count("VEND PRICE"), 1);
    EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ProfileJson, EveryRefusalIsNamedByProfileAndColumnAndNothingIsStored)
{
    const ImportOutcome outcome = import(array(R"([
        {"PROFILE NAME":"Good","PROFILE TYPE":0,"IDLE MESSAGE":"HELLO"},
        {"PROFILE NAME":"Forms","PROFILE TYPE":0,"COLOUR":"red","WASH":3,"PULSES":"4",
         "DISPLAY IDLE":1,"VEND PRICE":"1.2.3","TOPOFF PRICE":1},
        {"PROFILE NAME":"Rules","PROFILE TYPE":1,"MAX CARD VALUE":"12.5",
         "IDLE MESSAGE":"50% OFF","DRYER RUN TIME":200},
        {"PROFILE NAME":"Nickels","PROFILE TYPE":5,"VEND PRICE":"1.23"},
        {"PROFILE NAME":"It's","PROFILE TYPE":2},
        {"PROFILE TYPE":2},
        {"PROFILE NAME":"Future","PROFILE TYPE":15},
        "not an object"
    ])"));
    EXPECT_FALSE(outcome.succeeded());
    EXPECT_EQ(outcome.stored, 0);
    // The page and field rules' own texts are tested where they are made.
    const QStringList named = refusalTexts(outcome, true);
    EXPECT_EQ(
        named,
        QStringList({"Forms: COLOUR", "Forms: DISPLAY IDLE", "Forms: PULSES", "Forms: TOPOFF PRICE",
                     "Forms: VEND PRICE", "Forms: WASH", "Rules: MAX CARD VALUE",
                     "Rules: DRYER RUN TIME", "Rules: IDLE MESSAGE", "Nickels: VEND PRICE",
                     "Nickels: VEND PRICE", "Nickels: VEND PRICE", "It's: PROFILE NAME",
                     "#6: PROFILE NAME", "Future: PROFILE TYPE", "#8: not a JSON object"}))
        << named.join('\n').toStdString();
    EXPECT_EQ(openTable().names(), QStringList()); // not even "Good"
    EXPECT_TRUE(ui_->messages().empty());
}

TEST_F(ProfileJson, ANameTakenInAnyCaseIsADuplicateInTheTableAndInTheFile)
{
    ASSERT_TRUE(import(array(R"([{"PROFILE NAME":"Dryers","PROFILE TYPE":3}])")).succeeded());

    const ImportOutcome outcome = import(array(R"([
        {"PROFILE NAME":"DRYERS","PROFILE TYPE":0},
        {"PROFILE NAME":"Washers","PROFILE TYPE":0},
        {"PROFILE NAME":"washers  ","PROFILE TYPE":4}
    ])"));
    const QString duplicate = QStringLiteral(" Duplicate Profile Name\n Must be unique");
    EXPECT_EQ(refusalTexts(outcome), QStringList({"DRYERS: PROFILE NAME: " + duplicate,
                                                  "washers: PROFILE NAME: " + duplicate}));
    // The type-3 row the editor never lists is still there, unchanged.
    EXPECT_EQ(openTable().names(), QStringList({"Dryers"}));
    EXPECT_EQ(stored("dryers").common.typeCode, 3);
}

TEST_F(ProfileJson, ADatabaseErrorLeavesNothingHalfImported)
{
    // The engine refuses the third row, after two were added.
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(databasePath().toUtf8().constData(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw,
                           "CREATE TRIGGER refuse_third BEFORE INSERT ON \"LAUNDRY SETUP\" "
                           "WHEN NEW.\"PROFILE NAME\" = 'Tovan Dryers' "
                           "BEGIN SELECT RAISE(ABORT, 'refused'); END",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);

    const ImportOutcome outcome = import(array(kProfilesOfTypes0To4));
    EXPECT_TRUE(outcome.databaseFailed);
    EXPECT_EQ(outcome.stored, 0);
    ASSERT_EQ(ui_->messages().size(), 1u);
    EXPECT_TRUE(ui_->messages()[0].text.startsWith("Error adding new profile to database.\nError "))
        << ui_->messages()[0].text.toStdString();
    EXPECT_EQ(openTable().names(), QStringList());
}

} // namespace
