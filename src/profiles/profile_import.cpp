// The import of a profile file: every profile is checked by the editor's own
// rules first, and a file without a single refusal is stored in one
// transaction, all of it or nothing.
#include "profiles/card_limits.h"
#include "profiles/editor_rules.h"
#include "profiles/page_catalogue.h"
#include "profiles/profile_json.h"
#include "profiles/profile_table.h"
#include "profiles/savable_common.h"
#include "services/prompt.h"
#include "setup/profile_types.h"

#include <memory>
#include <optional>
#include <vector>

namespace profiles {
namespace {

struct CheckedProfile {
    CommonValues common;
    ColumnValues columns; // as the page saves them
};

class ProfileChecker {
public:
    ProfileChecker(const QString& label, QList<ImportRefusal>& refusals)
        : label_(label), refusals_(refusals)
    {
    }

    void refuse(const Refusal& refusal, const QString& fallbackColumn)
    {
        refusals_.append(
            {label_, refusal.column.isEmpty() ? fallbackColumn : refusal.column, refusal.message});
    }
    void refuse(const Check& check, const QString& fallbackColumn)
    {
        if (check)
            refuse(*check, fallbackColumn);
    }

private:
    QString label_;
    QList<ImportRefusal>& refusals_;
};

bool typeKeeps(int code, const char* column)
{
    for (const ProfileColumn& c : typeColumns(code))
        if (qstrcmp(c.name, column) == 0)
            return true;
    return false;
}

// The editor's Update checks and the field limits of the type's page.
// `takenNames` holds the names already in the table and those earlier in the
// file. The page's values come back for the save.
CheckedProfile checkProfile(const ProfileValues& values, const QStringList& takenNames,
                            ProfileChecker& checker)
{
    const CommonValues& common = values.common;
    const int code = common.typeCode;
    const QString nameColumn = QString::fromLatin1(kColProfileName);
    if (common.name.size() > kProfileNameMaxLength)
        checker.refuse(Refusal{nameColumn, kIdProfileName,
                               QStringLiteral("A profile name has at most %1 characters.")
                                   .arg(kProfileNameMaxLength)},
                       nameColumn);
    else
        checker.refuse(checkProfileName(common.name, QString(), takenNames), nameColumn);

    // An import refuses what the editor corrects with the same message.
    if (setup::maxCardValueEditable(code))
        for (const Refusal& message : checkMaxCardValue(common.maxCardValue).messages)
            checker.refuse(message, QString::fromLatin1(kColMaxCardValue));

    // Nickel prices: the vend price, and the top-off price where the type's
    // page keeps one (LG). A Gen2 Advanced profile has no top-off price to enter.
    if (setup::pricesInNickels(code)) {
        checker.refuse(checkNickelPrice(common.vendPrice, kIdVendPrice, kColVendPrice),
                       QString::fromLatin1(kColVendPrice));
        if (typeKeeps(code, kColTopoffPrice))
            checker.refuse(checkNickelPrice(common.topoffPrice, kIdTopoffPrice, kColTopoffPrice),
                           QString::fromLatin1(kColTopoffPrice));
    }

    // What edit mode would have cleared, and money the card cannot carry.
    for (const Refusal& refusal : checkSavableCommon(common))
        checker.refuse(refusal, refusal.column);
    checker.refuse(checkCommonCardLimits(common), QString::fromLatin1(kColVendPrice));

    const std::unique_ptr<PageRules> page = makePageRules(code);
    page->load(values.columns);
    checker.refuse(page->checkFields(), page->pageName());
    checker.refuse(page->checkBeforeSave(), page->pageName());
    checker.refuse(page->checkTokens(common.enableTokens), page->pageName());
    return {common, page->columns()};
}

void showImportError(const CdbException& error)
{
    promptui::MessageBox(
        QStringLiteral("Error adding new profile to database.\n") + daoErrorText(error),
        QStringLiteral("ERROR: Reader Manager"), promptui::MB_OK | promptui::MB_ICONERROR);
}

// Checks every profile of the file against the names `taken` (those of the
// table and those earlier in the file) and collects the refusals.
std::vector<CheckedProfile> checkAll(const QJsonArray& profiles, QStringList taken,
                                     QList<ImportRefusal>& refusals)
{
    std::vector<CheckedProfile> checked;
    for (int i = 0; i < profiles.size(); ++i) {
        ParsedProfile parsed = profileFromJson(profiles.at(i), i);
        refusals.append(parsed.refusals);
        if (!parsed.values)
            continue;
        ProfileChecker checker(parsed.label, refusals);
        checked.push_back(checkProfile(*parsed.values, taken, checker));
        taken << parsed.values->common.name;
    }
    return checked;
}

} // namespace

ImportOutcome importProfiles(const QJsonArray& profiles, ProfileTable& table)
{
    ImportOutcome outcome;
    ProfileStore& store = table.store();
    // One transaction: it holds the write lock from the start, so the names
    // read below stay the table's names until the commit (no other program
    // can add one meanwhile), and a failure anywhere stores nothing.
    std::optional<CdbTransaction> transaction;
    try {
        transaction.emplace(table.database());
        table.recordset().Requery();
    } catch (const CdbException& error) {
        showImportError(error);
        outcome.databaseFailed = true;
        return outcome;
    }
    // Every name in the table, type 3 included: an import never adds a second
    // row under a name a profile already has.
    const std::optional<QStringList> stored = store.names();
    if (!stored) {
        outcome.databaseFailed = true;
        return outcome;
    }
    const std::vector<CheckedProfile> checked = checkAll(profiles, *stored, outcome.refusals);
    if (!outcome.refusals.isEmpty())
        return outcome;

    for (const CheckedProfile& profile : checked) {
        const ProfileStore::Saved saved =
            store.save(profile.common, profile.columns, SaveMode::Add);
        if (saved == ProfileStore::Saved::DuplicateName) {
            outcome.refusals.append({profile.common.name, QString::fromLatin1(kColProfileName),
                                     duplicateNameRefusal().message});
            return outcome;
        }
        if (saved != ProfileStore::Saved::Yes) {
            outcome.databaseFailed = true;
            return outcome;
        }
    }
    try {
        transaction->Commit();
    } catch (const CdbException& error) {
        showImportError(error);
        outcome.databaseFailed = true;
        return outcome;
    }
    outcome.stored = int(checked.size());
    return outcome;
}

} // namespace profiles
