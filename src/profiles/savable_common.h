// The editor's common values as edit mode leaves them for a profile type:
// what an import or a conversion of a stored row must refuse because the
// editor could never have saved it.
#pragma once

#include "profiles/profile_values.h"
#include "profiles/refusal.h"

#include <QList>

namespace profiles {

// Location Clustering without Check Location or outside codes 5-12 and 14,
// User Transaction Collection on code 2, tokens on a type without them. All
// refusals, in that order.
QList<Refusal> checkSavableCommon(const CommonValues& common);

} // namespace profiles
