// The session's rows and states: opening, loading a row, and what the
// viewing state and edit mode let the operator change.
#include "profiles/profile_editor_session.h"

#include "profiles/editor_rules.h"
#include "profiles/profile_rows.h"
#include "setup/profile_types.h"

namespace profiles {

ProfileEditorSession::ProfileEditorSession(CdbRecordset recordset, Mode mode, EditorPageSet& pages,
                                           STRUCT_laundry_setup* record)
    : mode_(mode), store_(std::move(recordset)), pages_(pages), record_(record),
      tokensSupported_(cardcore::GetTokensEnabled())
{
    view_.tokensShown = tokensSupported_;
    if (!tokensSupported_)
        values_.enableTokens = false;
}

void ProfileEditorSession::open()
{
    refillList();
    showValues();
    view_.shownPage = currentCode();
    enterViewingState();
    positionAndLoad(0);
}

void ProfileEditorSession::focus(EditorFocus where)
{
    lastFocus_ = where;
    if (focusHandler_)
        focusHandler_(where);
}

// --- Rows --------------------------------------------------------------------

void ProfileEditorSession::refillList()
{
    // A list that cannot be read stays as it was.
    if (std::optional<QList<ProfileRow>> rows = readProfileRows(store_.recordset())) {
        view_.rows = std::move(*rows);
        view_.selectedRow = -1;
        // The recordset lists a row added since it opened last; the list
        // keeps the order its header shows (by name, the query's order,
        // before any sort), so a saved profile lands in its sorted place.
        sortRows(view_.rows,
                 sort_.column >= 0 ? sort_ : cardcore::ListSort{kProfileNameColumn, true});
    }
    selection_ = -1;
}

bool ProfileEditorSession::positionAndLoad(int row)
{
    if (row < 0 || row >= view_.rows.size())
        return false;
    if (!store_.findByName(nameInRow(row)))
        return false;
    return loadRow(row);
}

bool ProfileEditorSession::loadRow(int row)
{
    ProfileValues loaded;
    loaded.common = values_;
    if (!store_.loadCurrent(loaded))
        return false;
    values_ = loaded.common;
    // A type without a selector entry (3) shows, and saves, as the entry's.
    values_.typeCode = setup::selectorIndexToCode(selectorIndexOf(values_.typeCode));
    if (!tokensSupported_)
        values_.enableTokens = false;
    if (PageRules* rules = pages_.rules(values_.typeCode)) {
        rules->load(loaded.columns);
        // The page learns the row's tokens flag as from a click, so that
        // what tokens exclude is greyed from the start and never saved.
        if (setup::enableTokensEditable(values_.typeCode))
            rules->setTokens(values_.enableTokens);
    }

    editing_ = false;
    showValues();
    view_.shownPage = values_.typeCode;
    enterViewingState();
    showPageValues();
    currentName_ = nameInRow(row);
    previousName_ = currentName_;
    selectRow(row);
    return true;
}

void ProfileEditorSession::selectRow(int row)
{
    selection_ = row;
    view_.selectedRow = row;
    focus({EditorFocus::Target::List});
}

QString ProfileEditorSession::nameInRow(int row) const
{
    return row >= 0 && row < view_.rows.size() ? view_.rows[row].value(0) : QString();
}

// --- States ------------------------------------------------------------------

void ProfileEditorSession::enterViewingState()
{
    ControlStates viewing;
    viewing.updateEnabled = viewing.cancelEnabled = mode_ != Mode::Manager;
    viewing.pricesVisible = setup::pricesOnEditor(currentCode());
    view_.controls = viewing;
}

void ProfileEditorSession::enterEditMode()
{
    editing_ = true;
    ControlStates& controls = view_.controls;
    controls.updateEnabled = controls.cancelEnabled = true;
    controls.nameReadOnly = false;
    controls.typeSelectorEnabled = true;
    applyEditControls();
}

// What edit mode enables depends on the type: run again when it changes.
void ProfileEditorSession::applyEditControls()
{
    const int code = currentCode();
    const EditControls rules = editControlsFor(code, view_.entry.checkLocation);
    ControlStates& controls = view_.controls;
    controls.maxCardValueEnabled = rules.maxCardValue;
    controls.enableTokensEnabled = rules.enableTokens;
    if (!rules.enableTokens)
        view_.entry.enableTokens = false;
    controls.clearCountersEnabled = controls.checkLocationEnabled = rules.commonChecks;
    controls.userTransactionEnabled = rules.userTransaction;
    if (code == setup::kTovan2000)
        view_.entry.userTransaction = false;
    controls.pricesReadOnly = !rules.pricesEditable;
    controls.pricesVisible = rules.pricesVisible;
    controls.editablePage = code;
    applyCheckLocationRule();
}

void ProfileEditorSession::applyCheckLocationRule()
{
    const bool allowed =
        editControlsFor(currentCode(), view_.entry.checkLocation).locationClustering;
    view_.controls.locationClusteringEnabled = allowed;
    if (!allowed)
        view_.entry.locationClustering = false;
}

// A table left without rows shows a profile's defaults.
void ProfileEditorSession::showEmptyProfile()
{
    values_ = CommonValues{};
    showValues();
    view_.shownPage = currentCode();
    enterViewingState();
}

} // namespace profiles
