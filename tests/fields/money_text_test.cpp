#include "fields/money_text.h"

#include <gtest/gtest.h>

namespace {

using namespace fields;

TEST(FormatMoney, PadsToCentsAndPutsTheDollarSignInFront)
{
    EXPECT_EQ(formatMoney(std::nullopt), "");
    EXPECT_EQ(formatMoney(kZero), "$0.00");
    EXPECT_EQ(formatMoney(Currency(15000)), "$1.50");
    // Four-decimal amounts keep their digits; only short fractions are padded.
    EXPECT_EQ(formatMoney(Currency(12345)), "$1.2345");
}

TEST(ParseMoney, NormalisesToDollarsAndTwoDecimalsAndRefusesAnythingButDigitsAndOnePoint)
{
    const struct {
        const char* typed;
        const char* text;
        double number;
    } cases[] = {
        {"1.5", "$1.50", 1.5}, {".5", "$0.50", 0.5},     {"5.", "$5.00", 5},
        {"$7", "$7.00", 7},    {"0.999", "$0.99", 0.99}, {"007", "$007.00", 7},
    };
    for (const auto& c : cases) {
        const auto parsed = parseMoney(QString::fromLatin1(c.typed));
        ASSERT_TRUE(parsed.has_value()) << c.typed;
        EXPECT_EQ(parsed->text, c.text) << c.typed;
        EXPECT_DOUBLE_EQ(parsed->number, c.number) << c.typed;
    }
    // Characters past the cut still have to be digits.
    for (const char* bad : {"", "$", "1,00", "-1", "+1", "1.2.3", "1..", "$$1", " 1", "1 000",
                            "1e3", "abc", "1.23x", "1.-5"})
        EXPECT_FALSE(parseMoney(QString::fromLatin1(bad)).has_value()) << '"' << bad << '"';
    // Huge amounts parse as large numbers for the range check to refuse.
    const auto huge = parseMoney(QString(30, u'9'));
    ASSERT_TRUE(huge.has_value());
    EXPECT_GT(huge->number, 1e29);
    EXPECT_FALSE(Currency::parse(huge->text).has_value());
}

} // namespace
