#include "profiles/profile_list_control.h"

#include "profiles/profile_rows.h"

#include <QTreeWidget>

namespace profiles {
namespace {

constexpr uint8_t kWidths[kProfileListColumns] = {25, 25, 21, 25};

} // namespace

void setupProfileList(QTreeWidget* list)
{
    dbhelper::ExternSetupListControl(list, kProfileListColumns, kProfileListTitles, kWidths);
}

void showProfileRows(QTreeWidget* list, const QList<ProfileRow>& rows)
{
    list->clear();
    QList<QTreeWidgetItem*> items;
    for (const ProfileRow& row : rows)
        items << new QTreeWidgetItem(row);
    list->addTopLevelItems(items);
}

} // namespace profiles
