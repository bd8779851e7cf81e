// The LAUNDRY SETUP columns of the Wascomat profiles: the sixteen program
// prices and the two option adders, regular and special, then the machine
// type and the special-pricing schedule.
#pragma once

#include "profiles/profile_columns.h"

#include <array>
#include <vector>

namespace profiles {

// Programs 1-16, then options 1 and 2: the order of the card's price lists.
inline constexpr int kWascomatPriceCount = 18;
using WascomatPriceColumns = std::array<const char*, kWascomatPriceCount>;

// PRICE1..PRICE16, STANDARD ADDER OPTION1, STANDARD ADDER OPTION2.
const WascomatPriceColumns& wascomatRegularColumns();
// SPEC PRICE 1..SPEC PRICE 16, SPECIAL ADDER OPTION1, SPECIAL ADDER OPTION2.
const WascomatPriceColumns& wascomatSpecialColumns();

std::vector<ProfileColumn> wascomatColumns();

} // namespace profiles
