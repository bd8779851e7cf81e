// What the profile editor holds of one profile: the common values it shows
// itself, and the values of the profile type's columns that its option page
// shows.
#pragma once

#include "profiles/profile_columns.h"
#include "services/dao.h"

#include <QString>

namespace profiles {

inline constexpr int kProfileNameMaxLength = 30;
inline constexpr int kMaxCardValueMaxLength = 7;

struct CommonValues {
    QString name;
    int typeCode = 0;
    Currency vendPrice = Currency::fromDollars(1);
    Currency topoffPrice;
    Currency maxCardValue;
    bool enableTokens = false;
    bool clearCounters = true;
    bool checkLocation = true;
    bool locationClustering = false;
    bool userTransactionCollection = false;
};

// The values a new profile starts from (Add): as the editor's defaults, with a
// Max Card Value of $100.00; the type is the caller's.
CommonValues newProfileValues(int typeCode);

struct ProfileValues {
    CommonValues common;
    ColumnValues columns; // the type's columns (typeColumns(common.typeCode))
};

} // namespace profiles
