#include "specials_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

using namespace specialstest;

const char kProfiles[] = R"([
{"name":"Happy Hour","kind":"price","vend_price":"1.25","topoff_price":"0.50","topoff_time":10,"entries":[{"days":" M   F ","price":"0.75","start":"08:00","stop":"17:30"},{"days":"S     S","price":"off"}]},
{"name":"Gate","kind":"door","entries":[{"days":" MTWTF ","start":"07:00","stop":"21:30"}]}
])";

class SpecialsImport : public SpecialsDbTest {
protected:
    LaundrySpecialsImport importText(const QByteArray& json)
    {
        LaundryPriceSpecials specials;
        EXPECT_TRUE(specials.open(databasePath()));
        return specials.import(json);
    }
    QJsonArray exported(bool door)
    {
        LaundryPriceSpecials specials;
        EXPECT_TRUE(specials.open(databasePath()));
        QJsonArray array;
        for (const QJsonObject& object : specials.profiles(door).value_or(QList<QJsonObject>{}))
            array.append(object);
        return array;
    }
};

TEST_F(SpecialsImport, ExportGivesBackWhatWasImported)
{
    import(kProfiles);
    const QJsonArray all = QJsonDocument::fromJson(kProfiles).array();
    EXPECT_EQ(exported(false), QJsonArray{all[0]});
    EXPECT_EQ(exported(true), QJsonArray{all[1]});
    EXPECT_EQ(rows("PRICE SPECIALS", {"PROFILE NAME", "DAYS", "SPECIAL PRICE"}),
              (QList<QStringList>{{"Happy Hour", " M   F ", "$0.75"},
                                  {"Happy Hour", "S     S", "$0.00"},
                                  {"Gate", " MTWTF ", "$0.00"}}));
}

TEST_F(SpecialsImport, OneRefusedProfileStoresNone)
{
    import(R"([{"name":"Gate","kind":"door"}])");
    const LaundrySpecialsImport outcome = importText(R"([
        {"name":"Fine","kind":"price","entries":[{"days":"S      ","price":"off"}]},
        {"name":"gate","kind":"price"},
        {"name":"Fine","kind":"door"},
        {"name":"Bob's","kind":"price","topoff_time":101},
        {"name":"Door","kind":"door","topoff_time":5,"entries":[{"days":"SMTWTFX","price":"1"}]},
        {"name":"Long","kind":"price","entries":[{"days":"S      ","price":"0","start":"8:00"}]}
    ])");
    EXPECT_EQ(outcome.stored, 0);
    EXPECT_EQ(outcome.refusals,
              (QStringList{
                  "Bob's: Please  enter an integer btween 0 and 100",
                  "Door: door access profiles have no \"topoff_time\"",
                  "Door: entry 1: \"days\" must be 7 characters, the letter of each day that is "
                  "on (SMTWTFS) or a blank",
                  "Door: entry 1: door access entries have no price",
                  "Long: entry 1: \"price\" must be an amount such as \"0.75\" (at most 655.35) or "
                  "\"off\"",
                  "Long: entry 1: \"start\" and \"stop\" must both be times such as \"08:00\" "
                  "(leave both out for all day)",
                  "gate: Duplicate Profile Name. Must be unique",
                  "Fine: Duplicate Profile Name. Must be unique",
                  "Bob's: Profile name can't contain a ' character.",
              }));
    EXPECT_EQ(rows("PRICE PROFILES", {"PROFILE NAME"}), (QList<QStringList>{{"Gate"}}));
    EXPECT_TRUE(rows("PRICE SPECIALS", {"DAYS"}).isEmpty());
    EXPECT_FALSE(importText("{}").fileError.isEmpty());
}

TEST_F(SpecialsImport, TwentyFourEntriesAreRefused)
{
    QByteArray json = R"([{"name":"Many","kind":"door","entries":[)";
    for (int k = 0; k < 24; ++k)
        json += QByteArray(k ? "," : "") + R"({"days":"S      "})";
    json += "]}]";
    const LaundrySpecialsImport outcome = importText(json);
    EXPECT_EQ(outcome.refusals,
              QStringList{"Many: 24 entries: the maximum number of special entries written to a "
                          "card is limited to 23."});
}

} // namespace
