#include "profiles/profile_list_control.h"

#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

#include <QTreeWidget>

namespace profiles {
namespace {

constexpr int kColumnCount = 4;
constexpr int kNameColumn = 0;
constexpr int kTypeColumn = 1;
constexpr char kTitles[kColumnCount][40] = {"PROFILE NAME", "PROFILE TYPE", "IDLE MESSAGE",
                                            "BUSY MESSAGE"};
constexpr uint8_t kWidths[kColumnCount] = {25, 25, 21, 25};

} // namespace

void setupProfileList(QTreeWidget* list)
{
    dbhelper::ExternSetupListControl(list, kColumnCount, kTitles, kWidths);
}

bool fillProfileList(QTreeWidget* list, const CdbRecordset& recordset)
{
    if (!dbhelper::ExternFillListControl(list, kColumnCount, kTitles, recordset))
        return false;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        // The cell holds the stored code; the list names the type (the code
        // is read with room for three characters).
        const int code = profileTypeFromText(item->text(kTypeColumn).left(3));
        item->setText(kTypeColumn, setup::profileTypeListName(code));
    }
    return true;
}

QStringList listedNames(const QTreeWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        names << list->topLevelItem(row)->text(kNameColumn);
    return names;
}

int rowOfName(const QTreeWidget* list, const QString& name)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        if (list->topLevelItem(row)->text(kNameColumn).compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

} // namespace profiles
