// The editor's profile list: a report list of the listed LAUNDRY SETUP rows
// with the type shown by its list name.
#pragma once

#include "services/dao.h"

#include <QString>
#include <QStringList>

class QTreeWidget;

namespace profiles {

// The four report columns: PROFILE NAME, PROFILE TYPE, IDLE MESSAGE and
// BUSY MESSAGE.
void setupProfileList(QTreeWidget* list);
// Refills the list from the recordset (whose cursor ends past the last row)
// and shows each row's type by its list name.
bool fillProfileList(QTreeWidget* list, const CdbRecordset& recordset);

// The PROFILE NAME of every row, in list order.
QStringList listedNames(const QTreeWidget* list);
// The row whose name equals `name` without regard to case, or -1.
int rowOfName(const QTreeWidget* list, const QString& name);

} // namespace profiles
