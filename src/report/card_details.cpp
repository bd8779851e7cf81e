#include "report/card_details.h"

#include "setup/card_type_registry.h"

namespace report {

void appendCardDetails(uint16_t cardType, QString& text)
{
    // Unknown codes append nothing and show nothing.
    const setup::CardTypeEntry* entry = setup::cardTypeEntry(cardType);
    if (entry && entry->report)
        entry->report(text);
}

} // namespace report
