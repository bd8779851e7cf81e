// The LAUNDRY SETUP table open for one operation, with the system's messages
// when the database or the table cannot be opened.
#pragma once

#include "profiles/profile_store.h"
#include "services/open_table.h"

namespace profiles {

class ProfileTable {
public:
    // The editor's list never shows type 3; the command line and conversion
    // by name reach every row.
    enum class Rows { Listed, All };

    // Opens the system database (systemdb::databasePath() unless given) and the rows;
    // shows "Error loading database" or "Error connecting to 'Reader Setup
    // Profile' table." (caption "manager.mdb error") and gives false.
    bool open(Rows rows, const QString& path = QString());
    // The same without a message, for callers that say it in their own words
    // (OpenTable::lastErrorText() has the engine's reason).
    OpenTable::Failure openQuietly(Rows rows, const QString& path = QString());

    CdbDatabase& database() { return table_.database(); }
    CdbRecordset& recordset() { return table_.recordset(); }
    ProfileStore& store() { return store_; }

private:
    OpenTable table_;
    ProfileStore store_{CdbRecordset()};
};

} // namespace profiles
