#include "profiles/pages/display_message_page_rules.h"

#include "setup/setup_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include "page_test_support.h"

#include <set>
#include <string>

namespace {

using namespace profiles;
using Rules = DisplayMessagePageRules;

constexpr int kRetrofit = Rules::kRetrofit;
constexpr int kElectro = Rules::kElectromechanical;

using profiletest::keysOf;
using profiletest::typeColumnNames;

DisplayMessageValues sampleValues()
{
    DisplayMessageValues v;
    v.idleMessage = "WELCOME-2";
    v.busyMessage = "IN USE";
    v.displayIdle = true;
    v.displayPrice = false;
    v.scrollSpeed = 73;
    v.pulses = 4;
    v.deduction = 2;
    v.busyDisplayType = 1;
    v.dryerRunTime = 45;
    v.heatTime = 42;
    v.topoffTime = 7;
    return v;
}

TEST(DisplayMessagePageRulesTest, ColumnsAreThoseOfTheTypeAndRoundTrip)
{
    for (int code : {kRetrofit, kElectro}) {
        SCOPED_TRACE(code);
        Rules saved(code);
        saved.values() = sampleValues();
        const ColumnValues columns = saved.columns();
        EXPECT_EQ(keysOf(columns), typeColumnNames(code));

        // Every sample value differs from the defaults a new page starts from.
        Rules loaded(code);
        loaded.load(columns);
        EXPECT_EQ(loaded.columns(), columns);
    }
    EXPECT_TRUE(Rules(kRetrofit).columns().contains("PULSES"));
    EXPECT_FALSE(Rules(kElectro).columns().contains("PULSES"));
    EXPECT_FALSE(Rules(kRetrofit).columns().contains("DRYER RUN TIME"));
    EXPECT_EQ(Rules(kRetrofit).pageName(), "IDD_OPTIONS_RETRO");
    EXPECT_EQ(Rules(kElectro).pageName(), "IDD_OPTIONS_SEARS");
}

struct RangeCase {
    int code;
    Check (Rules::*check)(std::optional<int>) const;
    int highest;
    int control;
    const char* column;
    const char* message;
};

TEST(DisplayMessagePageRulesTest, RangeMessagesAtTheBoundaries)
{
    const RangeCase cases[] = {
        {kRetrofit, &Rules::checkScrollSpeed, 100, 1032, "SCROLL SPEED",
         "Please enter a value from 0 to 100."},
        {kElectro, &Rules::checkScrollSpeed, 100, 1258, "SCROLL SPEED",
         "Please Enter a value from 0 to 100"},
        {kRetrofit, &Rules::checkPulses, 99, 1033, "PULSES",
         "Please enter a value for the Number of Pulses in the range of 0 to 99."},
        {kElectro, &Rules::checkDryerRunTime, 199, 1022, "DRYER RUN TIME",
         "Dryer run time ranges from 0 to 199."},
        {kElectro, &Rules::checkHeatTime, 199, 1025, "HEAT TIME",
         "Dryer heat time ranges from 0 to 199."},
        {kElectro, &Rules::checkTopoffTime, 199, 1028, "TOPOFF TIME",
         "Dryer topoff time ranges from 0 to 199."},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.message);
        const Rules rules(c.code);
        EXPECT_FALSE((rules.*c.check)(0));
        EXPECT_FALSE((rules.*c.check)(c.highest));
        for (std::optional<int> bad :
             {std::optional<int>(c.highest + 1), std::optional<int>(-1), std::optional<int>()}) {
            const Check refusal = (rules.*c.check)(bad);
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_EQ(refusal->caption, "Reader Manager");
            EXPECT_EQ(refusal->icon, promptui::MB_ICONEXCLAMATION);
            EXPECT_EQ(refusal->control, c.control);
            EXPECT_EQ(refusal->column, c.column);
        }
    }
}

TEST(DisplayMessagePageRulesTest, CheckFieldsReportsTheFirstFieldOutOfRange)
{
    Rules retrofit(kRetrofit);
    EXPECT_FALSE(retrofit.checkFields());
    retrofit.values().pulses = 100;
    ASSERT_TRUE(retrofit.checkFields());
    EXPECT_EQ(retrofit.checkFields()->column, "PULSES");
    retrofit.values().scrollSpeed = 101;
    EXPECT_EQ(retrofit.checkFields()->column, "SCROLL SPEED");

    Rules electro(kElectro);
    electro.values().pulses = 500; // not a field of this page
    EXPECT_FALSE(electro.checkFields());
    electro.values().topoffTime = 200;
    EXPECT_EQ(electro.checkFields()->column, "TOPOFF TIME");

    // Choices only a stored or imported value can put out of their list.
    Rules choices(kRetrofit);
    choices.values().busyDisplayType = 2;
    EXPECT_EQ(choices.checkFields()->column, "BUSY DISPLAY TYPE");
    choices.values().deduction = 3;
    EXPECT_EQ(choices.checkFields()->message,
              "Please choose a Cash Deduction: Immediate (0), Count Down (1) or Re-insert (2).");
}

TEST(DisplayMessagePageRulesTest, PageCheckNamesTheIllegalCharacterIdleFirst)
{
    Rules rules(kRetrofit);
    rules.values().idleMessage = "Open 24-7 now";
    rules.values().busyMessage = "";
    EXPECT_FALSE(rules.checkBeforeSave());

    rules.values().busyMessage = "Busy!";
    Check refusal = rules.checkBeforeSave();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message,
              "The Busy message entered has an illegal character (!). Please change message.");
    EXPECT_EQ(refusal->control, 1010);
    EXPECT_EQ(refusal->column, "BUSY MESSAGE");

    rules.values().idleMessage = "WASH_DRY";
    refusal = rules.checkBeforeSave();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message,
              "The Idle message entered has an illegal character (_). Please change message.");
    EXPECT_EQ(refusal->caption, "Reader Manager");
    EXPECT_EQ(refusal->icon, promptui::MB_ICONEXCLAMATION);
    EXPECT_EQ(refusal->control, 1009);
    EXPECT_EQ(refusal->column, "IDLE MESSAGE");

    // The display is ASCII: an accented letter is no letter it can show.
    rules.values().idleMessage = QString::fromUtf8("CAF\u00c9");
    EXPECT_EQ(rules.checkBeforeSave()->message,
              QString::fromUtf8("The Idle message entered has an illegal character (\u00c9). "
                                "Please change message."));
}

class DisplayMessageRecordTest : public ::testing::Test {
protected:
    DisplayMessageRecordTest()
    {
        std::memset(&record_, 0xAB, sizeof record_);
        setup::clearSetupRecord(record_);
    }

    const STRUCT_laundry_setup& write(int code, const DisplayMessageValues& values)
    {
        Rules rules(code);
        rules.values() = values;
        rules.writeRecord(newProfileValues(code), record_);
        return record_;
    }

    STRUCT_laundry_setup record_;
};

TEST_F(DisplayMessageRecordTest, DeductionModeSetsItsDisplayFlagBit)
{
    DisplayMessageValues v = sampleValues();
    v.displayIdle = false;
    v.displayPrice = true;
    v.busyDisplayType = 1;
    const int expectedFlags[] = {0x00, 0x02, 0x01};
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        setup::clearSetupRecord(record_);
        v.deduction = mode;
        write(kRetrofit, v);
        EXPECT_EQ(record_.deduction, mode);
        EXPECT_EQ(record_.display_flags, expectedFlags[mode]);
    }
}

TEST_F(DisplayMessageRecordTest, DisplayFlagsOfIdlePriceAndBusyDisplay)
{
    DisplayMessageValues v;
    v.displayIdle = true;
    v.displayPrice = true;
    v.busyDisplayType = 1;
    EXPECT_EQ(write(kElectro, v).display_flags, 0x04);

    setup::clearSetupRecord(record_);
    v.displayIdle = false;
    v.displayPrice = false;
    EXPECT_EQ(write(kElectro, v).display_flags, 0x08);

    setup::clearSetupRecord(record_);
    v.displayPrice = true;
    v.busyDisplayType = 0;
    EXPECT_EQ(write(kElectro, v).display_flags, 0x10);
}

TEST_F(DisplayMessageRecordTest, MessagesAreThirtyBytesNulTerminatedWhenShorter)
{
    DisplayMessageValues v;
    v.idleMessage = QString(30, 'W');
    v.busyMessage = "HELLO";
    write(kRetrofit, v);
    EXPECT_EQ(std::string(record_.idle_message, 30), std::string(30, 'W'));
    EXPECT_EQ(std::string(record_.busy_message, 30),
              std::string("HELLO") + '\0' + std::string(24, ' '));
}

TEST_F(DisplayMessageRecordTest, PulsesForRetrofitDryerTimesForElectromechanical)
{
    const DisplayMessageValues v = sampleValues();
    write(kRetrofit, v);
    EXPECT_EQ(record_.pulses, 4);
    EXPECT_EQ(record_.scroll_speed, 73);
    EXPECT_EQ(record_.dryer_run_time, 0);
    EXPECT_EQ(record_.heat_time, 0);
    EXPECT_EQ(record_.topoff_time, 0);

    setup::clearSetupRecord(record_);
    record_.pulses = 9;
    write(kElectro, v);
    EXPECT_EQ(record_.pulses, 9);
    EXPECT_EQ(record_.scroll_speed, 73);
    EXPECT_EQ(record_.dryer_run_time, 45);
    EXPECT_EQ(record_.heat_time, 42);
    EXPECT_EQ(record_.topoff_time, 7);
}

} // namespace
