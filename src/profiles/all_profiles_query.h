// Every row of the LAUNDRY SETUP table, type 3 included, by name. The command
// line reaches Tovan2000 Cycle Setup profiles, which the editor never lists,
// through it.
#pragma once

#include <QString>

namespace profiles {

inline QString allProfilesQuery()
{
    return QStringLiteral("SELECT * FROM [LAUNDRY SETUP] ORDER BY [PROFILE NAME]");
}

} // namespace profiles
