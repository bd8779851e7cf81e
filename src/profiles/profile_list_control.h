// The editor's profile list control: a report list of the session's rows.
#pragma once

#include "profiles/editor_view.h"

class QTreeWidget;

namespace profiles {

// The four report columns: PROFILE NAME, PROFILE TYPE, IDLE MESSAGE and
// BUSY MESSAGE.
void setupProfileList(QTreeWidget* list);
// Replaces the list's rows.
void showProfileRows(QTreeWidget* list, const QList<ProfileRow>& rows);

} // namespace profiles
