// The session's values: the entry the controls show, what the operator
// types and ticks there, and the option pages' values beside them.
#include "profiles/profile_editor_session.h"

#include "setup/profile_types.h"

namespace profiles {
namespace {

// Text that is no amount leaves the value as it was.
void readMoney(const QString& text, Currency& value)
{
    if (const std::optional<Currency> parsed = Currency::parse(text.trimmed()))
        value = *parsed;
}

} // namespace

int selectorIndexOf(int code)
{
    return setup::isValidProfileType(code) ? setup::codeToSelectorIndex(code) : 0;
}

QString editorMoneyText(Currency amount)
{
    const qint64 units = amount.units();
    return QString::asprintf("$%d.%02d", int(units / Currency::kUnitsPerDollar),
                             int(qAbs(units % Currency::kUnitsPerDollar) / 100));
}

// --- Values ------------------------------------------------------------------

// The edits hold what their length limits let them.
void ProfileEditorSession::showValues()
{
    EntryFields& entry = view_.entry;
    entry.name = values_.name.left(kProfileNameMaxLength);
    entry.typeCode = setup::selectorIndexToCode(selectorIndexOf(values_.typeCode));
    entry.vendPrice = editorMoneyText(values_.vendPrice);
    entry.topoffPrice = editorMoneyText(values_.topoffPrice);
    entry.maxCardValue = editorMoneyText(values_.maxCardValue).left(kMaxCardValueMaxLength);
    entry.enableTokens = tokensSupported_ && values_.enableTokens;
    entry.clearCounters = values_.clearCounters;
    entry.checkLocation = values_.checkLocation;
    entry.locationClustering = values_.locationClustering;
    entry.userTransaction = values_.userTransactionCollection;
}

void ProfileEditorSession::readControls()
{
    const EntryFields& entry = view_.entry;
    values_.name = entry.name;
    values_.typeCode = entry.typeCode;
    readMoney(entry.vendPrice, values_.vendPrice);
    readMoney(entry.topoffPrice, values_.topoffPrice);
    readMoney(entry.maxCardValue, values_.maxCardValue);
    values_.enableTokens = tokensSupported_ && entry.enableTokens;
    values_.clearCounters = entry.clearCounters;
    values_.checkLocation = entry.checkLocation;
    values_.locationClustering = entry.locationClustering;
    values_.userTransactionCollection = entry.userTransaction;
}

void ProfileEditorSession::typeText(EntryText field, const QString& text)
{
    EntryFields& entry = view_.entry;
    switch (field) {
    case EntryText::Name:
        entry.name = text.left(kProfileNameMaxLength);
        break;
    case EntryText::VendPrice:
        entry.vendPrice = text;
        break;
    case EntryText::TopoffPrice:
        entry.topoffPrice = text;
        break;
    case EntryText::MaxCardValue:
        entry.maxCardValue = text.left(kMaxCardValueMaxLength);
        break;
    }
}

void ProfileEditorSession::tick(EntryBox box, bool checked)
{
    EntryFields& entry = view_.entry;
    switch (box) {
    case EntryBox::EnableTokens:
        entry.enableTokens = checked;
        tokensClicked();
        break;
    case EntryBox::ClearCounters:
        entry.clearCounters = checked;
        break;
    case EntryBox::CheckLocation:
        entry.checkLocation = values_.checkLocation = checked;
        applyCheckLocationRule();
        break;
    case EntryBox::LocationClustering:
        entry.locationClustering = checked;
        break;
    case EntryBox::UserTransaction:
        entry.userTransaction = checked;
        break;
    }
}

// --- Pages -------------------------------------------------------------------

void ProfileEditorSession::resetPage(int code)
{
    if (PageRules* rules = pages_.rules(code))
        rules->reset();
    pages_.showValues(code);
}

// -1 resets them all.
void ProfileEditorSession::resetPagesExcept(int keep)
{
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        if (code != keep)
            resetPage(code);
}

void ProfileEditorSession::showPageValues()
{
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        pages_.showValues(code);
}

// What the operator typed on the page stays: read it before the page's rules
// react, show the result after.
void ProfileEditorSession::setPageTokens(int code, bool on)
{
    pages_.readValues(code);
    if (PageRules* rules = pages_.rules(code))
        rules->setTokens(on);
    pages_.showValues(code);
}

void ProfileEditorSession::tokensClicked()
{
    const bool on = view_.entry.enableTokens;
    values_.enableTokens = on;
    const int code = currentCode();
    switch (code) {
    case setup::kSpeedQueenMdc:
        // The Gen2 Advanced tab pages hear of it as well as the MDC page.
        setPageTokens(setup::kMaytagGen2Advanced, on);
        setPageTokens(code, on);
        break;
    case setup::kMaytagGen2Advanced:
    case setup::kLg:
    case setup::kAllianceQuantumAca:
    case setup::kMaytagMarlin:
    case setup::kMaytagQuicksilver:
    case setup::kMaytagMhn33:
        setPageTokens(code, on);
        break;
    default:
        break;
    }
}

} // namespace profiles
