#include "profiles/profile_rows.h"

#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

#include <algorithm>
#include <numeric>

namespace profiles {
namespace {

constexpr int kNameColumn = kProfileNameColumn;
constexpr int kTypeColumn = 1;

} // namespace

const char kProfileListTitles[kProfileListColumns][40] = {"PROFILE NAME", "PROFILE TYPE",
                                                          "IDLE MESSAGE", "BUSY MESSAGE"};

std::optional<QList<ProfileRow>> readProfileRows(CdbRecordset& recordset)
{
    try {
        QList<ProfileRow> rows;
        if (recordset.GetRecordCount() == 0)
            return rows;
        for (recordset.MoveFirst(); !recordset.GetEOF(); recordset.MoveNext()) {
            ProfileRow row;
            for (const char* title : kProfileListTitles)
                row << dbhelper::fieldText(recordset.GetField(QLatin1String(title)));
            // The cell holds the stored code (read with room for three
            // characters); the list names the type.
            row[kTypeColumn] =
                setup::profileTypeListName(profileTypeFromText(row[kTypeColumn].left(3)));
            rows << row;
        }
        return rows;
    } catch (const CdbException&) {
        return std::nullopt;
    }
}

QList<int> sortRows(QList<ProfileRow>& rows, const cardcore::ListSort& sort)
{
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const int column = sort.column;
    if (column < 0 || column >= kProfileListColumns)
        return order;
    QStringList texts;
    for (const ProfileRow& row : rows)
        texts << row.value(column);
    order = cardcore::SortOrder(texts, sort);
    QList<ProfileRow> sorted;
    for (const int from : order)
        sorted << rows[from];
    rows = std::move(sorted);
    return order;
}

QStringList rowNames(const QList<ProfileRow>& rows)
{
    QStringList names;
    for (const ProfileRow& row : rows)
        names << row.value(kNameColumn);
    return names;
}

int rowOfName(const QList<ProfileRow>& rows, const QString& name)
{
    for (int row = 0; row < rows.size(); ++row)
        if (rows[row].value(kNameColumn).compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

} // namespace profiles
