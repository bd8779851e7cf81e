#include "fields/choice_lists.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;

// Sizes and the entries where the wording changes: noon and midnight, the
// one singular hour, minutes turning into hours.
TEST(ChoiceLists, EntriesReadAsTheOperatorSeesThem)
{
    const struct {
        const QStringList& list;
        int size;
        std::vector<std::pair<int, const char*>> entries;
    } lists[] = {
        {timeOfDayChoices(),
         96,
         {{1, "12:15 AM"}, {4, "1:00 AM"}, {48, "12:00 PM"}, {95, "11:45 PM"}}},
        {durationChoices(),
         191,
         {{2, "45 minutes"}, {3, "1:00 hour"}, {4, "1:15 hours"}, {190, "47:45 hours"}}},
        {tenthsChoices(), 21, {{0, "0.0"}, {10, "1.0"}, {20, "2.0"}}},
        {secondsChoices(), 29, {{3, "45 secs"}, {4, "1:00 mins"}, {28, "7:00 mins"}}},
    };
    for (const auto& l : lists) {
        ASSERT_EQ(l.list.size(), l.size);
        for (const auto& [index, text] : l.entries)
            EXPECT_EQ(l.list[index], text);
    }
    EXPECT_EQ(decimalPointChoices(),
              QStringList({"10000", "10000.", "1000.0", "100.00", "10.000", "1.0000"}));
}

TEST(ChoiceLists, StoredIndexOutsideTheListSelectsTheFirstEntry)
{
    for (const auto& [stored, selected] : {std::pair{-1, -1}, {20, 20}, {21, 0}, {-2, 0}})
        EXPECT_EQ(choiceToSelect(stored, 21), selected) << stored;
}

} // namespace
