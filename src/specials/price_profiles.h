// The rows of PRICE PROFILES: one per price special or door access profile,
// told apart by a TOPOFF TIME of -1. Database failures raise CdbException.
#pragma once

#include "services/dao.h"
#include "specials/special_profile.h"

#include <QString>

namespace specials {

inline constexpr char kProfilesTable[] = "PRICE PROFILES";

// The query of the profiles a mode lists.
QString profileListQuery(Mode mode);

// The profile of the current row.
SpecialProfile readProfile(const CdbRecordset& rows);
// Writes the four columns into the row being added or edited.
void writeProfile(CdbRecordset& rows, const SpecialProfile& profile);
// Makes the first row named `name` current (letter case ignored); false
// when there is none.
bool findProfile(CdbRecordset& rows, const QString& name);

} // namespace specials
