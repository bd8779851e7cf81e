// The operator's actions on the list and the menu: choosing a row, Add,
// Edit, Clone, Delete, Cancel, a type change, sorting and the Tokens box.
#include "profiles/profile_editor_session.h"

#include "profiles/profile_rows.h"
#include "services/prompt.h"

namespace profiles {
namespace {

using promptui::MB_DEFBUTTON2;
using promptui::MB_ICONERROR;
using promptui::MB_ICONEXCLAMATION;
using promptui::MB_ICONQUESTION;
using promptui::MB_OK;
using promptui::MB_YESNO;

constexpr char kErrorCaption[] = "ERROR: Reader Manager";
constexpr char kAreYouSureCaption[] = "Are you sure?";

int message(const QString& text, const char* caption, unsigned flags)
{
    return promptui::MessageBox(text, QString::fromLatin1(caption), flags);
}

} // namespace

bool ProfileEditorSession::refuseWhileEditing()
{
    if (!adding_ && !editing_)
        return false;
    message(
        QStringLiteral("You are currently editing a profile, please press Update or Cancel first."),
        "Cannot Edit Now", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void ProfileEditorSession::highlightRow(int row)
{
    view_.selectedRow = row;
    if (row < 0 || row == selection_)
        return;
    selection_ = row;
    if (!store_.findByName(nameInRow(row)))
        return;
    resetPagesExcept(-1);
    loadRow(row);
}

void ProfileEditorSession::doubleClickRow()
{
    if (mode_ == Mode::Selection)
        select();
    else
        edit();
}

void ProfileEditorSession::add()
{
    if (refuseWhileEditing())
        return;
    const int code = currentCode();
    values_ = newProfileValues(code);
    if (!tokensSupported_)
        values_.enableTokens = false;
    resetPagesExcept(-1);
    showValues();
    view_.shownPage = code;
    previousName_ = values_.name;
    adding_ = true;
    enterEditMode();
    view_.controls.listEnabled = false;
    focus({EditorFocus::Target::Name});
}

void ProfileEditorSession::edit()
{
    if (refuseWhileEditing())
        return;
    const int row = view_.selectedRow;
    if (row < 0 || !store_.findByName(nameInRow(row))) {
        message(QStringLiteral("No current record to edit"), kErrorCaption, MB_OK | MB_ICONERROR);
        return;
    }
    resetPagesExcept(currentCode());
    enterEditMode();
    focus({EditorFocus::Target::Name});
}

void ProfileEditorSession::clone()
{
    if (refuseWhileEditing())
        return;
    resetPagesExcept(currentCode());
    values_.name.clear();
    view_.entry.name.clear();
    previousName_.clear();
    adding_ = true;
    enterEditMode();
    // A row picked from the list now would be saved as a new row under its
    // own name: the list waits, as it does for Add.
    view_.controls.listEnabled = false;
    focus({EditorFocus::Target::Name});
}

void ProfileEditorSession::remove()
{
    if (adding_ || editing_) {
        message(QStringLiteral("You are currently adding/modifying a user.\nPress update or "
                               "cancel before attempting to delete."),
                "Cannot Delete Now", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int row = view_.selectedRow;
    const QString name = nameInRow(row);
    if (row < 0 || !store_.findByName(name)) {
        message(QStringLiteral("No current record found for deletion."), kErrorCaption,
                MB_OK | MB_ICONERROR);
        return;
    }
    if (message(QStringLiteral("Are you sure you want to delete ") + name + QLatin1Char('?'),
                kAreYouSureCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != promptui::IDYES)
        return;
    if (!store_.deleteCurrent())
        return;
    refillList();
    const int next = row < view_.rows.size() ? row : 0;
    if (!positionAndLoad(next)) {
        values_ = CommonValues{};
        showValues();
        enterViewingState();
    }
}

void ProfileEditorSession::cancel()
{
    if (mode_ == Mode::Selection) {
        chosen_ = false;
        closing_ = Closing::Rejected;
        return;
    }
    if (!mayDropChanges())
        return;
    adding_ = false;
    editing_ = false;
    // The tab pages keep state of their own beside their values: start them
    // afresh before the selection loads again.
    resetPage(setup::kMaytagGen2Advanced);
    resetPage(setup::kLg);
    if (!positionAndLoad(selection_ >= 0 ? selection_ : view_.selectedRow))
        showEmptyProfile();
}

// Leaving while a profile is added or edited asks as Cancel does.
void ProfileEditorSession::exit()
{
    if ((adding_ || editing_) && !mayDropChanges())
        return;
    closing_ = Closing::Rejected;
}

bool ProfileEditorSession::mayDropChanges()
{
    return message(QStringLiteral("Do you really want to cancel and lose your changes?"),
                   kAreYouSureCaption,
                   MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == promptui::IDYES;
}

void ProfileEditorSession::changeType(int code)
{
    view_.entry.typeCode = code;
    // What was typed on the page of the old type stays with it.
    pages_.readValues(view_.shownPage);
    pages_.readValues(setup::kMaytagGen2Advanced);
    readControls();
    view_.shownPage = values_.typeCode;
    showValues();
    if (editing_)
        applyEditControls();
    else
        enterViewingState();
}

void ProfileEditorSession::sortBy(int column)
{
    cardcore::SetupSort(sort_, column);
    // The highlighted row stays highlighted where sorting puts it.
    const QList<int> order = sortRows(view_.rows, sort_);
    view_.selectedRow = order.indexOf(view_.selectedRow);
    positionAndLoad(0);
}

} // namespace profiles
