// Maytag Marlin, Quicksilver and MHN33 profiles from an imported file to the
// exact bytes of their setup cards, and a stored row that an edit keeps.
#include "profile_db_fixture.h"

#include "profiles/page_catalogue.h"
#include "setup/layout_bytes.h"
#include "setup/maytag_layout.h"
#include "setup/profile_types.h"

using namespace profiles;
using layouttest::hex;

namespace {

// The three profiles share the price page and the options page's identity.
const char kProfiles[] = R"([
{"PROFILE NAME":"%1","MAX CARD VALUE":"100","ENABLE TOKENS":true,"CLEAR COUNT":true,
 "LOCATION":true,"LOCATION CLUSTERING":true,"USER TRANSACTION COL":false,"PROFILE TYPE":%2,
 "COIN1 VALUE":"0.25","PRICE1":"1.5","PRICE2":"1.25","PRICE3":"2","PRICE4":"0.25",
 "PRICE5":"0.5","PRICE6":"0.75","PRICE7":"0.25","PRICE8":"0.5","PENNY INCREMENT":"0.02",
 "SPEC PRICING":true,"SPEC PRICE 1":"1","SPEC PRICE 2":"1","SPEC PRICE 3":"1.5",
 "SPEC PRICE BEGIN":"10 PM","SPEC PRICE END":"6 AM","SUNDAY":true,"SATURDAY":true,
 "POSITION":"7","LOCATION MACHINE":123456,"MACHINE SERIAL":"SN12345678",
 "SETUP BYTE 1":15,"SETUP BYTE 2":146
%3}
])";
// What each options page adds.
const char kMarlinOptions[] = R"(,"SET SERIAL":true,"SET POSITION":true,"SET PRICE":true,
 "SET CYCLE":true,"WASH":%1,"RINSE":1)";
const char kMhn33Options[] = R"(,"SET SERIAL":true,"SET POSITION":true,"SET PRICE":true,
 "SET CYCLE":true,"WASH":%1,"RINSE":1,"PREWASH":1,"FINAL SPIN":"5","TOP SPIN SPEED":"992",
 "WATER LEVEL":true)";

class MaytagProfile : public profiletest::ProfileFileTest {
protected:
    ImportOutcome import(const QString& name, int code, int wash = 2)
    {
        const QString options =
            code == setup::kMaytagQuicksilver
                ? QString()
                : QString::fromLatin1(code == setup::kMaytagMarlin ? kMarlinOptions : kMhn33Options)
                      .arg(wash);
        return importJson(QString::fromLatin1(kProfiles).arg(name).arg(code).arg(options));
    }

    // The setup file of the card converted from the stored profile.
    QByteArray card(const QString& name)
    {
        const STRUCT_laundry_setup record = converted(name);
        return setupFile(record, record.card_type_code == 0xC9 ? setup::writeQuicksilverLayout
                                                               : setup::writeMarlinLayout)
            .toHex(' ');
    }
};

// The card of these profiles, with the bytes the types differ in: model and
// machine type at 12, the cycle bytes at 32, the options and Soil Level at
// 76, the feature flags at 85. Prices in nickels: Normal 30, Delicate 25,
// Powerwash 40, Cool 5, Warm 10; special 20, 20, 30; Extra Rinse 5. Option
// flags 0x8A: clustering, clear counters, check location.
std::string expected(const char* at12, const char* at32, const char* at76, const char* at85)
{
    return layouttest::layout(125, {{12, hex(at12) + hex("8a0064")},
                                    {17, hex("1e1928050a 14141e 05")},
                                    {32, hex(at32)},
                                    {40, QByteArray(20, ' ')},
                                    {63, "SN12345678"},
                                    {73, hex("123456") + hex(at76) + hex("0f")},
                                    {85, hex(at85) + hex("00 411606")},
                                    {95, hex("05 00 02")},
                                    {112, hex("010101")},
                                    {122, hex("0101")}})
        .toHex(' ')
        .toStdString();
}

} // namespace

TEST_F(MaytagProfile, EachTypeReachesItsCardByteForByte)
{
    for (const auto& [name, code] : {std::pair{"Marlin", setup::kMaytagMarlin},
                                     {"Quick", setup::kMaytagQuicksilver},
                                     {"Mhn", setup::kMaytagMhn33}})
        ASSERT_TRUE(
            import(QLatin1String(name), code, code == setup::kMaytagMhn33 ? 2 : 3).succeeded())
            << name;
    EXPECT_EQ(card("Marlin").toStdString(),
              expected("250e", "07 03 0000 17 01", "00 0f92 0a", "020a"));
    // Quicksilver: the Normal and Delicate settings at 76 and 78, no cycle
    // bytes, no feature flags.
    EXPECT_EQ(card("Quick").toStdString(), expected("2b0e", "07", "02 0f09 0a", "0000"));
    // MHN33: prewash 3, wash 11, final spin 5, 3 rinses, 992 RPM; no Soil
    // Level; Water Level sets bit 6 of the feature flags.
    EXPECT_EQ(card("Mhn").toStdString(),
              expected("2510", "07 0b 03 05 17 03 32", "00 0f92 00", "026a"));
}

TEST_F(MaytagProfile, ARowSurvivesAnEditUnchanged)
{
    ASSERT_TRUE(import("Mhn", setup::kMaytagMhn33).succeeded());
    const ProfileValues before = stored("Mhn");
    ASSERT_EQ(before.columns.value("WATER LEVEL").toInt(), 1);
    // The editor's save: the page loads the row and hands back its columns.
    const std::unique_ptr<PageRules> page = makePageRules(setup::kMaytagMhn33);
    page->load(before.columns);
    ProfileStore store = openTable();
    ASSERT_TRUE(store.positionOn("Mhn"));
    ASSERT_EQ(store.save(before.common, page->columns(), SaveMode::Edit), ProfileStore::Saved::Yes);
    const ProfileValues after = stored("Mhn");
    EXPECT_EQ(after.columns, before.columns);
}

TEST_F(MaytagProfile, TheImportRefusesWhatTheEditorCannotSave)
{
    // Wash 6 is past the Marlin's "0" .. "5".
    const ImportOutcome outcome = import("Marlin", setup::kMaytagMarlin, 6);
    QStringList columns;
    for (const ImportRefusal& refusal : outcome.refusals)
        columns << refusal.column;
    EXPECT_EQ(columns, QStringList({"WASH", "WASH"})); // the field, then the dialog's refusal
    EXPECT_EQ(outcome.refusals.back().message,
              QStringLiteral("One or more data items is invalid and must be corrected before "
                             "profile can be saved."));
}
