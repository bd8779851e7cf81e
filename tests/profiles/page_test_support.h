// Shared by the page tests: the column names a page writes and the ones its
// type is meant to keep, to compare the two.
#pragma once

#include "profiles/profile_columns.h"

#include <set>

namespace profiletest {

inline std::set<QString> keysOf(const profiles::ColumnValues& columns)
{
    return {columns.keyBegin(), columns.keyEnd()};
}

inline std::set<QString> typeColumnNames(int code)
{
    std::set<QString> names;
    for (const profiles::ProfileColumn& column : profiles::typeColumns(code))
        names.insert(QString::fromLatin1(column.name));
    return names;
}

} // namespace profiletest
