// The rules of the Speed Queen/Huebsch MDC pages and of the Manual Setup
// page: defaults, switches, enabling, checks and what reaches the record.
// The exact card bytes are tested end to end in laundrycard_mdc_generic_test.
#include "profiles/pages/manual_setup_page_rules.h"
#include "profiles/pages/mdc_page_rules.h"
#include "setup/setup_record.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace profiles;
using Mdc = MdcPageRules;
using Machine = Mdc::Machine;

TEST(MdcPageRules, MachineKindsBringTheirDefaults)
{
    const struct {
        Machine kind;
        std::array<int, 4> temperatures;
        int cycle, coolDown, topoffTime, washerCycle, listed;
    } cases[] = {
        {Machine::TopLoadWasher, {-1, -1, -1, -1}, 0, 0, 0, 4, 14},
        {Machine::FrontLoadWasher, {-1, -1, -1, -1}, 0, 0, 0, 0, 14},
        {Machine::Dryer, {0, 1, 3, 9}, 42, 3, 15, 4, 14},
        {Machine::Tumbler, {0, 2, 6, 12}, 9, 1, 10, 4, 20},
    };
    for (const auto& c : cases) {
        Mdc rules;
        EXPECT_EQ(rules.washerCycleIndex(), 1); // "Long Cycle"
        EXPECT_EQ(rules.values().toneLength, 2);
        rules.chooseTopoff(true);
        rules.chooseMachine(c.kind);
        EXPECT_EQ(rules.values().temperatures, c.temperatures);
        EXPECT_EQ(rules.values().cycleTime, c.cycle);
        EXPECT_EQ(rules.values().coolDown, c.coolDown);
        EXPECT_EQ(rules.values().topoffTime, c.topoffTime); // washers clear top-off
        EXPECT_EQ(rules.values().washerCycle, c.washerCycle);
        EXPECT_EQ(Mdc::temperatureEntries(c.kind, 0).size(), c.listed);
    }
}

TEST(MdcPageRules, CelsiusKeepsTheIndexAndTheCoolDownStaysWithinTheCycle)
{
    Mdc rules;
    rules.chooseMachine(Machine::Tumbler);
    rules.chooseTemperatureUnit(1);
    EXPECT_EQ(rules.values().temperatures[2], 6);
    EXPECT_EQ(Mdc::temperatureEntries(Machine::Tumbler, 0)[6], "160");
    EXPECT_EQ(Mdc::temperatureEntries(Machine::Tumbler, 1)[6], "71");
    EXPECT_EQ(Mdc::temperatureEntries(Machine::Dryer, 1)[13], "No Heat");

    rules.chooseMachine(Machine::Dryer);
    rules.values().cycleTime = 5;
    rules.values().coolDown = 6;
    EXPECT_EQ(rules.checkFields()->column, "COOL TIME");
    const Check coolDown = rules.leaveCycleTimes(Mdc::kCoolDownControl);
    ASSERT_TRUE(coolDown);
    EXPECT_EQ(coolDown->caption, "Invalid Value Entered");
    EXPECT_TRUE(coolDown->message.startsWith("Please select a different value. Cool Down Time"));
    EXPECT_EQ(rules.values().coolDown, 3);
    rules.values().coolDown = 6;
    EXPECT_TRUE(rules.leaveCycleTimes(Mdc::kCycleTimeControl)->message.contains("Cycle Time \n"));
    EXPECT_EQ(rules.values().cycleTime, 42);
    EXPECT_FALSE(rules.leaveCycleTimes(Mdc::kCycleTimeControl));
}

TEST(MdcPageRules, PricingEnablingFollowsBothFlags)
{
    const struct {
        bool cycle, timeOfDay;
        std::array<bool, 4> regular, special;
        bool timeEdits;
    } cases[] = {
        {false, true, {0, 0, 1, 0}, {0, 0, 1, 0}, true},
        {false, false, {0, 0, 1, 0}, {0, 0, 0, 0}, false},
        {true, false, {1, 1, 1, 1}, {0, 0, 0, 0}, false},
        {true, true, {1, 1, 1, 1}, {1, 1, 1, 1}, true},
    };
    for (const auto& c : cases) {
        Mdc rules;
        rules.values().cyclePricing = c.cycle;
        rules.values().timeOfDay = c.timeOfDay;
        const Mdc::Enabling e = rules.enabling();
        EXPECT_EQ(e.regular, c.regular);
        EXPECT_EQ(e.special, c.special);
        EXPECT_EQ(e.timeEdits, c.timeEdits);
    }
}

TEST(MdcPageRules, PricesAndTimesAreChecked)
{
    Mdc rules;
    EXPECT_TRUE(rules.enterPrice(Mdc::kRegularControls[0], u"100.00"));
    EXPECT_EQ(rules.values().regular[0], Currency::fromDollars(1));
    EXPECT_FALSE(rules.enterPrice(Mdc::kRegularControls[0], u"99.99"));
    EXPECT_EQ(rules.values().regular[0], Currency::fromCents(9999));
    EXPECT_FALSE(rules.enterPrice(Mdc::kTopoffPriceControl, u"abc"));
    EXPECT_EQ(rules.values().topoffPrice, Currency());
    rules.values().special[3] = Currency::fromCents(10000);
    const Check price = rules.checkFields();
    EXPECT_EQ(price->column, "SPEC DELICATE PRICE");
    EXPECT_EQ(price->message, "Please enter a dollar value between $0.00 and $99.99");
    rules.values().special[3] = Currency();

    rules.leaveTimes(u"24:10", u"7:75");
    EXPECT_EQ(rules.values().start, "00:10");
    EXPECT_EQ(rules.values().end, "07:59");
    rules.chooseAllDay(true);
    EXPECT_EQ(rules.values().end, "00:00");
    EXPECT_FALSE(rules.checkFields());
    rules.values().start = "01:00"; // only an import holds this
    EXPECT_EQ(rules.checkFields()->column, "SPEC PRICE END");
}

TEST(MdcPageRules, RecordCarriesCodesFlagsAndPricesInCents)
{
    const struct {
        Machine kind;
        bool cyclePricing;
        int type, cycleOrHeat, options;
    } cases[] = {
        {Machine::TopLoadWasher, false, 1, 4, 0x1C}, // water saver
        {Machine::FrontLoadWasher, true, 2, 3, 0x0C},
        {Machine::Dryer, false, 9, 42, 0x1C}, // Celsius
        {Machine::Tumbler, true, 8, 9, 0x1C},
    };
    for (const auto& c : cases) {
        Mdc rules;
        rules.chooseMachine(c.kind);
        rules.values().waterSaver = true;
        rules.values().temperatureUnit = 1;
        rules.values().cyclePricing = c.cyclePricing;
        rules.values().regular = {Currency::fromCents(200), Currency::fromCents(175),
                                  Currency::fromCents(150), Currency::fromCents(125)};
        rules.values().special = rules.values().regular;
        STRUCT_laundry_setup record;
        std::memset(&record, 0xAB, sizeof record);
        setup::clearSetupRecord(record);
        rules.writeRecord({}, record);
        EXPECT_EQ(record.machine_type, c.type);
        EXPECT_EQ(record.mdc_cycle_or_heat, c.cycleOrHeat);
        EXPECT_EQ(record.mdc_options, c.options);
        EXPECT_EQ(record.byte_138, 0);
        const std::array<uint16_t, 4> expected = c.cyclePricing
                                                     ? std::array<uint16_t, 4>{175, 125, 200, 150}
                                                     : std::array<uint16_t, 4>{150, 150, 150, 150};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(record.mdc_prices[i], expected[i]);
            EXPECT_EQ(record.mdc_prices[4 + i], expected[i]);
        }
    }
}

TEST(ManualSetupPageRules, FileBytesFillTheSetupDataAndRefusalsNameTheLimit)
{
    QTemporaryDir dir;
    QByteArray long300(300, 'x');
    long300[249] = 'y';
    const struct {
        const char* name;
        QByteArray content;
        int copied;
    } cases[] = {{"ten.bin", "0123456789", 10}, {"long.bin", long300, 250}, {"empty.bin", {}, 0}};
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(testfiles::write(path, c.content));
        ManualSetupPageRules rules;
        rules.setFilePath(path);
        rules.setCardType(0xCA);
        STRUCT_laundry_setup record;
        std::memset(&record, 0xAB, sizeof record);
        EXPECT_FALSE(rules.checkBeforeRecord());
        rules.writeRecord({}, record);
        EXPECT_EQ(record.setup_byte_1, 0xCA);
        const QByteArray area(reinterpret_cast<const char*>(record.manual_setup_data), 250);
        EXPECT_EQ(area, c.content.left(250) + QByteArray(250 - c.copied, '\0'));
    }

    ManualSetupPageRules missing;
    missing.setFilePath(dir.filePath("gone.bin"));
    EXPECT_EQ(missing.checkBeforeRecord()->message, "Cannot open .bin file specified in profile.");
    missing.setFilePath(dir.path()); // a folder does not open as a file
    EXPECT_TRUE(missing.checkBeforeRecord());

    for (const char* text : {"1", "1F", "", "A0"})
        EXPECT_TRUE(ManualSetupPageRules::cardTypeTextAllowed(QString::fromLatin1(text))) << text;
    for (const char* text : {"1G", "ca", "123", " 1"})
        EXPECT_FALSE(ManualSetupPageRules::cardTypeTextAllowed(QString::fromLatin1(text))) << text;
    ManualSetupPageRules rules;
    rules.load({{"SETUP BYTE 1", 10}, {"FILE PATH", "c:\\cards\\a.bin"}});
    EXPECT_EQ(rules.cardTypeText(), "0a");
    rules.setCardTypeText(u"1F");
    EXPECT_EQ(rules.columns().value("SETUP BYTE 1").toInt(), 31);
    rules.setCardType(256);
    EXPECT_EQ(rules.checkFields()->column, "SETUP BYTE 1");
}

} // namespace
