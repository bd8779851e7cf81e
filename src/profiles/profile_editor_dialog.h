// The "Reader Profile" dialog: the one editor of reader setup profiles. It
// lists the LAUNDRY SETUP rows, shows the common values of the selected
// profile beside the option page of its type, and either lets the operator
// choose a profile for a setup record (selection mode) or maintain the table
// (manager mode).
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/profile_store.h"
#include "profiles/profile_values.h"
#include "services/cardcore.h"

#include <QDialog>

#include <memory>

class QLineEdit;
class QMenuBar;

namespace Ui {
class ProfileEditorDialog;
}

namespace profiles {

class EditorPages;

class ProfileEditorDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Selection, Manager };

    // `record` receives the chosen profile in selection mode (may be null in
    // manager mode). The recordset is the profile list's; it stays open for
    // the dialog's lifetime and is closed by its opener.
    ProfileEditorDialog(CdbRecordset recordset, Mode mode, STRUCT_laundry_setup* record,
                        QWidget* parent = nullptr);
    ~ProfileEditorDialog() override;

    // True once a profile was chosen and the record filled.
    bool chosen() const { return chosen_; }
    // The profile last loaded into the editor ("" when none was).
    QString currentProfileName() const { return currentName_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Handlers.
    void onListSelectionChanged();
    void onListDoubleClicked();
    void onAdd();
    void onEdit();
    void onClone();
    void onDelete();
    void onUpdateOrSelect();
    void onCancel();
    void onExit();
    void onTypeChanged();
    void onSortColumn(int column);
    void onTokensClicked();
    void onCheckLocationClicked();
    // Checks on leaving an edit.
    void leavePrice(QLineEdit* edit);
    void leaveMaxCardValue();

    // Opening.
    void tagControls();
    void applyMode();
    void createMenu();
    void connectControls();

    // Rows.
    void refillList();
    // Positions the recordset on row `row` and loads it (Load row).
    bool positionAndLoad(int row);
    bool loadRow(int row);
    int selectedRow() const;
    void selectRow(int row);
    QString nameInRow(int row) const;

    // States.
    void enterViewingState();
    void enterEditMode();
    void applyEditControls();
    void showPrices(bool visible);
    void applyCheckLocationRule();
    bool refuseWhileEditing();

    // Values.
    int currentCode() const;
    void showValues();
    void readControls();
    void readMoney(QLineEdit* edit, Currency& value);

    // Update and Select.
    bool validate();
    bool checkPage(int code);
    void save();
    void select();

    std::unique_ptr<Ui::ProfileEditorDialog> ui_;
    std::unique_ptr<EditorPages> pages_;
    QMenuBar* menuBar_ = nullptr;
    ProfileStore store_;
    Mode mode_;
    STRUCT_laundry_setup* record_;

    CommonValues values_;
    bool tokensSupported_ = true;
    int selection_ = -1;   // the current list selection
    QString currentName_;  // last loaded or chosen
    QString previousName_; // for the uniqueness check
    bool chosen_ = false;
    cardcore::ListSort sort_;
    bool adding_ = false;
    bool editing_ = false;
    bool listChanging_ = false; // sorting or refilling: selection changes load nothing
    bool leavingField_ = false; // a check on leaving a field is running
};

} // namespace profiles
