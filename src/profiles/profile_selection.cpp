#include "profiles/profile_selection.h"

#include "profiles/profile_editor_dialog.h"
#include "profiles/profile_store.h"
#include "services/dao.h"
#include "services/dialog_runner.h"
#include "services/prompt.h"

namespace profiles {
namespace {

constexpr char kDefaultDatabase[] = "manager.mdb";
constexpr char kDatabaseErrorCaption[] = "manager.mdb error";

QString& configuredPath()
{
    static QString path = QString::fromLatin1(kDefaultDatabase);
    return path;
}

void showDatabaseError(const char* text)
{
    promptui::MessageBox(QString::fromLatin1(text), QString::fromLatin1(kDatabaseErrorCaption),
                         promptui::MB_OK);
}

// The database and the profile list's recordset for one call of an entry
// point; both are closed when it ends, whichever way it ends.
class ProfileTable {
public:
    ProfileTable() = default;
    ProfileTable(const ProfileTable&) = delete;
    ProfileTable& operator=(const ProfileTable&) = delete;
    ~ProfileTable()
    {
        try {
            if (recordset_.IsOpen())
                recordset_.Close();
            if (database_.IsOpen())
                database_.Close();
        } catch (const CdbException&) {
            // Nothing is left to save: a failed close loses nothing.
        }
    }

    // Shows the failure and gives false.
    bool open()
    {
        CdbDBEngine engine;
        if (!dbhelper::Connect_To_Database(databasePath(), &database_, &engine, 0)) {
            showDatabaseError("Error loading database");
            return false;
        }
        if (!dbhelper::Connect_To_Recordset(profileListQuery(), &recordset_, &database_)) {
            showDatabaseError("Error connecting to 'Reader Setup Profile' table.");
            return false;
        }
        return true;
    }

    const CdbRecordset& recordset() const { return recordset_; }

private:
    CdbDatabase database_;
    CdbRecordset recordset_;
};

} // namespace

QString databasePath()
{
    return configuredPath();
}

void setDatabasePath(const QString& path)
{
    configuredPath() = path.isEmpty() ? QString::fromLatin1(kDefaultDatabase) : path;
}

uint8_t selectProfile(QString& profileName, STRUCT_laundry_setup& record)
{
    ProfileTable table;
    if (!table.open())
        return 0;
    ProfileEditorDialog editor(table.recordset(), ProfileEditorDialog::Mode::Selection, &record);
    promptui::runDialog(editor);
    profileName = editor.currentProfileName();
    // "" (never null) once the editor ran, so a caller can tell that apart
    // from a database that did not open.
    if (profileName.isNull())
        profileName = QStringLiteral("");
    return editor.chosen() ? 1 : 0;
}

void manageProfiles()
{
    ProfileTable table;
    if (!table.open())
        return;
    ProfileEditorDialog editor(table.recordset(), ProfileEditorDialog::Mode::Manager, nullptr);
    promptui::runDialog(editor);
}

} // namespace profiles
