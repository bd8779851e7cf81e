// The workflow of the "Reader Profile" editor without widgets: loading rows,
// Add, Edit, Clone, Delete, Cancel, Update, Select, type changes, sorting and
// the checks on leaving a field. It works on the profile list's recordset,
// asks and tells through the prompt service and keeps what the widgets show
// as an EditorView; the dialog forwards the operator's actions and copies the
// view onto its controls.
#pragma once

#include "laundry/laundry_setup.h"
#include "profiles/editor_page_set.h"
#include "profiles/editor_view.h"
#include "profiles/profile_store.h"
#include "services/cardcore.h"

#include <functional>

namespace profiles {

// Money as the editor shows it: whole dollars, then the cents.
QString editorMoneyText(Currency amount);
// The type selector's entry of a code; code 3, which has none, shows as
// Tovan2000's.
int selectorIndexOf(int code);

class ProfileEditorSession {
public:
    enum class Mode { Selection, Manager };
    enum class Closing { No, Accepted, Rejected };
    using FocusHandler = std::function<void(const EditorFocus&)>;

    // `record` receives the chosen profile in selection mode (may be null in
    // manager mode); `pages` outlives the session.
    ProfileEditorSession(CdbRecordset recordset, Mode mode, EditorPageSet& pages,
                         STRUCT_laundry_setup* record = nullptr);

    // Called where the focus moves, at that moment (the view is up to date).
    void setFocusHandler(FocusHandler handler) { focusHandler_ = std::move(handler); }

    // Lists the rows and loads row 0.
    void open();

    // The operator's actions.
    void highlightRow(int row); // the list selection changed (-1: none)
    void add();
    void edit();
    void clone();
    void remove();
    void updateOrSelect(); // Update, Select, Enter or Space in the list
    void doubleClickRow(); // Select in selection mode, else Edit
    void cancel();
    void exit();
    void changeType(int code);
    void sortBy(int column);
    void typeText(EntryText field, const QString& text);
    void tick(EntryBox box, bool checked); // Tokens and Check Location apply their rules
    void leavePrice(EntryText field);      // VendPrice or TopoffPrice
    void leaveMaxCardValue();

    const EditorView& view() const { return view_; }
    const cardcore::ListSort& sort() const { return sort_; }
    Mode mode() const { return mode_; }
    bool adding() const { return adding_; }
    bool editing() const { return editing_; }
    bool chosen() const { return chosen_; }
    Closing closing() const { return closing_; }
    // The profile last loaded or chosen ("" when none was).
    QString currentName() const { return currentName_; }
    // Where the focus went last.
    const EditorFocus& lastFocus() const { return lastFocus_; }

private:
    // Asks whether the profile being added or edited may be dropped (No is
    // the default answer).
    bool mayDropChanges();
    // Rows.
    void refillList();
    bool positionAndLoad(int row);
    bool loadRow(int row);
    void selectRow(int row);
    QString nameInRow(int row) const;

    // States.
    void enterViewingState();
    void enterEditMode();
    void applyEditControls();
    void applyCheckLocationRule();
    bool refuseWhileEditing();
    void showEmptyProfile();
    void focus(EditorFocus where);

    // Values.
    int currentCode() const { return view_.entry.typeCode; }
    void showValues();
    void readControls();

    // Pages.
    void resetPage(int code);
    void resetPagesExcept(int keep);
    void showPageValues();
    void setPageTokens(int code, bool on);
    void tokensClicked();

    // Update and Select.
    bool validate();
    bool checkPage(int code);
    void save();
    void select();

    Mode mode_;
    ProfileStore store_;
    EditorPageSet& pages_;
    STRUCT_laundry_setup* record_;
    FocusHandler focusHandler_;

    EditorView view_;
    CommonValues values_;
    bool tokensSupported_ = true;
    int selection_ = -1;   // the row last handled; the view's is the highlighted one
    QString currentName_;  // last loaded or chosen
    QString previousName_; // for the uniqueness check
    bool chosen_ = false;
    Closing closing_ = Closing::No;
    cardcore::ListSort sort_;
    bool adding_ = false;
    bool editing_ = false;
    EditorFocus lastFocus_;
};

} // namespace profiles
