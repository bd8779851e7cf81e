// The Alliance Quantum/ACA option dialog: its field limits, the product line
// that picks the card layout, cycle-based pricing, and imported profiles of
// each line to the exact bytes of their setup cards.
#include "profile_db_fixture.h"

#include "profiles/pages/alliance_page_rules.h"
#include "setup/alliance_layout.h"
#include "setup/layout_bytes.h"

#include <functional>

using namespace profiles;
using layouttest::hex;
using R = AlliancePageRules;

namespace {

STRUCT_laundry_setup converted(const R& rules)
{
    STRUCT_laundry_setup record{};
    setup::clearSetupRecord(record);
    rules.writeRecord(CommonValues{}, record);
    return record;
}

} // namespace

TEST(AlliancePage, EachFieldRefusesWhatItCannotHold)
{
    struct Case {
        const char* what;
        std::function<void(R::Values&)> set;
        const char* column;
        const char* message; // start of the message
    };
    const Case cases[] = {
        {"defaults", [](R::Values&) {}, "", nullptr},
        {"no type 3", [](R::Values& v) { v.machineType = 3; }, "MACHINE TYPE",
         "The Quantum line makes no machine of type 3. Choose one of: 1 (Top-Load Washer), 2 "
         "(Front-Load Washer), 4 (Extractor), 8 (Tumbler), 9 (Dryer)."},
        {"no ACA tumbler",
         [](R::Values& v) {
             v.productLine = 1;
             v.machineType = 8;
         },
         "MACHINE TYPE", "The ACA line makes no machine of type 8."},
        {"tier A2",
         [](R::Values& v) {
             v.productLine = 1;
             v.tier = 2;
         },
         "ACA TIER", "The ACA tier must be 1, 3 or 4"},
        {"vend $655.36", [](R::Values& v) { v.vendPrice = Currency::fromCents(65536); },
         "VEND PRICE", "Please enter a value between $0.00 and $655.35"},
        {"negative price", [](R::Values& v) { v.washerPrices[8] = Currency::fromCents(-1); },
         "PRICE9", "Please enter a value between $0.00 and $655.35"},
        {"top price holds", [](R::Values& v) { v.noHeatPrice = Currency::fromCents(65535); }, "",
         nullptr},
        {"temperature past 100 F", [](R::Values& v) { v.temperatures[3] = 19; }, "TEMP DELICATE",
         "The delicates setting (a position in its list) must be from 0 to 18."},
        {"cool down 16 minutes", [](R::Values& v) { v.coolDownTimes[0] = 15; },
         "COOLDOWN TIME HIGH", "The high temperature cool down time"},
        {"wash 21 minutes", [](R::Values& v) { v.cycleSettings[R::Wash][2] = 21; },
         "WASH TIME DELICATE", "The Delicate wash time in minutes must be from 0 to 20."},
        {"spin 15 holds", [](R::Values& v) { v.cycleSettings[R::FinalSpin][0] = 15; }, "", nullptr},
        {"medium extra rinse 16", [](R::Values& v) { v.medium.extraRinse = 16; },
         "EXTRA RINSE TIME MEDIUM",
         "The extra rinse time of the medium cycle in minutes must be from 0 to 15."},
        {"machine size", [](R::Values& v) { v.machineSize = 13; }, "SETUP BYTE 2",
         "The machine size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        R rules;
        c.set(rules.values());
        const Check refused = rules.checkBeforeSave();
        ASSERT_EQ(refused.has_value(), c.message != nullptr);
        if (!refused)
            continue;
        EXPECT_EQ(refused->column, QLatin1String(c.column));
        EXPECT_TRUE(refused->message.startsWith(QLatin1String(c.message)))
            << refused->message.toStdString();
        EXPECT_EQ(refused->caption, "Input Error");
        EXPECT_GE(refused->control, 1600);
    }
}

TEST(AlliancePage, APriceEditTakesOnlyAnAmountTheCardHolds)
{
    R rules;
    Currency price = Currency::fromCents(7);
    EXPECT_EQ(rules.enterPrice(R::kVendPriceControl, u"1,50", price)->message,
              "Please enter a valid currency value in the form 'dd.cc' (dollars.cents)");
    EXPECT_EQ(rules.enterPrice(R::kVendPriceControl, u"655.36", price)->column, "VEND PRICE");
    EXPECT_EQ(price, Currency::fromCents(7));
    EXPECT_FALSE(rules.enterPrice(R::kVendPriceControl, u" $655.35 ", price));
    EXPECT_EQ(price, Currency::fromCents(65535));
}

TEST(AlliancePage, TheProductLinePicksTheLayoutAndOffersOnlyItsMachines)
{
    struct Case {
        int line;
        int machineType;
        int chosenAs; // the kind after the line is chosen
        uint8_t tierByte;
        const char* codeBytes; // block A bytes 82-85
    };
    const Case cases[] = {
        {0, R::kTopLoadWasher, R::kTopLoadWasher, 0, "2d216501"},
        {0, R::kExtractor, R::kExtractor, 0, "26246504"},
        {1, R::kTopLoadWasher, R::kTopLoadWasher, 4, "32217001"},
        {1, R::kTumbler, R::kDryer, 4, "25297009"},
        {1, R::kExtractor, R::kFrontLoadWasher, 4, "25227002"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.codeBytes);
        R rules;
        rules.values().machineType = c.machineType;
        rules.values().tier = 0;
        rules.load(rules.columns()); // a tier of 0 loads as "A4"
        rules.chooseProductLine(c.line);
        EXPECT_EQ(rules.values().machineType, c.chosenAs);
        ASSERT_FALSE(rules.checkBeforeSave());
        const STRUCT_laundry_setup record = converted(rules);
        EXPECT_EQ(record.aca_product_line, c.line);
        EXPECT_EQ(record.aca_tier, c.tierByte);
        RecordingCardImage image;
        ASSERT_EQ(setup::writeAllianceSetup(image, record), 0);
        EXPECT_EQ(image.file(0x2001).mid(82, 4).toHex().toStdString(), c.codeBytes);
    }
    EXPECT_EQ(R::machineTypes(1), (std::vector<int>{1, 2, 9}));
}

TEST(AlliancePage, CyclePricingOffZeroesTheCyclePricesAndWritesTheVendPrice)
{
    for (const int machineType : {R::kFrontLoadWasher, R::kDryer}) {
        for (const bool cyclePricing : {false, true}) {
            SCOPED_TRACE(machineType * 10 + cyclePricing);
            R rules;
            R::Values& v = rules.values();
            v.machineType = machineType;
            v.cyclePricing = cyclePricing;
            // Tokens and cycle pricing cannot go together.
            EXPECT_EQ(rules.checkTokens(true).has_value(), cyclePricing);
            v.vendPrice = Currency::fromCents(175);
            STRUCT_laundry_setup record{};
            setup::clearSetupRecord(record);
            record.vend_price = 99; // what the common head wrote
            rules.writeRecord(CommonValues{}, record);
            EXPECT_EQ(record.vend_price, cyclePricing ? 99 : 175);
            EXPECT_EQ(record.mdc_pricing_flags, cyclePricing ? 0x02 : 0);
            const uint16_t price = cyclePricing ? 150 : 0;
            if (machineType == R::kDryer) {
                for (const uint16_t p : record.mdc_prices_head)
                    EXPECT_EQ(p, price);
                EXPECT_EQ(record.dryer_noheat_price, cyclePricing ? 100 : 0);
            } else {
                for (const uint16_t p : record.alliance_washer_prices)
                    EXPECT_EQ(p, price);
            }
        }
    }
}

TEST(AlliancePage, FrontLoadSwitchesFollowTheProductLine)
{
    R rules;
    R::Values& v = rules.values();
    v.machineType = R::kFrontLoadWasher;
    v.medium.options[R::Prewash] = true;
    v.medium.options[R::Mode1] = true;
    v.heavy.options[R::WarmRinseOption] = true;
    v.heavy.options[R::ExtraWashOption] = true;
    v.machineSize = 4;
    STRUCT_laundry_setup quantum = converted(rules);
    EXPECT_EQ(quantum.medium_cycle_flags, 0x01);
    EXPECT_EQ(quantum.heavy_cycle_flags, 0x0C);
    EXPECT_EQ(quantum.setup_byte_2, 4);
    rules.chooseProductLine(1);
    STRUCT_laundry_setup aca = converted(rules);
    EXPECT_EQ(aca.medium_cycle_flags, 0x01); // mode 1; ACA has no prewash
    EXPECT_EQ(aca.heavy_cycle_flags, 0x14);  // warm final rinse, additional wash
}

// Imported profiles of each product line, stored, converted as
// `setup write --profile` does and written by the real encoder.
class AllianceProfile : public profiletest::ProfileFileTest {
protected:
    ImportOutcome import(const char* columns, const char* name = "P")
    {
        return importJson(QStringLiteral(
                              R"([{"PROFILE NAME":"%2","MAX CARD VALUE":"100","ENABLE TOKENS":false,
"CLEAR COUNT":true,"LOCATION":true,"LOCATION CLUSTERING":false,"USER TRANSACTION COL":false,
"PROFILE TYPE":9,%1}])")
                              .arg(QLatin1String(columns), QLatin1String(name)));
    }
    QByteArray card() { return setupFile(converted("P"), setup::writeAllianceSetup); }
};

// Block A bytes both cards share: option flags 0x0A (check location, clear
// counters), Max Card Value $100, the space-filled texts.
QByteArray blockA(uint8_t type, std::initializer_list<std::pair<int, QByteArray>> parts)
{
    QByteArray b = layouttest::layout(138, {{12, QByteArray(1, char(type)) + hex("0a0064")},
                                            {25, QByteArray(20, ' ')},
                                            {81, hex("02")}});
    for (const auto& [at, bytes] : parts)
        b.replace(at, bytes.size(), bytes);
    return b;
}

TEST_F(AllianceProfile, AQuantumTopLoadWasherReachesItsCardByteForByte)
{
    ASSERT_TRUE(import(R"("ACA MACHINE":false,"MACHINE TYPE":1,"CYCLE PRICING":true,"AUDIO":1,
"VEND PRICE":"1.5","PRICE1":"2","PRICE2":"1.75","PRICE3":"1.5","PRICE4":"1.9","PRICE5":"1.65",
"PRICE6":"1.4","PRICE7":"1.6","PRICE8":"1.45","PRICE9":"1.25","ENABLE HEAVY CYCLE":true,
"HEAVY ADDED PRICE":"0.5","EXTRA WASH TIME HEAVY":3,"EXTRA RINSE TIME HEAVY":2,
"WARM RINSE ENABLED":true,"WASH TIME NORMAL":12,"WASH TIME PERM":10,"WASH TIME DELICATE":8,
"RINSE TIME NORMAL":5,"RINSE TIME PERM":4,"RINSE TIME DELICATE":3,"EXTRA RINSE TIME NORMAL":1,
"SPIN TIME NORMAL":7,"SPIN TIME PERM":6,"SPIN TIME DELICATE":5)")
                    .succeeded());
    const QByteArray file = card();
    // Centurion top-load: audio on (0x08), top-off time 1, vend $1.50 kept
    // beside cycle pricing (0x02); the nine prices; heavy $0.50, heavy on,
    // extra wash 3, rinse 2, warm rinse; per cycle wash, extra rinse,
    // rinse, spin; 0x05, audio 0x1D, 0x01.
    const QByteArray expected =
        blockA(1, {{22, hex("000801")},
                   {45, hex("0096 00 02")},
                   {82, hex("2d216501")},
                   {89, hex("00c8 00af 0096 00be 00a5 008c 00a0 0091 007d")},
                   {107, hex("0032 01 03 02 01 0c010507 0a000406 08000305 05 1d 01")}});
    EXPECT_EQ(file.left(138).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
    EXPECT_EQ(file.mid(256), QByteArray(64, '\0'));
}

TEST_F(AllianceProfile, AnAcaDryerReachesItsCardByteForByte)
{
    ASSERT_TRUE(import(R"("ACA MACHINE":true,"MACHINE TYPE":9,"ACA TIER":3,"CYCLE PRICING":true,
"AUDIO":0,"VEND PRICE":"1.25","TOPOFF PRICE":"0.25","DISABLE TOPOFF":false,"TOPOFF TIME":4,
"TEMP UNIT":1,"TEMP HIGH":0,"TEMP MED":2,"TEMP LOW":6,"TEMP DELICATE":12,
"HEATED CYCLE TIME":39,"NOHEAT CYCLE TIME":19,"COOLDOWN TIME HIGH":2,"COOLDOWN TIME MED":2,
"COOLDOWN TIME LOW":1,"COOLDOWN TIME DELICATE":0,"REG HEAVY PRICE":"0.75",
"REG NORMAL PRICE":"0.5","REG PERM PRESS PRICE":"0.4","REG DELICATE PRICE":"0.3",
"NOHEAT PRICE":"0.2")")
                    .succeeded());
    const QByteArray file = card();
    // ACA dryer: Celsius (0x10), top-off 5 minutes, vend $1.25 kept beside
    // cycle pricing and top-off (0x03); high and no-heat prices; top-off on,
    // $0.25, 5; constants; heated 40, no heat 20; cool down 3, 3, 2, 1;
    // temperature codes 13, 15, 19, 25; 0x04, no audio, Celsius, 0x01.
    const QByteArray expected =
        blockA(9, {{22, hex("001005")},
                   {45, hex("007d 00 03")},
                   {82, hex("25297009")},
                   {89, hex("004b 0014 01 0019 05 0005 26 16 1e 28 00 14 00 03030201 0d0f1319 04 "
                            "00 0000 01 01")}});
    EXPECT_EQ(file.left(138).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
    // High, medium, low, delicates, no heat, then the top-off price.
    EXPECT_EQ(file.mid(256).toHex(' ').toStdString(),
              layouttest::layout(64, {{0, hex("004b 0032 0028 001e 0014 0019")}})
                  .toHex(' ')
                  .toStdString());
}

TEST_F(AllianceProfile, ARowSurvivesAnEditAndABadValueIsRefusedOnce)
{
    ASSERT_TRUE(
        import(R"("ACA MACHINE":true,"MACHINE TYPE":1,"ACA TIER":1,"MEDIUM ADDED PRICE":"0.4",
"EXTRA WASH TIME MEDIUM":2,"WARM RINSE ENABLED MEDIUM":true,"MEDIUM MODE2 ACTIVE STATE":true)")
            .succeeded());
    const ProfileValues before = stored("P");
    R page;
    page.load(before.columns);
    EXPECT_EQ(page.values().tier, 1);
    EXPECT_EQ(page.values().medium.price, Currency::fromCents(40));
    // The ACA top-load defaults of what the file does not name.
    EXPECT_EQ(page.values().cycleSettings[R::FinalSpin], (std::array<int, 3>{7, 6, 5}));
    EXPECT_EQ(page.columns(), before.columns);

    const ImportOutcome bad = import(R"("ACA MACHINE":true,"MACHINE TYPE":4)", "Q");
    ASSERT_EQ(bad.refusals.size(), 1);
    EXPECT_EQ(bad.refusals[0].column, "MACHINE TYPE");
}
