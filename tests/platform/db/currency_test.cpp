#include "services/dao.h"

#include <gtest/gtest.h>

namespace {

TEST(Currency, FormatsPlainDecimalWithoutTrailingZeros)
{
    EXPECT_EQ(Currency(15000).toString(), "1.5");
    EXPECT_EQ(Currency(20000).toString(), "2");
    EXPECT_EQ(Currency(2500).toString(), "0.25");
    EXPECT_EQ(Currency(1).toString(), "0.0001");
    EXPECT_EQ(Currency(0).toString(), "0");
    EXPECT_EQ(Currency(-30001).toString(), "-3.0001");
    EXPECT_EQ(Currency(std::numeric_limits<qint64>::min()).toString(), "-922337203685477.5808");
}

TEST(Currency, ParsesDollarSignGroupsAndUpToFourDecimals)
{
    const struct {
        const char* text;
        qint64 units;
    } good[] = {
        {"1.5", 15000},
        {"$1.50", 15000},
        {"2", 20000},
        {"$1,234.5678", 12345678},
        {"1,234,567", 12345670000},
        {".25", 2500},
        {"0.0001", 1},
        {"7.", 70000},
    };
    for (const auto& c : good) {
        const auto parsed = Currency::parse(QString::fromLatin1(c.text));
        ASSERT_TRUE(parsed.has_value()) << c.text;
        EXPECT_EQ(parsed->units(), c.units) << c.text;
    }
    for (const char* bad : {"", "$", ".", "1.23456", "1,23", "12,3456", ",123", "1,,234", "1 234",
                            "-1", "1.2.3", "$$1", "1$", "abc", "1e3", "99999999999999999999"}) {
        EXPECT_FALSE(Currency::parse(QString::fromLatin1(bad)).has_value()) << bad;
    }
}

TEST(Currency, RoundTripsThroughTextAndVariant)
{
    for (qint64 units : {qint64(0), qint64(12345600), qint64(5), qint64(-99999), qint64(10000)}) {
        const Currency c(units);
        if (units >= 0) {
            EXPECT_EQ(Currency::parse(c.toString()), c);
        }
        const QVariant v = c.toVariant();
        EXPECT_EQ(v.value<Currency>(), c);
        EXPECT_EQ(v.toString(), c.toString()); // converter registered by the library
        EXPECT_EQ(Currency::fromVariant(v), c);
    }
}

TEST(Currency, ConvertsOtherVariantsAsDollars)
{
    EXPECT_EQ(Currency::fromVariant(QVariant(3)), Currency(30000));
    EXPECT_EQ(Currency::fromVariant(QVariant(1234.56)), Currency(12345600));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral("-2.5"))), Currency(-25000));
    EXPECT_EQ(Currency::fromVariant(QVariant(QStringLiteral(" $1.25 "))), Currency(12500));
    EXPECT_FALSE(Currency::fromVariant(QVariant()).has_value());
    EXPECT_FALSE(Currency::fromVariant(QVariant(QStringLiteral("abc"))).has_value());
    EXPECT_FALSE(Currency::fromVariant(QVariant(true)).has_value());
}

} // namespace
