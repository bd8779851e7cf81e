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
