// A filter bound through the shape cache is what the long way binds, errors
// included, whatever came through the cache before it.
#include "db/filter_binder.h"
#include "db/filter_parser.h"
#include "db/filter_shape_cache.h"
#include "db/jet_date.h"
#include "db/sqlite/sqlite_sql_writer.h"
#include "db_test_support.h"

#include <gtest/gtest.h>

namespace {

using dao::ColumnKind;

const dao::TableInfo kTable{"T",
                            {{"PROFILE NAME", ColumnKind::Text},
                             {"INT CYCLES", ColumnKind::Integer},
                             {"INT CASH", ColumnKind::Currency},
                             {"COLLECTION DATE", ColumnKind::Date}}};
// The same names, other places and kinds.
const dao::TableInfo kOther{"U",
                            {{"INT CASH", ColumnKind::Integer},
                             {"INT CYCLES", ColumnKind::Currency},
                             {"PROFILE NAME", ColumnKind::Text},
                             {"COLLECTION DATE", ColumnKind::Date}}};

struct Outcome {
    QString sql;
    std::vector<dao::SqlValue> params;
    int error = 0;
    QString message;
    bool operator==(const Outcome&) const = default;
};

Outcome outcomeOf(const dao::TableInfo& table, const std::function<const dao::BoundExpr&()>& bind)
{
    Outcome outcome;
    dao::SqlText text;
    outcome.error = dbtest::daoError([&] { dao::appendFilter(bind(), table, text); });
    outcome.sql = text.sql;
    outcome.params = text.params;
    if (outcome.error)
        outcome.message = CdbLastOLEError().GetDescription();
    return outcome;
}

// Each text after the ones before it, through one cache: a shape met before
// with other literal kinds, quotes, signs, bad values, or on another table.
TEST(FilterShapeCache, BindsEachTextAsTheLongWayWhateverCameBefore)
{
    const std::pair<const dao::TableInfo*, const char*> texts[] = {
        {&kTable, "[INT CYCLES] = 5 AND [PROFILE NAME] = 'a''b'"},
        {&kTable, "[INT CYCLES] = 7 AND [PROFILE NAME] = \"c\"\"d'\""},
        {&kTable, "[INT CYCLES] = 2.5 AND [PROFILE NAME] = ''"},
        {&kTable, "[INT CYCLES] = '5' AND [PROFILE NAME] = 'x'"},
        {&kTable, "[INT CYCLES] = 5 AND [PROFILE NAME] = 3"},
        {&kOther, "[INT CYCLES] = 5 AND [PROFILE NAME] = 'x'"},
        {&kOther, "[INT CYCLES] = 1.25 AND [PROFILE NAME] = 'x'"},
        {&kTable, "[INT CASH] > -1.5"},
        {&kTable, "[INT CASH] > -2"},
        {&kTable, "[INT CASH] > 2"},
        {&kTable, "[INT CASH] > 99999999999999999999"},
        {&kTable, "3 < [INT CYCLES]"},
        {&kTable, "4 < [INT CYCLES]"},
        {&kTable, "'b' = 'B' OR 1 = 2"},
        {&kTable, "'c' = 'C' OR 1 = 2"},
        {&kTable, "[COLLECTION DATE] = #3/5/2020 1:02:03 PM#"},
        {&kTable, "[COLLECTION DATE] = #13/45/2020#"},
        {&kTable, "[COLLECTION DATE] = #12/31/99#"},
        {&kTable, "[PROFILE NAME] LIKE 'a*'"},
        {&kTable, "[PROFILE NAME] LIKE '[a'"},
        {&kTable, "[PROFILE NAME] LIKE 'b?'"},
        {&kTable, "[PROFILE NAME] = '\x01S'"},
        {&kTable, "[PROFILE NAME] = 'x' AND [NO SUCH] = 1"},
    };
    dao::FilterShapeCache cache;
    for (const auto& entry : texts) {
        // Named, not bound: clang 14 cannot capture a structured binding.
        const dao::TableInfo* table = entry.first;
        const char* text = entry.second;
        const QString criteria = QString::fromUtf8(text);
        std::unique_ptr<dao::BoundExpr> longWay;
        const Outcome expected = outcomeOf(*table, [&]() -> const dao::BoundExpr& {
            longWay = dao::bindFilter(*dao::parseFilter(criteria), *table, criteria);
            return *longWay;
        });
        const Outcome cached = outcomeOf(
            *table, [&]() -> const dao::BoundExpr& { return cache.bind(*table, criteria); });
        EXPECT_EQ(cached, expected) << text << " on " << table->name.toStdString();
    }
}

TEST(FilterDates, UsTextDropsMidnightAndWritesTwelveHourTime)
{
    const std::pair<QTime, const char*> cases[] = {{QTime(9, 30), "3/7/2005 9:30:00 AM"},
                                                   {QTime(0, 0), "3/7/2005"},
                                                   {QTime(12, 0), "3/7/2005 12:00:00 PM"},
                                                   {QTime(0, 5, 9), "3/7/2005 12:05:09 AM"},
                                                   {QTime(23, 59, 59), "3/7/2005 11:59:59 PM"}};
    for (const auto& [time, text] : cases)
        EXPECT_EQ(dao::usDateText(QDateTime(QDate(2005, 3, 7), time)), text);
    EXPECT_EQ(dao::usDateText(QDateTime(QDate(1999, 12, 31), QTime(13, 4, 5))),
              "12/31/1999 1:04:05 PM");
}

} // namespace
