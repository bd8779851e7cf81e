#include "profiles/profile_table.h"

#include "profiles/all_profiles_query.h"
#include "profiles/profile_selection.h"
#include "services/prompt.h"
#include "services/system_database.h"

namespace profiles {

OpenTable::Failure ProfileTable::openQuietly(Rows rows, const QString& path)
{
    const OpenTable::Failure failure =
        table_.open(path.isEmpty() ? systemdb::databasePath() : path,
                    rows == Rows::Listed ? profileListQuery() : allProfilesQuery());
    if (failure == OpenTable::Failure::None)
        store_ = ProfileStore(table_.recordset());
    return failure;
}

bool ProfileTable::open(Rows rows, const QString& path)
{
    const OpenTable::Failure failure = openQuietly(rows, path);
    if (failure == OpenTable::Failure::None)
        return true;
    promptui::MessageBox(failure == OpenTable::Failure::Database
                             ? QStringLiteral("Error loading database")
                             : QStringLiteral("Error connecting to 'Reader Setup Profile' table."),
                         QStringLiteral("manager.mdb error"), promptui::MB_OK);
    return false;
}

} // namespace profiles
