#include "fields/choice_lists.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;

TEST(ChoiceLists, TimeOfDayRunsInQuarterHoursFromMidnight)
{
    const QStringList& list = timeOfDayChoices();
    ASSERT_EQ(list.size(), 96);
    EXPECT_EQ(list[0], "12:00 AM");
    EXPECT_EQ(list[1], "12:15 AM");
    EXPECT_EQ(list[4], "1:00 AM");
    EXPECT_EQ(list[40], "10:00 AM");
    EXPECT_EQ(list[47], "11:45 AM");
    EXPECT_EQ(list[48], "12:00 PM");
    EXPECT_EQ(list[52], "1:00 PM");
    EXPECT_EQ(list[95], "11:45 PM");
    EXPECT_EQ(timeOfDayMinutes(52), 13 * 60);
}

TEST(ChoiceLists, DurationsStartAtAQuarterHourAndOnlyOneHourIsSingular)
{
    const QStringList& list = durationChoices();
    ASSERT_EQ(list.size(), 191);
    EXPECT_EQ(list[0], "15 minutes");
    EXPECT_EQ(list[2], "45 minutes");
    EXPECT_EQ(list[3], "1:00 hour");
    EXPECT_EQ(list[4], "1:15 hours");
    EXPECT_EQ(list[5], "1:30 hours");
    EXPECT_EQ(list[39], "10:00 hours");
    EXPECT_EQ(list[190], "47:45 hours");
    EXPECT_EQ(list.filter("hour").size() - list.filter("hours").size(), 1);
    EXPECT_EQ(durationMinutes(3), 60);
    EXPECT_EQ(durationMinutes(190), 47 * 60 + 45);
}

TEST(ChoiceLists, DecimalPointTenthsAndSeconds)
{
    EXPECT_EQ(decimalPointChoices(),
              QStringList({"10000", "10000.", "1000.0", "100.00", "10.000", "1.0000"}));

    const QStringList& tenths = tenthsChoices();
    ASSERT_EQ(tenths.size(), 21);
    EXPECT_EQ(tenths[0], "0.0");
    EXPECT_EQ(tenths[9], "0.9");
    EXPECT_EQ(tenths[10], "1.0");
    EXPECT_EQ(tenths[20], "2.0");
    EXPECT_DOUBLE_EQ(tenthsValue(15), 1.5);

    const QStringList& seconds = secondsChoices();
    ASSERT_EQ(seconds.size(), 29);
    EXPECT_EQ(seconds[0], "0 secs");
    EXPECT_EQ(seconds[3], "45 secs");
    EXPECT_EQ(seconds[4], "1:00 mins");
    EXPECT_EQ(seconds[5], "1:15 mins");
    EXPECT_EQ(seconds[28], "7:00 mins");
    EXPECT_EQ(secondsValue(28), 420);
}

TEST(ChoiceLists, StoredIndexOutsideTheListSelectsTheFirstEntry)
{
    EXPECT_EQ(choiceToSelect(-1, 21), -1);
    EXPECT_EQ(choiceToSelect(0, 21), 0);
    EXPECT_EQ(choiceToSelect(20, 21), 20);
    EXPECT_EQ(choiceToSelect(21, 21), 0);
    EXPECT_EQ(choiceToSelect(-2, 21), 0);
}

} // namespace
