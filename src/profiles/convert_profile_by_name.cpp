// The editor's Select without the editor: a host without a display names
// the profile to turn into a setup record.
#include "profiles/page_catalogue.h"
#include "profiles/profile_selection.h"
#include "profiles/profile_table.h"
#include "profiles/record_conversion.h"
#include "services/cardcore.h"
#include "services/prompt.h"

#include <memory>

namespace profiles {
namespace {

const char kReaderManagerErrorCaption[] = "ERROR: Reader Manager";

void showError(const QString& text, const char* caption, unsigned icon = 0)
{
    promptui::MessageBox(text, QString::fromLatin1(caption), promptui::MB_OK | icon);
}

} // namespace

uint8_t convertProfileByName(const QString& name, STRUCT_laundry_setup& record)
{
    // Every row, type 3 included: the editor never lists Tovan2000 Cycle Setup
    // profiles, so naming one here is the way to its setup card.
    ProfileTable table;
    if (!table.open(ProfileTable::Rows::All))
        return 0;
    ProfileStore& store = table.store();

    // A name that could not be saved cannot be in the table, and it never
    // reaches a filter text.
    const bool nameAllowed =
        !name.isEmpty() && !name.contains(u'\'') && !name.contains(u'"') && !name.contains(u'|');
    bool found = false;
    try {
        found = nameAllowed && store.positionOn(name);
    } catch (const CdbException& error) {
        showError(daoErrorText(error), kReaderManagerErrorCaption, promptui::MB_ICONERROR);
        return 0;
    }
    if (!found) {
        showError(QStringLiteral("The reader setup profile \"%1\" was not found in the database.")
                      .arg(name),
                  kReaderManagerErrorCaption, promptui::MB_ICONERROR);
        return 0;
    }
    ProfileValues values;
    if (!store.loadCurrent(values))
        return 0;
    // As in the editor: an installation without tokens never enables them.
    if (!cardcore::GetTokensEnabled())
        values.common.enableTokens = false;

    const std::unique_ptr<PageRules> page = makePageRules(values.common.typeCode);
    page->load(values.columns);
    if (const Check refusal = page->checkFields()) {
        showRefusal(*refusal);
        return 0;
    }
    return transferDialogToRecord(values.common, *page, record) ? 1 : 0;
}

} // namespace profiles
