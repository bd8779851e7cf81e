#include "services/dao.h"

#include <gtest/gtest.h>

namespace {

// Plain decimal text without trailing zeros, read back exactly, through a
// variant too (the library registers the text converter).
TEST(Currency, FormatsPlainDecimalAndRoundTripsThroughTextAndVariant)
{
    const std::pair<qint64, const char*> cases[] = {
        {15000, "1.5"},
        {20000, "2"},
        {1, "0.0001"},
        {0, "0"},
        {500, "0.05"},
        {-30001, "-3.0001"},
        {std::numeric_limits<qint64>::min(), "-922337203685477.5808"}};
    for (const auto& [units, text] : cases) {
        const Currency c(units);
        EXPECT_EQ(c.toString(), text);
        if (units >= 0) {
            EXPECT_EQ(Currency::parse(c.toString()), c);
        }
        const QVariant v = c.toVariant();
        EXPECT_EQ(v.value<Currency>(), c);
        EXPECT_EQ(v.toString(), text);
        EXPECT_EQ(Currency::fromVariant(v), c);
    }
}

TEST(Currency, ParsesDollarSignGroupsAndUpToFourDecimals)
{
    const std::pair<const char*, qint64> good[] = {{"$1.50", 15000},
                                                   {"$1,234.5678", 12345678},
                                                   {"1,234,567", 12345670000},
                                                   {".25", 2500},
                                                   {"7.", 70000}};
    for (const auto& [text, units] : good) {
        const auto parsed = Currency::parse(QString::fromLatin1(text));
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(parsed->units(), units) << text;
    }
    for (const char* bad : {"", "$", ".", "1.23456", "1,23", "12,3456", ",123", "1,,234", "1 234",
                            "-1", "1.2.3", "$$1", "1$", "abc", "1e3", "99999999999999999999"}) {
        EXPECT_FALSE(Currency::parse(QString::fromLatin1(bad)).has_value()) << bad;
    }
}

TEST(Currency, ConvertsOtherVariantsAsDollars)
{
    EXPECT_EQ(Currency::fromVariant(QVariant(3)), Currency(30000));
    EXPECT_EQ(Currency::fromVariant(QVariant(1234.56)), Currency(12345600));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral(" $1.25 "))), Currency(12500));
    for (const QVariant& bad : {QVariant(), QVariant(QStringLiteral("abc")), QVariant(true)})
        EXPECT_FALSE(Currency::fromVariant(bad).has_value()) << bad.toString().toStdString();
}

} // namespace
