// The profile editor's operations: the menu, the buttons and the type and
// check box changes, with the checks of Update and the conversion of Select.
#include "profiles/editor_pages.h"
#include "profiles/editor_rules.h"
#include "profiles/option_page_widget.h"
#include "profiles/profile_editor_dialog.h"
#include "profiles/profile_list_control.h"
#include "profiles/record_conversion.h"
#include "profiles/refusal.h"
#include "services/prompt.h"
#include "setup/profile_types.h"
#include "ui_profile_editor_dialog.h"

namespace profiles {
namespace {

using promptui::MB_ICONERROR;
using promptui::MB_ICONEXCLAMATION;
using promptui::MB_ICONQUESTION;
using promptui::MB_OK;
using promptui::MB_YESNO;

constexpr char kErrorCaption[] = "ERROR: Reader Manager";
constexpr char kAreYouSureCaption[] = "Are you sure?";
constexpr char kInvalidDataCaption[] = "Invalid Data Entered";
constexpr char kInvalidDataText[] = "Error in input data. Correct data before updating changes.";
constexpr char kInvalidLgDataText[] =
    "Error in input data. Correct data before updating changes. TRC#072501";

int message(const QString& text, const char* caption, unsigned flags)
{
    return promptui::MessageBox(text, QString::fromLatin1(caption), flags);
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

bool ProfileEditorDialog::refuseWhileEditing()
{
    if (!adding_ && !editing_)
        return false;
    message(
        QStringLiteral("You are currently editing a profile, please press Update or Cancel first."),
        "Cannot Edit Now", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

// --- Menu and button handlers ------------------------------------------------------

void ProfileEditorDialog::onAdd()
{
    if (refuseWhileEditing())
        return;
    const int code = currentCode();
    values_ = newProfileValues(code);
    if (!tokensSupported_)
        values_.enableTokens = false;
    pages_->resetAllExcept(-1);
    showValues();
    pages_->show(code);
    previousName_ = values_.name;
    adding_ = true;
    enterEditMode();
    ui_->profileList->setEnabled(false);
    ui_->profileName->setFocus();
}

void ProfileEditorDialog::onEdit()
{
    if (refuseWhileEditing())
        return;
    const int row = selectedRow();
    if (row < 0 || !store_.findByName(nameInRow(row))) {
        message(QStringLiteral("No current record to edit"), kErrorCaption, MB_OK | MB_ICONERROR);
        return;
    }
    pages_->resetAllExcept(currentCode());
    enterEditMode();
    ui_->profileName->setFocus();
}

void ProfileEditorDialog::onClone()
{
    if (refuseWhileEditing())
        return;
    pages_->resetAllExcept(currentCode());
    values_.name.clear();
    ui_->profileName->clear();
    previousName_.clear();
    adding_ = true;
    enterEditMode();
    // A row picked from the list now would be saved as a new row under its
    // own name: the list waits, as it does for Add.
    ui_->profileList->setEnabled(false);
    ui_->profileName->setFocus();
}

void ProfileEditorDialog::onDelete()
{
    if (adding_ || editing_) {
        message(QStringLiteral("You are currently adding/modifying a user.\nPress update or "
                               "cancel before attempting to delete."),
                "Cannot Delete Now", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int row = selectedRow();
    const QString name = nameInRow(row);
    if (row < 0 || !store_.findByName(name)) {
        message(QStringLiteral("No current record found for deletion."), kErrorCaption,
                MB_OK | MB_ICONERROR);
        return;
    }
    if (message(QStringLiteral("Are you sure you want to delete ") + name + QLatin1Char('?'),
                kAreYouSureCaption, MB_YESNO | MB_ICONQUESTION) != promptui::IDYES)
        return;
    if (!store_.deleteCurrent())
        return;
    refillList();
    const int next = row < ui_->profileList->topLevelItemCount() ? row : 0;
    if (!positionAndLoad(next)) {
        values_ = CommonValues{};
        showValues();
        enterViewingState();
    }
}

void ProfileEditorDialog::onUpdateOrSelect()
{
    if (mode_ == Mode::Selection) {
        select();
        return;
    }
    if ((adding_ || editing_) && validate())
        save();
}

void ProfileEditorDialog::onCancel()
{
    if (mode_ == Mode::Selection) {
        chosen_ = false;
        reject();
        return;
    }
    if (message(QStringLiteral("Do you really want to cancel and lose your changes?"),
                kAreYouSureCaption, MB_YESNO | MB_ICONQUESTION) != promptui::IDYES)
        return;
    adding_ = false;
    editing_ = false;
    // The tab pages keep state of their own beside their values: start them
    // afresh before the selection loads again.
    pages_->reset(setup::kMaytagGen2Advanced);
    pages_->reset(setup::kLg);
    if (!positionAndLoad(selection_ >= 0 ? selection_ : selectedRow())) {
        values_ = CommonValues{};
        showValues();
        pages_->show(currentCode());
        enterViewingState();
    }
}

void ProfileEditorDialog::onExit()
{
    reject();
}

void ProfileEditorDialog::onTypeChanged()
{
    // What was typed on the page of the old type stays with it.
    pages_->readValues(pages_->shownCode());
    pages_->readValues(setup::kMaytagGen2Advanced);
    readControls();
    pages_->show(values_.typeCode);
    showValues();
    if (editing_)
        applyEditControls();
    else
        enterViewingState();
}

void ProfileEditorDialog::onSortColumn(int column)
{
    listChanging_ = true;
    cardcore::SetupSort(sort_, column);
    cardcore::Sort(ui_->profileList, sort_);
    listChanging_ = false;
    positionAndLoad(0);
}

void ProfileEditorDialog::onTokensClicked()
{
    const bool on = ui_->enableTokens->isChecked();
    values_.enableTokens = on;
    const int code = currentCode();
    switch (code) {
    case setup::kSpeedQueenMdc:
        // The Gen2 Advanced tab pages hear of it as well as the MDC page.
        pages_->setTokens(setup::kMaytagGen2Advanced, on);
        pages_->setTokens(code, on);
        break;
    case setup::kMaytagGen2Advanced:
    case setup::kLg:
    case setup::kAllianceQuantumAca:
    case setup::kMaytagMarlin:
    case setup::kMaytagQuicksilver:
    case setup::kMaytagMhn33:
        pages_->setTokens(code, on);
        break;
    default:
        break;
    }
}

void ProfileEditorDialog::onCheckLocationClicked()
{
    values_.checkLocation = ui_->checkLocation->isChecked();
    applyCheckLocationRule();
}

// --- Update and Select ---------------------------------------------------------

bool ProfileEditorDialog::validate()
{
    readControls();
    pages_->readValues(values_.typeCode);
    values_.name = withoutTrailingBlanks(values_.name);
    ui_->profileName->setText(values_.name);
    if (const Check refusal =
            checkProfileName(values_.name, previousName_, listedNames(ui_->profileList))) {
        showRefusal(*refusal);
        ui_->profileName->setFocus();
        ui_->profileName->selectAll();
        return false;
    }
    return checkPage(values_.typeCode);
}

bool ProfileEditorDialog::checkPage(int code)
{
    PageRules* rules = pages_->rules(code);
    if (rules == nullptr)
        return true;
    const auto focusRefused = [this, code](const Refusal& refusal) {
        if (OptionPageWidget* page = pages_->widget(code); page && refusal.control >= 0)
            page->focusControl(refusal.control);
    };
    switch (code) {
    case setup::kTovan2000:
    case setup::kTovan2000CycleSetup:
    case setup::kMaytagGen2:
    case setup::kGeneric:
        // Read without a check.
        return true;
    case setup::kMaytagGen2Advanced:
    case setup::kAdvantech:
    case setup::kLg: {
        Check refusal = rules->checkFields();
        if (!refusal)
            refusal = rules->checkBeforeSave();
        if (!refusal)
            return true;
        showRefusal(*refusal);
        focusRefused(*refusal);
        message(QString::fromLatin1(code == setup::kLg ? kInvalidLgDataText : kInvalidDataText),
                kInvalidDataCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    default:
        // Retrofit, Electromechanical and the pages of codes 9-14 refuse with
        // their own message. The Speed Queen/Huebsch MDC page's check is where
        // its Time of Day Pricing rule (an active day is needed) lives.
        if (const Check refusal = rules->checkBeforeSave()) {
            showRefusal(*refusal);
            focusRefused(*refusal);
            return false;
        }
        return true;
    }
}

void ProfileEditorDialog::save()
{
    const PageRules* rules = pages_->rules(values_.typeCode);
    const ColumnValues columns = rules ? rules->columns() : ColumnValues{};
    const ProfileStore::Saved saved =
        store_.save(values_, columns, adding_ ? SaveMode::Add : SaveMode::Edit);
    if (saved == ProfileStore::Saved::DuplicateName) {
        ui_->profileName->setFocus();
        ui_->profileName->selectAll();
    }
    if (saved != ProfileStore::Saved::Yes)
        return;
    adding_ = false;
    editing_ = false;
    refillList();
    if (!positionAndLoad(rowOfName(ui_->profileList, values_.name)))
        enterViewingState();
}

void ProfileEditorDialog::select()
{
    if (selectedRow() < 0) {
        message(
            QStringLiteral("No Profile Selected!\nYou must first select a profile from the list."),
            "INPUT ERROR: Profile Selection", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    readControls();
    pages_->readValues(values_.typeCode);
    const PageRules* rules = pages_->rules(values_.typeCode);
    if (record_ == nullptr || rules == nullptr)
        return;
    if (!transferDialogToRecord(values_, *rules, *record_))
        return;
    currentName_ = values_.name;
    chosen_ = true;
    accept();
}

} // namespace profiles
