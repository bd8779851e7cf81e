#include "specials/special_profile.h"

#include <gtest/gtest.h>

namespace {

using namespace specials;

TEST(SpecialDays, TextAndMaskBothWays)
{
    const struct {
        uint8_t mask;
        const char* text;
    } both[] = {
        {0x00, "       "}, {kAllDays, "SMTWTFS"}, {0x44, " M   F "},
        {0x02, "S      "}, {0x80, "      S"},     {0x28, "  T T  "},
    };
    for (const auto& c : both) {
        EXPECT_EQ(daysText(c.mask), c.text);
        EXPECT_EQ(daysMask(c.text), c.mask) << c.text;
    }
    // Only a day's own letter in its own place turns it on.
    EXPECT_EQ(daysMask("MS     "), 0x00);
    EXPECT_EQ(daysMask("smtwtfs"), 0x00);
    EXPECT_EQ(daysMask("S"), 0x02) << "a short text leaves the missing days off";
    EXPECT_EQ(daysMask(""), 0x00);
    EXPECT_EQ(daysText(0x01), "       ") << "bit 0 is no day";
}

TEST(SpecialTimes, OutOfRangePartsBecomeTheEdgesOfTheDay)
{
    SpecialEntry entry;
    entry.setStart(24, 60);
    entry.setStop(-1, -5);
    EXPECT_TRUE(entry.allDay());
    entry.setStart(23, 59);
    entry.setStop(0, 0);
    EXPECT_FALSE(entry.allDay());
    int hour = -1;
    int minute = -1;
    readTimeText("9:30", &hour, &minute);
    EXPECT_EQ(hour, 9);
    EXPECT_EQ(minute, 30);
    readTimeText("", &hour, &minute);
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 0);
    EXPECT_EQ(moneyText(Currency(12345)), "$1.23");
}

} // namespace
