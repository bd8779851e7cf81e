// The "Reader Profile" dialog: the widgets of the one editor of reader setup
// profiles. It builds the form, hands every button, menu and list event to
// its ProfileEditorSession and shows the session's view; in selection mode
// the operator chooses a profile for a setup record, in manager mode the
// table is maintained.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_editor_session.h"

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class ProfileEditorDialog;
}

namespace profiles {

class EditorPages;

class ProfileEditorDialog : public QDialog {
    Q_OBJECT
public:
    using Mode = ProfileEditorSession::Mode;

    // `record` receives the chosen profile in selection mode (may be null in
    // manager mode). The recordset is the profile list's; it stays open for
    // the dialog's lifetime and is closed by its opener.
    ProfileEditorDialog(CdbRecordset recordset, Mode mode, STRUCT_laundry_setup* record,
                        QWidget* parent = nullptr);
    ~ProfileEditorDialog() override;

    // True once a profile was chosen and the record filled.
    bool chosen() const { return session_->chosen(); }
    // The profile last loaded into the editor ("" when none was).
    QString currentProfileName() const { return session_->currentName(); }

    // Escape and the window's close button leave as Exit does.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tagControls();
    void applyMode(Mode mode);
    void connectControls();

    // Runs a session action, then shows the view and closes when it says so.
    template <class Action> void act(Action action);
    void showView();
    void showControls(const ControlStates& controls);
    void showFocus(const EditorFocus& focus);
    int selectedRow() const;
    void leaveField(QObject* field);

    std::unique_ptr<Ui::ProfileEditorDialog> ui_;
    std::unique_ptr<EditorPages> pages_;
    std::unique_ptr<ProfileEditorSession> session_;
    QList<ProfileRow> shownRows_;
    int editablePage_ = -2;     // last handed to the pages
    bool showing_ = false;      // the view is being shown: control signals are ours
    bool leavingField_ = false; // a check on leaving a field is running
};

} // namespace profiles
