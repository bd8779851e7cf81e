// Exported card details report.
#include "exports/module_state.h"
#include "laundry/laundry.h"
#include "report/card_details.h"

extern "C" {

void GetCardDetails(uint16_t cardType, QString& text)
{
    exports::ModuleState state;
    report::appendCardDetails(cardType, text);
}

} // extern "C"
