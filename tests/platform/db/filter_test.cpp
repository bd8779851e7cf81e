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

const dao::TableInfo& table()
{
    static const dao::TableInfo kTable{
        QStringLiteral("T"),
        {
            {QStringLiteral("PROFILE NAME"), ColumnKind::Text, false},
            {QStringLiteral("INT CYCLES"), ColumnKind::Integer, false},
            {QStringLiteral("INT CASH"), ColumnKind::Currency, false},
            {QStringLiteral("ENABLE TOKENS"), ColumnKind::Boolean, false},
            {QStringLiteral("COLLECTION DATE"), ColumnKind::Date, false},
            {QStringLiteral("MACHINEID"), ColumnKind::Text, false},
            {QStringLiteral("INDEXID"), ColumnKind::Integer, true},
        }};
    return kTable;
}

dao::SqlText sqlOf(const QString& filter)
{
    const auto parsed = dao::parseFilter(filter);
    const auto bound = dao::bindFilter(*parsed, table(), filter);
    dao::SqlText text;
    dao::appendFilter(*bound, table(), text);
    return text;
}

std::vector<SqlValue> paramsOf(const QString& filter)
{
    return sqlOf(filter).params;
}

// The DAO error and its description.
std::pair<int, QString> failureOf(const QString& filter)
{
    try {
        sqlOf(filter);
    } catch (const CdbException& e) {
        return {e.errorNumber(), e.description()};
    }
    return {0, QString()};
}

TEST(Filter, QuotedTextWithDoubledDelimitersIsOneParameter)
{
    EXPECT_EQ(paramsOf("[PROFILE NAME] = 'O''Brien'"), std::vector<SqlValue>{QString("O'Brien")});
    EXPECT_EQ(paramsOf(R"([PROFILE NAME] = "say ""hi"" 'x'")"),
              std::vector<SqlValue>{QString(R"(say "hi" 'x')")});
    EXPECT_EQ(paramsOf("[PROFILE NAME] = ''"), std::vector<SqlValue>{QString()});
}

TEST(Filter, QuotedValueCannotChangeTheFiltersMeaning)
{
    for (const QString& hostile :
         {QStringLiteral("x' OR 'a'='a"), QStringLiteral("x\" OR \"a\"=\"a"),
          QStringLiteral("'; DROP TABLE T; --"), QStringLiteral("a''b'")}) {
        const QString filter = "[PROFILE NAME] = " + dbhelper::quoteFilterText(hostile);
        const dao::SqlText text = sqlOf(filter);
        EXPECT_EQ(text.sql, "(\"PROFILE NAME\" COLLATE NOCASE = ?)") << hostile.toStdString();
        EXPECT_EQ(text.params, std::vector<SqlValue>{hostile});
    }
}

// Money exact to the 1/10000, booleans as 0 or 1, dates in U.S. order
// whatever the locale, as canonical text.
TEST(Filter, LiteralsTakeTheKindOfTheirColumn)
{
    // The duplicate search of stored DC records, with U.S. date and plain money.
    EXPECT_EQ(paramsOf("(MACHINEID = 'M1') AND ([INT CYCLES] = 5) AND ([INT CASH] = 1234.56) AND "
                       "([ENABLE TOKENS] = True) AND ([COLLECTION DATE] = #3/5/2020 1:02:03 PM#)"),
              (std::vector<SqlValue>{QString("M1"), qint64(5), qint64(12345600), qint64(1),
                                     QString("2020-03-05 13:02:03")}));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<const char*, SqlValue> cases[] = {
        {"[INT CASH] = 0.1", qint64(1000)},
        {"[INT CASH] > -12.34565", qint64(-123457)},
        {"[INT CYCLES] <> -1", qint64(-1)},
        {"[INT CYCLES] < 2.5", 2.5},
        {"[ENABLE TOKENS] = -1", qint64(1)},
        {"[COLLECTION DATE] = #12/31/99 11:59:59 pm#", QString("1999-12-31 23:59:59")},
        {"[COLLECTION DATE] = #12/1/2020 12:00:00 AM#", QString("2020-12-01 00:00:00")}};
    for (const auto& [filter, value] : cases)
        EXPECT_EQ(paramsOf(filter), std::vector<SqlValue>{value}) << filter;
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

TEST(Filter, SyntaxErrorsNameTheExpression)
{
    const QString string = "Syntax error in string in query expression '%1'.";
    const QString date = "Syntax error in date in query expression '%1'.";
    const QString missing = "Missing ), ], or Item in query expression '%1'.";
    const QString number = "Syntax error in number in query expression '%1'.";
    const QString op = "Syntax error (missing operator) in query expression '%1'.";
    const std::pair<const char*, QString> cases[] = {
        {"[PROFILE NAME] = 'abc", string},
        {"[COLLECTION DATE] = #13/45/2020#", date},
        {"([INT CYCLES] = 1", missing},
        {"[INT CYCLES] = 12abc", number},
        {"[INT CYCLES] = 1 AND", op},
        {"[INT CYCLES] = 1 = 2", op},
        {"[INT CYCLES] = 1)", "Extra ) in query expression '%1'."},
        {"[PROFILE NAME] LIKE '[a'", "Invalid pattern string in query expression '%1'."}};
    for (const auto& [filter, description] : cases) {
        EXPECT_EQ(failureOf(QString::fromLatin1(filter)),
                  std::make_pair(int(kDaoSyntaxError), description.arg(filter)));
    }
}

TEST(Filter, UnknownNamesAndMismatchedKindsAreRefused)
{
    EXPECT_EQ(failureOf("[NO SUCH] = 1"),
              std::make_pair(int(kDaoUnknownName),
                             QString("The database engine does not recognize 'NO SUCH' as a "
                                     "valid field name or expression.")));
    for (const char* filter :
         {"[PROFILE NAME] = 3", "[INT CASH] = '1.50'", "[COLLECTION DATE] = '3/5/2020'",
          "[INT CYCLES] LIKE '1*'", "[PROFILE NAME]"}) {
        EXPECT_EQ(failureOf(QString::fromLatin1(filter)).first, kDaoTypeMismatch) << filter;
    }
}

TEST(JetLike, MatchesJetWildcardsWithoutRegardToCase)
{
    const struct {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {{"a*", "Apple", true},    {"a*", "bApple", false}, {"a?c", "abc", true},
                 {"#5", "45", true},       {"#5", "a5", false},     {"[a-c]x", "Bx", true},
                 {"[!a-c]x", "bx", false}, {"[*]", "a", false},     {"*a*b", "ab", true},
                 {"*a*b", "aba", false},   {"50%", "50%", true},    {"_", "x", false}};
    for (const auto& c : cases) {
        const auto pattern = dao::JetPattern::compile(QString::fromLatin1(c.pattern));
        ASSERT_TRUE(pattern) << c.pattern;
        EXPECT_EQ(pattern->matches(QString::fromLatin1(c.text)), c.match)
            << c.pattern << " ~ " << c.text;
    }
    EXPECT_FALSE(dao::JetPattern::compile(u"[abc"));
    EXPECT_FALSE(dao::JetPattern::compile(u"[z-a]"));
}

} // namespace
