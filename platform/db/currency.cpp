#include "services/dao.h"

#include <QMetaType>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

constexpr qint64 kMaxUnits = std::numeric_limits<qint64>::max();

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Appends digit d to value (value * 10 + d) unless that overflows.
bool appendDigit(qint64& value, int digit)
{
    if (value > (kMaxUnits - digit) / 10)
        return false;
    value = value * 10 + digit;
    return true;
}

} // namespace

QString Currency::toString() const
{
    // Work on the magnitude as unsigned so the most negative count still prints.
    const bool negative = units_ < 0;
    quint64 magnitude =
        negative ? quint64(0) - static_cast<quint64>(units_) : static_cast<quint64>(units_);
    // Written from the right into one buffer, four decimals with trailing
    // zeros dropped: each stored record writes its amounts into a filter.
    char16_t text[32];
    int first = int(std::size(text));
    quint64 fraction = magnitude % kUnitsPerDollar;
    magnitude /= kUnitsPerDollar;
    if (fraction != 0) {
        int decimals = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        for (; decimals > 0; --decimals) {
            text[--first] = char16_t(u'0' + fraction % 10);
            fraction /= 10;
        }
        text[--first] = u'.';
    }
    do {
        text[--first] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        text[--first] = u'-';
    return QString(reinterpret_cast<const QChar*>(text + first), int(std::size(text)) - first);
}

std::optional<Currency> Currency::parse(QStringView text)
{
    qsizetype i = 0;
    if (i < text.size() && text[i] == u'$')
        ++i;
    qint64 dollars = 0;
    int groupDigits = 0; // digits since the last ',' (or since the start)
    bool grouped = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            if (!appendDigit(dollars, c.unicode() - u'0'))
                return std::nullopt;
            ++groupDigits;
            anyDigit = true;
        } else if (c == u',') {
            // A separator needs one to three digits before it (first group) or
            // exactly three (later groups).
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;
    qint64 fraction = 0;
    int decimals = 0;
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            if (++decimals > 4)
                return std::nullopt;
            fraction = fraction * 10 + (text[i].unicode() - u'0');
            anyDigit = true;
        }
    }
    if (i != text.size() || !anyDigit)
        return std::nullopt;
    for (int d = decimals; d < 4; ++d)
        fraction *= 10;
    if (dollars > (kMaxUnits - fraction) / kUnitsPerDollar)
        return std::nullopt;
    return Currency(dollars * kUnitsPerDollar + fraction);
}

std::optional<Currency> Currency::fromVariant(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    if (value.metaType() == QMetaType::fromType<Currency>())
        return value.value<Currency>();
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong: {
        const qint64 dollars = value.toLongLong();
        if (dollars > kMaxUnits / kUnitsPerDollar || dollars < -kMaxUnits / kUnitsPerDollar)
            return std::nullopt;
        return fromDollars(dollars);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double units = std::round(value.toDouble() * kUnitsPerDollar);
        if (!std::isfinite(units) || std::fabs(units) >= 9.2e18)
            return std::nullopt;
        return Currency(static_cast<qint64>(units));
    }
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.startsWith(u'-')) {
            const auto magnitude = parse(QStringView(text).mid(1));
            return magnitude ? std::optional(Currency(-magnitude->units())) : std::nullopt;
        }
        return parse(text);
    }
    default:
        return std::nullopt;
    }
}

namespace {

// Lets QVariant::toString() and toDouble() work on money.
void registerCurrencyConverters()
{
    QMetaType::registerConverter<Currency, QString>(&Currency::toString);
    QMetaType::registerConverter<Currency, double>(
        [](const Currency& c) { return double(c.units()) / Currency::kUnitsPerDollar; });
}
Q_CONSTRUCTOR_FUNCTION(registerCurrencyConverters)

} // namespace
