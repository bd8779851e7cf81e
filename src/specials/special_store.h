// Whole profiles with their entries, read from and added to an open system
// database, for export and import. Database failures raise CdbException.
#pragma once

#include "specials/special_json.h"

#include <QList>
#include <QStringList>

namespace specials {

// Every profile of the mode, in table order, each with its entries in the
// order of their rows.
QList<ProfileWithEntries> loadProfiles(CdbDatabase& database, Mode mode);

// The name checks of the dialog's commit for profiles to be added: each
// against every stored profile (of either kind, as entries belong to a name)
// and the ones before it. Appends "NAME: message" refusals.
void checkNewNames(CdbDatabase& database, const QList<ProfileWithEntries>& profiles,
                   QStringList* refusals);

// Adds the profiles and their entries in one transaction, all or none: the
// name checks run inside it, against the names as they are when it commits.
// False, with nothing stored, when *refusals holds any refusal afterwards
// (those of the file's form included).
bool storeProfiles(CdbDatabase& database, const QList<ProfileWithEntries>& profiles,
                   QStringList* refusals);

} // namespace specials
