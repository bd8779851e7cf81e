// Update (checks, then the save), Select (the record conversion) and the
// checks on leaving the price and Max Card Value edits.
#include "profiles/card_limits.h"
#include "profiles/editor_rules.h"
#include "profiles/profile_editor_session.h"
#include "profiles/profile_rows.h"
#include "profiles/record_conversion.h"
#include "profiles/refusal.h"
#include "services/prompt.h"

namespace profiles {
namespace {

constexpr char kInvalidDataCaption[] = "Invalid Data Entered";
constexpr char kInvalidDataText[] = "Error in input data. Correct data before updating changes.";
constexpr char kInvalidLgDataText[] =
    "Error in input data. Correct data before updating changes. TRC#072501";

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

} // namespace

void ProfileEditorSession::updateOrSelect()
{
    if (mode_ == Mode::Selection) {
        select();
        return;
    }
    if ((adding_ || editing_) && validate())
        save();
}

bool ProfileEditorSession::validate()
{
    readControls();
    pages_.readValues(values_.typeCode);
    values_.name = withoutTrailingBlanks(values_.name);
    view_.entry.name = values_.name;
    if (const Check refusal = checkProfileName(values_.name, previousName_, rowNames(view_.rows))) {
        showRefusal(*refusal);
        focus({EditorFocus::Target::Name, true});
        return false;
    }
    if (!view_.controls.pricesReadOnly && !setup::pricesInNickels(values_.typeCode))
        for (const bool vend : {true, false}) {
            const PriceCheck check = checkPriceText(
                vend ? view_.entry.vendPrice : view_.entry.topoffPrice,
                vend ? kIdVendPrice : kIdTopoffPrice, vend ? kColVendPrice : kColTopoffPrice);
            if (check.refusal) {
                showRefusal(*check.refusal);
                focus({vend ? EditorFocus::Target::VendPrice : EditorFocus::Target::TopoffPrice});
                return false;
            }
        }
    if (const Check refusal = checkCommonCardLimits(values_)) {
        showRefusal(*refusal);
        if (refusal->control == kIdVendPrice)
            focus({EditorFocus::Target::VendPrice});
        else if (refusal->control == kIdTopoffPrice)
            focus({EditorFocus::Target::TopoffPrice});
        return false;
    }
    return checkPage(values_.typeCode);
}

bool ProfileEditorSession::checkPage(int code)
{
    PageRules* rules = pages_.rules(code);
    if (rules == nullptr)
        return true;
    const auto focusRefused = [this, code](const Refusal& refusal) {
        if (refusal.control >= 0)
            focus({EditorFocus::Target::PageControl, true, code, refusal.control});
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
        promptui::MessageBox(
            QString::fromLatin1(code == setup::kLg ? kInvalidLgDataText : kInvalidDataText),
            QString::fromLatin1(kInvalidDataCaption),
            promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
        return false;
    }
    case setup::kMaytagMarlin:
    case setup::kMaytagQuicksilver:
    case setup::kMaytagMhn33: {
        // The field's own message, then the tab dialog's.
        const Check refusal = rules->checkFields();
        if (!refusal)
            return true;
        showRefusal(*refusal);
        focusRefused(*refusal);
        showRefusal(*rules->checkBeforeSave());
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

void ProfileEditorSession::save()
{
    const PageRules* rules = pages_.rules(values_.typeCode);
    const ColumnValues columns = rules ? rules->columns() : ColumnValues{};
    const ProfileStore::Saved saved =
        store_.save(values_, columns, adding_ ? SaveMode::Add : SaveMode::Edit);
    if (saved == ProfileStore::Saved::DuplicateName)
        focus({EditorFocus::Target::Name, true});
    if (saved != ProfileStore::Saved::Yes)
        return;
    adding_ = false;
    editing_ = false;
    refillList();
    if (!positionAndLoad(rowOfName(view_.rows, values_.name)))
        enterViewingState();
}

void ProfileEditorSession::select()
{
    if (view_.selectedRow < 0) {
        promptui::MessageBox(
            QStringLiteral("No Profile Selected!\nYou must first select a profile from the list."),
            QStringLiteral("INPUT ERROR: Profile Selection"),
            promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
        return;
    }
    readControls();
    pages_.readValues(values_.typeCode);
    const PageRules* rules = pages_.rules(values_.typeCode);
    if (record_ == nullptr || rules == nullptr)
        return;
    if (!transferDialogToRecord(values_, *rules, *record_))
        return;
    currentName_ = values_.name;
    chosen_ = true;
    closing_ = Closing::Accepted;
}

// --- Checks on leaving a field -------------------------------------------------

void ProfileEditorSession::leavePrice(EntryText field)
{
    if (view_.controls.pricesReadOnly)
        return;
    const bool vend = field == EntryText::VendPrice;
    Currency& value = vend ? values_.vendPrice : values_.topoffPrice;
    QString& text = vend ? view_.entry.vendPrice : view_.entry.topoffPrice;
    const int control = vend ? kIdVendPrice : kIdTopoffPrice;
    const char* column = vend ? kColVendPrice : kColTopoffPrice;
    const auto refuse = [&](const Refusal& refusal) {
        showRefusal(refusal);
        focus({vend ? EditorFocus::Target::VendPrice : EditorFocus::Target::TopoffPrice});
    };
    if (!setup::pricesInNickels(currentCode())) {
        // Bad text stays as typed, with the reason, until it is corrected.
        const PriceCheck check = checkPriceText(text, control, column);
        if (check.refusal) {
            refuse(*check.refusal);
            return;
        }
        value = check.amount;
        text = editorMoneyText(value);
        return;
    }
    const std::optional<Currency> entered = Currency::parse(text.trimmed());
    if (const Check refusal = checkNickelPrice(entered.value_or(Currency{}), control, column)) {
        refuse(*refusal);
        return;
    }
    value = *entered;
    text = editorMoneyText(value);
}

void ProfileEditorSession::leaveMaxCardValue()
{
    if (!view_.controls.maxCardValueEnabled)
        return;
    // Text that is no amount is no value above $0.
    const Currency entered =
        Currency::parse(view_.entry.maxCardValue.trimmed()).value_or(Currency{});
    const MaxCardValueCheck check = checkMaxCardValue(entered);
    for (const Refusal& refusal : check.messages)
        showRefusal(refusal);
    values_.maxCardValue = check.value;
    view_.entry.maxCardValue = editorMoneyText(check.value);
}

} // namespace profiles
