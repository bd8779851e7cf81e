// Money as the option pages type and show it: dollars and cents with an
// optional "$", normalised to "$d.cc".
#pragma once

#include "services/dao.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace fields {

inline constexpr Currency kZero{0};
inline constexpr Currency kCent = Currency::fromCents(1);
inline constexpr Currency kNickel = Currency::fromCents(5);

// "$" + the plain decimal text, padded to at least two decimals: 1.5 gives
// "$1.50", 2 "$2.00", zero "$0.00". An invalid amount (nullopt) gives "".
QString formatMoney(std::optional<Currency> amount);

struct ParsedMoney {
    double number = 0; // the text read as a decimal number
    QString text;      // normalised: "$" + dollars + "." + two decimals
};

// Accepts an optional leading "$", digits and at most one decimal point;
// decimals past the second are cut, not rounded ("1.239" gives "$1.23").
// Signs, group separators and blanks are refused.
std::optional<ParsedMoney> parseMoney(QStringView text);

} // namespace fields
