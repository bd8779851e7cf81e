// The LAUNDRY SETUP columns of the Maytag Marlin, Quicksilver and MHN33
// profiles: those of the "Prices" page, then those of the type's options page.
#pragma once

#include "profiles/profile_columns.h"

#include <vector>

namespace profiles {

// code: kMaytagMarlin, kMaytagQuicksilver or kMaytagMhn33.
std::vector<ProfileColumn> maytagColumns(int code);

} // namespace profiles
