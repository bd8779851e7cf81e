// Exported record viewer: one DC record in the read-only view of its family.
#include "datacollection/card_holder_lookup.h"
#include "datacollection/viewer/dc_viewer.h"
#include "exports/module_state.h"
#include "laundry/dc_store.h"
#include "services/cardcore.h"

namespace {

// The holder of an Advanteck service person's card, from the system
// database's card-holder tables.
std::optional<QString> cardHolderFullName(const QString& key)
{
    if (!datacollection::open_user_tables())
        return std::nullopt;
    datacollection::lookup_card_holder(key); // shows its own failure
    return datacollection::cardHolderNames().full;
}

} // namespace

extern "C" {

void ShowLaundryDcViewer(const GenericDCRec* record)
{
    exports::ModuleState state;
    if (record == nullptr)
        return;
    datacollection::showDcRecordView(*record, cardcore::GetTokensEnabled(), cardHolderFullName);
}

} // extern "C"

std::optional<LaundryDcView> describe_laundry_dc_record(const GenericDCRec* record)
{
    exports::ModuleState state;
    if (record == nullptr)
        return std::nullopt;
    const datacollection::DcViewContent content = datacollection::buildDcViewContent(
        *record, cardcore::GetTokensEnabled(), cardHolderFullName);
    if (content.kind == datacollection::DcViewKind::None ||
        datacollection::showDcViewFailure(content))
        return std::nullopt;
    LaundryDcView view{content.caption, {}};
    for (const datacollection::DcViewField& field : content.fields) {
        if (!field.visible)
            continue;
        // A heading wrapped for the dialog ("Non-   Resettable") reads as one word here.
        const QString column =
            field.column.simplified().replace(QStringLiteral("- "), QStringLiteral("-"));
        const QString value =
            field.suffix.isEmpty() ? field.value : field.value + QLatin1Char(' ') + field.suffix;
        view.fields.append({field.group, column, field.label, value});
    }
    return view;
}
