// The rules of the built option pages: the checks, what loading computes and
// what each page writes into the setup record. Field limits are tested in
// page_widgets_test, the column exchange in profile_json_test.
#include "profiles/pages/cycle_setup_page_rules.h"
#include "profiles/pages/display_message_page_rules.h"
#include "profiles/pages/gen2_page_rules.h"
#include "profiles/pages/tovan2000_page_rules.h"
#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using namespace profiles;
using Display = DisplayMessagePageRules;
constexpr int kRetrofit = Display::kRetrofit;
constexpr int kElectro = Display::kElectromechanical;

STRUCT_laundry_setup clearedRecord()
{
    STRUCT_laundry_setup record;
    std::memset(&record, 0xAB, sizeof record);
    setup::clearSetupRecord(record);
    return record;
}

// ---- Retrofit and Electromechanical ----

TEST(DisplayMessagePageRules, ChecksNameTheFirstRefusedValue)
{
    Display retrofit(kRetrofit);
    EXPECT_FALSE(retrofit.checkFields());
    retrofit.values().pulses = 100;
    EXPECT_EQ(retrofit.checkFields()->column, "PULSES");
    retrofit.values().deduction = 3; // only a stored or imported value is out of its list
    EXPECT_EQ(retrofit.checkFields()->column, "DEDUCTION");

    Display electro(kElectro);
    electro.values().pulses = 500; // not a field of this page
    EXPECT_FALSE(electro.checkFields());
    electro.values().heatTime = 200;
    EXPECT_EQ(electro.checkFields()->column, "HEAT TIME");

    // The page check: the idle text first, then the busy text, in the
    // display's ASCII set.
    Display texts(kRetrofit);
    texts.values().idleMessage = "Open 24-7 now";
    EXPECT_FALSE(texts.checkBeforeSave());
    texts.values().busyMessage = "Busy!";
    EXPECT_EQ(texts.checkBeforeSave()->message,
              "The Busy message entered has an illegal character (!). Please change message.");
    EXPECT_EQ(texts.checkBeforeSave()->control, 1010);
    texts.values().idleMessage = QString::fromUtf8("CAF\u00c9");
    const Check idle = texts.checkBeforeSave();
    EXPECT_TRUE(idle->message.contains(QString::fromUtf8("(\u00c9)")))
        << idle->message.toStdString();
    EXPECT_EQ(idle->control, 1009);
    EXPECT_EQ(idle->column, "IDLE MESSAGE");
}

TEST(DisplayMessagePageRules, RecordFlagsFollowTheDisplayAndDeductionChoices)
{
    const struct {
        int code;
        bool idle, price;
        int busyType, deduction, flags;
    } cases[] = {
        {kRetrofit, false, true, 1, 0, 0x00}, {kRetrofit, false, true, 1, 1, 0x02},
        {kRetrofit, false, true, 1, 2, 0x01}, {kElectro, true, true, 1, 0, 0x04},
        {kElectro, false, false, 1, 0, 0x08}, {kElectro, false, true, 0, 0, 0x10},
    };
    for (const auto& c : cases) {
        Display rules(c.code);
        rules.values().displayIdle = c.idle;
        rules.values().displayPrice = c.price;
        rules.values().busyDisplayType = c.busyType;
        rules.values().deduction = c.deduction;
        STRUCT_laundry_setup record = clearedRecord();
        rules.writeRecord(newProfileValues(c.code), record);
        EXPECT_EQ(record.display_flags, c.flags) << &c - cases;
        EXPECT_EQ(record.deduction, c.deduction);
    }
}

TEST(DisplayMessagePageRules, RecordHoldsTheMessagesThenPulsesOrDryerTimes)
{
    Display rules(kRetrofit);
    DisplayMessageValues& v = rules.values();
    v = {QString(30, 'W'), "HELLO", false, false, 73, 4, 0, 0, 45, 42, 7}; // in member order
    STRUCT_laundry_setup record = clearedRecord();
    rules.writeRecord(newProfileValues(kRetrofit), record);
    EXPECT_EQ(std::string(record.idle_message, 30), std::string(30, 'W'));
    EXPECT_EQ(std::string(record.busy_message, 30),
              std::string("HELLO") + '\0' + std::string(24, ' '));
    EXPECT_EQ(record.scroll_speed, 73);
    EXPECT_EQ(record.pulses, 4);
    EXPECT_EQ(record.dryer_run_time + record.heat_time + record.topoff_time, 0);

    Display electro(kElectro);
    electro.values() = v;
    record = clearedRecord();
    record.pulses = 9;
    electro.writeRecord(newProfileValues(kElectro), record);
    EXPECT_EQ(record.pulses, 9);
    EXPECT_EQ(record.dryer_run_time, 45);
    EXPECT_EQ(record.heat_time, 42);
    EXPECT_EQ(record.topoff_time, 7);
}

// ---- Tovan2000 ----

using Tovan = Tovan2000PageRules;

TEST(Tovan2000PageRules, HeatTimeFollowsTheRunTimeBandsAndIsNeverLoaded)
{
    const std::pair<int, int> bands[] = {{0, 0},   {1, 0},   {29, 28},  {30, 28},
                                         {44, 42}, {45, 42}, {120, 117}};
    for (const auto& [run, heat] : bands)
        EXPECT_EQ(Tovan::heatTimeFor(run), heat) << "run time " << run;

    Tovan rules;
    rules.load({{"DRYER RUN TIME", 45}, {"HEAT TIME", 7}, {"TOPOFF TIME", 12}});
    EXPECT_EQ(rules.heatTime(), 42);
    STRUCT_laundry_setup record{};
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.dryer_run_time, 45);
    EXPECT_EQ(record.heat_time, 42);
    EXPECT_EQ(record.topoff_time, 12);
    rules.reset();
    EXPECT_EQ(rules.runTime() + rules.heatTime() + rules.topoffTime(), 0);

    // Only leaving the run time recomputes the heat time.
    EXPECT_FALSE(rules.leaveField(Tovan::kRunTimeControl, u" 30 "));
    EXPECT_EQ(rules.heatTime(), 28);
    // A heat time typed afterwards stands, also when the page is read for a save.
    EXPECT_FALSE(rules.leaveField(Tovan::kHeatTimeControl, u"25"));
    EXPECT_FALSE(rules.readField(Tovan::kRunTimeControl, u"30"));
    EXPECT_FALSE(rules.leaveField(Tovan::kTopoffTimeControl, u"9"));
    EXPECT_EQ(rules.heatTime(), 25);
    EXPECT_EQ(rules.topoffTime(), 9);

    EXPECT_EQ(rules.leaveField(Tovan::kRunTimeControl, u"65536")->column, "DRYER RUN TIME");
    EXPECT_EQ(rules.runTime(), 30);
    EXPECT_EQ(rules.heatTime(), 25);
}

// ---- Tovan2000 Cycle Setup ----

using Cycle = CycleSetupPageRules;

QString stepText(int program, int control)
{
    const auto& controls = Cycle::stepControls();
    const auto at = std::find(controls.begin(), controls.end(), control);
    return Cycle::stepTexts(program)[size_t(at - controls.begin())];
}

TEST(CycleSetupPageRules, StepTextsLandOnTheirEdits)
{
    for (int program = 0; program < Cycle::kProgramCount; ++program) {
        EXPECT_EQ(stepText(program, 1004), program == 6 ? "04:00" : "00:00"); // Module A Soak
        EXPECT_EQ(stepText(program, 1010), program == 7 ? "04:00" : "00:00"); // Module B Soak
    }
    // Steps whose edits are not in table order.
    EXPECT_EQ(stepText(2, 1005), "10:00"); // Module A Wash
    EXPECT_EQ(stepText(4, 1002), "02:00"); // Module A Drain
}

TEST(CycleSetupPageRules, ProgramAndTemperatureReachTheRecord)
{
    Cycle rules;
    rules.load({{"SCROLL SPEED", 5}, {"DISPLAY IDLE", 0}});
    EXPECT_FALSE(rules.cold());
    STRUCT_laundry_setup record{};
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.scroll_speed, 5);
    EXPECT_EQ(record.washer, 0);
    rules.clickWarm();
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.washer, 1);
    EXPECT_FALSE(rules.checkFields());
    rules.load({{"SCROLL SPEED", 9}});
    EXPECT_TRUE(rules.checkFields());
    rules.reset();
    EXPECT_EQ(rules.program(), 0);
    EXPECT_TRUE(rules.cold());
}

// ---- Maytag Gen2 ----

using Gen2 = Gen2PageRules;

TEST(Gen2PageRules, TimesAreCheckedFirstToLastAndReachTheRecordWithTheTopOffPriceInCents)
{
    Gen2 rules;
    rules.load({{"WASH", 10}, {"RINSE", 75}, {"DRY", 99}});
    EXPECT_EQ(rules.checkFields()->column, "RINSE");
    rules.load({{"WASH", 0}, {"RINSE", 60}, {"DRY", 30}});
    EXPECT_FALSE(rules.checkFields());

    rules.load({{"DRYER", 1}, {"WASH", 8}, {"RINSE", 4}, {"DRY", 45}});
    CommonValues common;
    common.topoffPrice = Currency(7500); // $0.75
    STRUCT_laundry_setup record{};
    record.washer = 1;
    rules.writeRecord(common, record);
    EXPECT_EQ(record.washer, 0);
    EXPECT_EQ(record.dryer, 1);
    EXPECT_EQ(record.topoff_price_alt, 75);
    EXPECT_EQ(record.wash, 8);
    EXPECT_EQ(record.rinse, 4);
    EXPECT_EQ(record.dry, 45);
    rules.click(Gen2::Machine::Dryer);
    rules.writeRecord(common, record);
    EXPECT_EQ(record.washer, 1);
    EXPECT_EQ(record.dryer, 0);
    rules.load({}); // a row holding neither (another type's row reset on edit)
    EXPECT_EQ(rules.machine(), Gen2::Machine::Washer);
}

} // namespace
