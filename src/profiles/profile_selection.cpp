#include "profiles/profile_selection.h"

#include "profiles/profile_editor_dialog.h"
#include "profiles/profile_table.h"
#include "services/dialog_runner.h"

namespace profiles {
uint8_t selectProfile(QString& profileName, STRUCT_laundry_setup& record)
{
    ProfileTable table;
    if (!table.open(ProfileTable::Rows::Listed))
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
    if (!table.open(ProfileTable::Rows::Listed))
        return;
    ProfileEditorDialog editor(table.recordset(), ProfileEditorDialog::Mode::Manager, nullptr);
    promptui::runDialog(editor);
}

} // namespace profiles
