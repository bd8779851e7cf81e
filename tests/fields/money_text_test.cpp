#include "fields/money_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace fields;

TEST(FormatMoney, PadsToCentsAndPutsTheDollarSignInFront)
{
    EXPECT_EQ(formatMoney(std::nullopt), "");
    EXPECT_EQ(formatMoney(kZero), "$0.00");
    EXPECT_EQ(formatMoney(Currency(15000)), "$1.50");
    EXPECT_EQ(formatMoney(Currency::fromDollars(2)), "$2.00");
    EXPECT_EQ(formatMoney(Currency::fromCents(25)), "$0.25");
    EXPECT_EQ(formatMoney(kNickel), "$0.05");
    EXPECT_EQ(formatMoney(Currency::fromDollars(1234567)), "$1234567.00");
    // Four-decimal amounts keep their digits; only short fractions are padded.
    EXPECT_EQ(formatMoney(Currency(12345)), "$1.2345");
}

TEST(ParseMoney, NormalisesToDollarsAndTwoDecimals)
{
    struct Case {
        const char* typed;
        const char* text;
        double number;
    };
    const Case cases[] = {
        {"1.5", "$1.50", 1.5},    {".5", "$0.50", 0.5},       {"3", "$3.00", 3},
        {"5.", "$5.00", 5},       {"$2.25", "$2.25", 2.25},   {"$7", "$7.00", 7},
        {"1.239", "$1.23", 1.23}, {"0.999", "$0.99", 0.99},   {"007", "$007.00", 7},
        {"$.05", "$0.05", 0.05},  {"99.99", "$99.99", 99.99}, {"0", "$0.00", 0},
    };
    for (const Case& c : cases) {
        const auto parsed = parseMoney(QString::fromLatin1(c.typed));
        ASSERT_TRUE(parsed.has_value()) << c.typed;
        EXPECT_EQ(parsed->text, c.text) << c.typed;
        EXPECT_DOUBLE_EQ(parsed->number, c.number) << c.typed;
    }
}

TEST(ParseMoney, RefusesAnythingButDigitsAndOnePoint)
{
    for (const char* bad : {"", "$", "1,00", "1,000.00", "-1", "+1", "1.2.3", "1..", "$$1", " 1",
                            "1 ", "1 000", "1e3", "abc", "$1.5x", "1.-5"})
        EXPECT_FALSE(parseMoney(QString::fromLatin1(bad)).has_value()) << '"' << bad << '"';
    // Characters past the cut still have to be digits.
    EXPECT_FALSE(parseMoney(u"1.23x").has_value());
}

TEST(ParseMoney, HugeAmountsParseAsLargeNumbersForTheRangeCheckToRefuse)
{
    const auto parsed = parseMoney(QString(30, u'9'));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_GT(parsed->number, 1e29);
    EXPECT_FALSE(Currency::parse(parsed->text).has_value());
}

} // namespace
