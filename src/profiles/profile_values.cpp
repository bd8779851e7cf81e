#include "profiles/profile_values.h"

namespace profiles {

CommonValues newProfileValues(int typeCode)
{
    CommonValues values;
    values.typeCode = typeCode;
    values.maxCardValue = Currency::fromDollars(100);
    return values;
}

} // namespace profiles
