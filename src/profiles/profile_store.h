// Access to the LAUNDRY SETUP table through one open recordset: the profile
// list, finding a row by name, loading a row into editor values, saving
// (add or edit) and deleting. Every database failure is shown here with the
// operation's own message and turned into a false result; nothing already
// stored is lost by a failed step.
#pragma once

#include "profiles/profile_values.h"
#include "services/dao.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace profiles {

// Type-3 profiles are never listed.
QString profileListQuery();

enum class SaveMode { Add, Edit };

class ProfileStore {
public:
    explicit ProfileStore(CdbRecordset recordset) : recordset_(std::move(recordset)) {}

    CdbRecordset& recordset() { return recordset_; }

    // MoveFirst, then FindFirst "[PROFILE NAME] = 'name'". False when not
    // found (also on an empty table). DAO errors are raised to the caller.
    bool positionOn(const QString& name);
    // The same, showing "Error %d : %s\n" on a DAO error.
    bool findByName(const QString& name);

    // Loads the current row: the common columns, then the columns of its type
    // (TransferDatabaseToDialog without the page). An empty table (no current
    // record) leaves `values` as it was and gives true; any other DAO error
    // shows "Cannot transfer database to dialog." and gives false.
    bool loadCurrent(ProfileValues& values);

    // Save steps 1-4: AddNew, or Edit and the reset of the shared columns;
    // the common columns and the type's `columns`; Update. Each failure shows
    // its message and cancels the half-done add or edit. A name the database
    // refuses as taken (another program stored it meanwhile, in any letter
    // case) shows the editor's duplicate-name message.
    enum class Saved { Yes, No, DuplicateName };
    Saved save(const CommonValues& common, const ColumnValues& columns, SaveMode mode);

    // Deletes the current row; "Cannot delete current record." on failure.
    bool deleteCurrent();

    // The names of the listed rows, in list order (leaves no current record);
    // nullopt after a database error, which is shown.
    std::optional<QStringList> names();

private:
    // Whether a stored row other than the one named `own` has `name`;
    // nullopt after a database error, which is shown.
    std::optional<bool> nameTaken(const QString& name, const QString& own);
    // TransferDialogToDatabase: false after showing its message.
    bool writeValues(const CommonValues& common, const ColumnValues& columns);

    CdbRecordset recordset_;
};

// "Error %d : %s\n" with the low 16 bits of the result code and the DAO
// description, the ending of every database message.
QString daoErrorText(const CdbException& error);

} // namespace profiles
