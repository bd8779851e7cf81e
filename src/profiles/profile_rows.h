// The rows of the editor's profile list without the list control: read from
// the recordset, sorted by a column, found by name.
#pragma once

#include "profiles/editor_view.h"
#include "services/cardcore.h"
#include "services/dao.h"

#include <optional>

namespace profiles {

inline constexpr int kProfileListColumns = 4;
inline constexpr int kProfileNameColumn = 0;
// The column titles, which are also the fields the cells are read from.
extern const char kProfileListTitles[kProfileListColumns][40];

// One row per record in recordset order, the type shown by its list name;
// the cursor ends past the last record. nullopt after a database error.
std::optional<QList<ProfileRow>> readProfileRows(CdbRecordset& recordset);

// Orders the rows by the sort column's text, letter case ignored; equal
// texts keep their order. Returns where each row came from.
QList<int> sortRows(QList<ProfileRow>& rows, const cardcore::ListSort& sort);

QStringList rowNames(const QList<ProfileRow>& rows);
// The row whose name equals `name` without regard to case, or -1.
int rowOfName(const QList<ProfileRow>& rows, const QString& name);

} // namespace profiles
