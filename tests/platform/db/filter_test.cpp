// Filter texts to parameterised SQL: what the parser accepts, what it
// refuses, and that every value travels as a parameter.
#include "db/dao_error.h"
#include "db/filter_binder.h"
#include "db/filter_parser.h"
#include "db/jet_like.h"
#include "db/sqlite/sqlite_sql_writer.h"
#include "db_test_support.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using dao::ColumnKind;
using dao::SqlValue;
using dbtest::daoError;

const dao::TableInfo kTable{"T",
                            {{"PROFILE NAME", ColumnKind::Text},
                             {"INT CYCLES", ColumnKind::Integer},
                             {"INT CASH", ColumnKind::Currency},
                             {"ENABLE TOKENS", ColumnKind::Boolean},
                             {"COLLECTION DATE", ColumnKind::Date},
                             {"MACHINEID", ColumnKind::Text},
                             {"INDEXID", ColumnKind::Integer, true}}};

dao::SqlText sqlOf(const QString& filter)
{
    dao::SqlText text;
    dao::appendFilter(*dao::bindFilter(*dao::parseFilter(filter), kTable, filter), kTable, text);
    return text;
}

// Doubled delimiters stay inside the one text parameter, so a quoted value
// cannot change the filter's meaning.
TEST(Filter, QuotedTextIsOneParameter)
{
    for (const QString& value : {QString("x' OR 'a'='a"), QString("x\" OR \"a\"=\"a"),
                                 QString("'; DROP TABLE T; --"), QString("a''b'"), QString()}) {
        const dao::SqlText text = sqlOf("[PROFILE NAME] = " + dbhelper::quoteFilterText(value));
        EXPECT_EQ(text.sql, "(\"PROFILE NAME\" COLLATE NOCASE = ?)") << value.toStdString();
        EXPECT_EQ(text.params, std::vector<SqlValue>{value});
    }
    EXPECT_EQ(sqlOf(R"([PROFILE NAME] = "say ""hi"" 'x'")").params,
              std::vector<SqlValue>{QString(R"(say "hi" 'x')")});
}

// Money exact to the 1/10000, booleans as 0 or 1, dates in U.S. order
// whatever the locale, as canonical text.
TEST(Filter, LiteralsTakeTheKindOfTheirColumn)
{
    // The duplicate search of stored DC records, with U.S. date and plain money.
    EXPECT_EQ(sqlOf("(MACHINEID = 'M1') AND ([INT CYCLES] = 5) AND ([INT CASH] = 1234.56) AND "
                    "([ENABLE TOKENS] = True) AND ([COLLECTION DATE] = #3/5/2020 1:02:03 PM#)")
                  .params,
              (std::vector<SqlValue>{QString("M1"), qint64(5), qint64(12345600), qint64(1),
                                     QString("2020-03-05 13:02:03")}));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<const char*, SqlValue> cases[] = {
        {"[INT CASH] = 0.1", qint64(1000)},
        {"[INT CASH] > -12.34565", qint64(-123457)},
        {"[INT CYCLES] < 2.5", 2.5},
        {"[ENABLE TOKENS] = -1", qint64(1)},
        {"[COLLECTION DATE] = #12/31/99 11:59:59 pm#", QString("1999-12-31 23:59:59")},
        {"[COLLECTION DATE] = #12/1/2020 12:00:00 AM#", QString("2020-12-01 00:00:00")}};
    for (const auto& [filter, value] : cases)
        EXPECT_EQ(sqlOf(filter).params, std::vector<SqlValue>{value}) << filter;
    QLocale::setDefault(saved);
    // A literal on the left is turned round so the column's collation rules.
    EXPECT_EQ(sqlOf("5 < [INT CYCLES]").sql, "(\"INT CYCLES\" > ?)");
}

TEST(Filter, PrecedenceIsOrThenAndThenNotThenComparison)
{
    EXPECT_EQ(sqlOf("NOT [INT CYCLES] = 1 OR [INT CYCLES] = 2 AND [INDEXID] = 3").sql,
              "((NOT (\"INT CYCLES\" = ?)) OR ((\"INT CYCLES\" = ?) AND (\"INDEXID\" = ?)))");
    EXPECT_EQ(sqlOf("([INT CYCLES] = 1 OR [INT CYCLES] = 2) AND NOT ([INDEXID] = 3)").sql,
              "(((\"INT CYCLES\" = ?) OR (\"INT CYCLES\" = ?)) AND (NOT (\"INDEXID\" = ?)))");
    EXPECT_EQ(sqlOf("[ENABLE TOKENS] and not [profile name] like 'a*'").sql,
              "((\"ENABLE TOKENS\" <> 0) AND (NOT (laundry_jet_like(\"PROFILE NAME\", ?))))");
    EXPECT_EQ(sqlOf("indexid = 4").sql, "(\"INDEXID\" = ?)"); // bare names, any case
}

TEST(Filter, SyntaxErrorsAndUnknownNamesNameWhatIsWrong)
{
    for (const char* filter :
         {"[PROFILE NAME] = 'abc", "[COLLECTION DATE] = #13/45/2020#", "([INT CYCLES] = 1",
          "[INT CYCLES] = 12abc", "[INT CYCLES] = 1 AND", "[INT CYCLES] = 1 = 2",
          "[INT CYCLES] = 1)", "[PROFILE NAME] LIKE '[a'"}) {
        EXPECT_EQ(daoError([&] { sqlOf(filter); }), kDaoSyntaxError) << filter;
        EXPECT_TRUE(CdbLastOLEError().GetDescription().endsWith(
            QString(" in query expression '%1'.").arg(filter)));
    }
    EXPECT_EQ(daoError([] { sqlOf("[NO SUCH] = 1"); }), kDaoUnknownName);
    EXPECT_TRUE(CdbLastOLEError().GetDescription().contains("'NO SUCH'"));
    for (const char* filter :
         {"[PROFILE NAME] = 3", "[INT CASH] = '1.50'", "[COLLECTION DATE] = '3/5/2020'",
          "[INT CYCLES] LIKE '1*'", "[PROFILE NAME]"})
        EXPECT_EQ(daoError([&] { sqlOf(filter); }), kDaoTypeMismatch) << filter;
}

TEST(JetLike, MatchesJetWildcardsWithoutRegardToCase)
{
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"a*", "Apple", true},    {"a*", "bApple", false}, {"a?c", "abc", true},
        {"#5", "45", true},       {"#5", "a5", false},     {"[a-c]x", "Bx", true},
        {"[!a-c]x", "bx", false}, {"[*]", "a", false},     {"*a*b", "ab", true},
        {"*a*b", "aba", false},   {"50%", "50%", true},    {"_", "x", false}};
    for (const auto& [pattern, text, match] : cases) {
        const auto compiled = dao::JetPattern::compile(QString::fromLatin1(pattern));
        ASSERT_TRUE(compiled) << pattern;
        EXPECT_EQ(compiled->matches(QString::fromLatin1(text)), match) << pattern << " ~ " << text;
    }
    EXPECT_FALSE(dao::JetPattern::compile(u"[abc"));
    EXPECT_FALSE(dao::JetPattern::compile(u"[z-a]"));
}

} // namespace
