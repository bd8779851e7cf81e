// Shows one DC record in the read-only view that suits it.
#pragma once

#include "datacollection/dc_view_content.h"

namespace datacollection {

// Builds the record's view and runs its dialog modally (promptui::runDialog);
// a record without a view shows nothing, an Advanteck record whose
// card-holder tables cannot be opened only the message saying so.
void showDcRecordView(const GenericDCRec& record, bool tokensEnabled,
                      const CardHolderResolver& resolveHolder);

} // namespace datacollection
