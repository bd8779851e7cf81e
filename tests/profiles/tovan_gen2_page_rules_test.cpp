#include "profiles/pages/cycle_setup_page_rules.h"
#include "profiles/pages/gen2_page_rules.h"
#include "profiles/pages/tovan2000_page_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include "page_test_support.h"

#include <set>

namespace {

using namespace profiles;

using profiletest::keysOf;
using profiletest::typeColumnNames;

// ---- Tovan2000 ----

TEST(Tovan2000PageRules, HeatTimeFollowsTheRunTimeBands)
{
    const std::pair<int, int> cases[] = {{0, 0},   {1, 0},   {29, 28},  {30, 28},
                                         {44, 42}, {45, 42}, {120, 117}};
    for (const auto& [run, heat] : cases)
        EXPECT_EQ(Tovan2000PageRules::heatTimeFor(run), heat) << "run time " << run;
}

TEST(Tovan2000PageRules, LoadComputesTheHeatTimeAndSavesAllThree)
{
    Tovan2000PageRules rules;
    rules.load({{"DRYER RUN TIME", 45}, {"HEAT TIME", 7}, {"TOPOFF TIME", 12}});
    EXPECT_EQ(rules.runTime(), 45);
    EXPECT_EQ(rules.heatTime(), 42);
    EXPECT_EQ(rules.topoffTime(), 12);

    const ColumnValues saved = rules.columns();
    EXPECT_EQ(keysOf(saved), typeColumnNames(2));
    EXPECT_EQ(saved.value("HEAT TIME").toInt(), 42);
    EXPECT_EQ(saved.value("TOPOFF TIME").toInt(), 12);

    STRUCT_laundry_setup record{};
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.dryer_run_time, 45);
    EXPECT_EQ(record.heat_time, 42);
    EXPECT_EQ(record.topoff_time, 12);

    rules.reset();
    EXPECT_EQ(rules.runTime() + rules.heatTime() + rules.topoffTime(), 0);
}

TEST(Tovan2000PageRules, OnlyLeavingTheRunTimeRecomputesTheHeatTime)
{
    Tovan2000PageRules rules;
    EXPECT_FALSE(rules.leaveField(Tovan2000PageRules::kRunTimeControl, u" 30 "));
    EXPECT_EQ(rules.heatTime(), 28);

    // A heat time typed afterwards stands, and reading the run time again
    // (the page being read for a save) does not overwrite it.
    EXPECT_FALSE(rules.leaveField(Tovan2000PageRules::kHeatTimeControl, u"25"));
    EXPECT_FALSE(rules.readField(Tovan2000PageRules::kRunTimeControl, u"30"));
    EXPECT_EQ(rules.heatTime(), 25);
    EXPECT_FALSE(rules.leaveField(Tovan2000PageRules::kTopoffTimeControl, u"9"));
    EXPECT_EQ(rules.heatTime(), 25);
    EXPECT_EQ(rules.topoffTime(), 9);
}

TEST(Tovan2000PageRules, TextThatIsNoTimeIsRefusedAndChangesNothing)
{
    Tovan2000PageRules rules;
    rules.leaveField(Tovan2000PageRules::kRunTimeControl, u"20");
    for (const char16_t* text : {u"", u"abc", u"1.5", u"-1", u"65536"}) {
        const Check refused = rules.leaveField(Tovan2000PageRules::kRunTimeControl, text);
        ASSERT_TRUE(refused) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(refused->control, Tovan2000PageRules::kRunTimeControl);
        EXPECT_EQ(refused->column, "DRYER RUN TIME");
        EXPECT_EQ(refused->caption, "Reader Manager");
    }
    EXPECT_EQ(rules.leaveField(Tovan2000PageRules::kRunTimeControl, u"abc")->message,
              "Please enter an integer.");
    EXPECT_EQ(rules.leaveField(Tovan2000PageRules::kRunTimeControl, u"-1")->message,
              "Please enter an integer between 0 and 65535.");
    EXPECT_EQ(rules.runTime(), 20);
    EXPECT_EQ(rules.heatTime(), 19);
}

// ---- Tovan2000 Cycle Setup ----

QString stepText(int program, int control)
{
    const auto& controls = CycleSetupPageRules::stepControls();
    const auto at = std::find(controls.begin(), controls.end(), control);
    return CycleSetupPageRules::stepTexts(program)[size_t(at - controls.begin())];
}

constexpr int kModuleASoak = 1004;
constexpr int kModuleBSoak = 1010;

TEST(CycleSetupPageRules, OnlyTheLastTwoProgramsSoak)
{
    for (int program = 0; program < CycleSetupPageRules::kProgramCount; ++program) {
        EXPECT_EQ(stepText(program, kModuleASoak), program == 6 ? "04:00" : "00:00") << program;
        EXPECT_EQ(stepText(program, kModuleBSoak), program == 7 ? "04:00" : "00:00") << program;
    }
}

TEST(CycleSetupPageRules, StepTextsLandOnTheirEdits)
{
    // Steps whose edits are not in table order.
    EXPECT_EQ(stepText(2, 1005), "10:00"); // Module A Wash
    EXPECT_EQ(stepText(4, 1002), "02:00"); // Module A Drain
    EXPECT_EQ(stepText(3, 1011), "02:30"); // Module B Rinse
    EXPECT_EQ(stepText(3, 1008), "02:30"); // Module B Drain
    EXPECT_EQ(stepText(0, 1016), "00:07"); // Module C second Spray
    EXPECT_EQ(stepText(0, 1015), "06:23"); // Module C second Spin
    EXPECT_EQ(stepText(1, 1015), "04:23");

    const auto controls = CycleSetupPageRules::stepControls();
    EXPECT_EQ(std::set<int>(controls.begin(), controls.end()).size(), size_t(15));
    for (const QString& text : CycleSetupPageRules::stepTexts(8))
        EXPECT_TRUE(text.isEmpty());

    const QStringList names = CycleSetupPageRules::programNames();
    ASSERT_EQ(names.size(), 8);
    EXPECT_EQ(names.first(), " 001");
    EXPECT_EQ(names.last(), " 008");
}

TEST(CycleSetupPageRules, ColdAndWarmAreOneSwitch)
{
    CycleSetupPageRules rules;
    EXPECT_TRUE(rules.cold());
    rules.clickCold(); // the checked box: the check moves to Warm
    EXPECT_FALSE(rules.cold());
    rules.clickCold(); // the clear box: checked again
    EXPECT_TRUE(rules.cold());
    rules.clickCold();
    rules.clickWarm(); // the checked Warm: back to Cold
    EXPECT_TRUE(rules.cold());
}

TEST(CycleSetupPageRules, ProgramAndTemperatureReachColumnsAndRecord)
{
    CycleSetupPageRules rules;
    rules.load({{"SCROLL SPEED", 5}, {"DISPLAY IDLE", 0}, {"DISPLAY PRICE", 1}});
    EXPECT_EQ(rules.program(), 5);
    EXPECT_FALSE(rules.cold());

    const ColumnValues saved = rules.columns();
    EXPECT_EQ(keysOf(saved), typeColumnNames(3));
    EXPECT_EQ(saved.value("SCROLL SPEED").toInt(), 5);
    EXPECT_EQ(saved.value("DISPLAY IDLE").toInt(), 0);

    STRUCT_laundry_setup record{};
    record.washer = 1;
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.scroll_speed, 5);
    EXPECT_EQ(record.washer, 0);

    rules.clickWarm();
    rules.writeRecord(CommonValues{}, record);
    EXPECT_EQ(record.washer, 1);

    rules.selectProgram(8); // no such program
    EXPECT_EQ(rules.program(), 5);
    EXPECT_FALSE(rules.checkFields());
    rules.load({{"SCROLL SPEED", 9}, {"DISPLAY IDLE", 1}});
    const Check refusal = rules.checkFields();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->column, "SCROLL SPEED");
    EXPECT_EQ(refusal->message,
              "Please choose one of the cycle programs 001 to 008 (stored as 0 to 7).");

    rules.selectProgram(3);
    rules.clickCold();
    rules.reset();
    EXPECT_EQ(rules.program(), 0);
    EXPECT_TRUE(rules.cold());
}

// ---- Maytag Gen2 ----

using Machine = Gen2PageRules::Machine;

TEST(Gen2PageRules, EveryClickMovesOrTakesTheSelection)
{
    Gen2PageRules rules;
    EXPECT_EQ(rules.machine(), Machine::Washer);
    rules.click(Machine::Washer);
    EXPECT_EQ(rules.machine(), Machine::Dryer);
    rules.click(Machine::Dryer);
    EXPECT_EQ(rules.machine(), Machine::Washer);
    rules.click(Machine::Dryer);
    EXPECT_EQ(rules.machine(), Machine::Dryer);
}

TEST(Gen2PageRules, TimesAreWholeMinutesUpToSixty)
{
    Gen2PageRules rules;
    EXPECT_FALSE(rules.readField(Gen2PageRules::kCycleTimeControl, u"60"));
    EXPECT_EQ(rules.cycleTime(), 60);

    const Check refused = rules.readField(Gen2PageRules::kCycleTimeControl, u"61");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->message, "Please enter an integer between 0 and 60.");
    EXPECT_EQ(refused->caption, "Reader Manager");
    EXPECT_EQ(refused->icon, promptui::MB_ICONEXCLAMATION);
    EXPECT_EQ(refused->control, Gen2PageRules::kCycleTimeControl);
    EXPECT_EQ(refused->column, "DRY");
    EXPECT_EQ(rules.cycleTime(), 60);

    EXPECT_EQ(rules.readField(Gen2PageRules::kWashControl, u"x")->message,
              "Please enter an integer.");
    EXPECT_TRUE(rules.readField(Gen2PageRules::kRinseControl, u"-1"));
}

TEST(Gen2PageRules, CheckFieldsNamesTheFirstTimeOutOfRange)
{
    Gen2PageRules rules;
    rules.load({{"WASHER", 1}, {"WASH", 10}, {"RINSE", 75}, {"DRY", 99}});
    const Check refused = rules.checkFields();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->column, "RINSE");
    EXPECT_EQ(refused->control, Gen2PageRules::kRinseControl);

    rules.load({{"WASH", 0}, {"RINSE", 60}, {"DRY", 30}});
    EXPECT_FALSE(rules.checkFields());
}

TEST(Gen2PageRules, ValuesRoundTripThroughTheColumns)
{
    Gen2PageRules rules;
    rules.load({{"WASHER", 0}, {"DRYER", 1}, {"WASH", 8}, {"RINSE", 4}, {"DRY", 45}});
    EXPECT_EQ(rules.machine(), Machine::Dryer);

    const ColumnValues saved = rules.columns();
    EXPECT_EQ(keysOf(saved), typeColumnNames(4));
    Gen2PageRules reloaded;
    reloaded.load(saved);
    EXPECT_EQ(reloaded.columns(), saved);
    EXPECT_EQ(saved.value("WASHER").toInt(), 0);
    EXPECT_EQ(saved.value("DRYER").toInt(), 1);

    // A row holding neither (another type's row reset on edit) shows a washer.
    reloaded.load({});
    EXPECT_EQ(reloaded.machine(), Machine::Washer);

    rules.reset();
    EXPECT_EQ(rules.machine(), Machine::Washer);
    EXPECT_EQ(rules.wash() + rules.rinse() + rules.cycleTime(), 0);
}

TEST(Gen2PageRules, RecordGetsTheMachineTimesAndTopOffPriceInCents)
{
    Gen2PageRules rules;
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

    rules.click(Machine::Dryer);
    rules.writeRecord(common, record);
    EXPECT_EQ(record.washer, 1);
    EXPECT_EQ(record.dryer, 0);
}

} // namespace
