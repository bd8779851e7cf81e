#include "card/card_status.h"

#include "services/cardlayout.h"
#include "services/dc_records.h"

namespace card {

QString statusText(uint8_t status)
{
    switch (status) {
    case kStatusOk:
        return QStringLiteral("success");
    case kStatusNoCard:
        return QStringLiteral("no card in the reader");
    case kStatusNotPowered:
        return QStringLiteral("card is not powered");
    case kStatusNotInitialised:
        return QStringLiteral("card is not initialised");
    case kStatusOutOfRange:
        return QStringLiteral("offset or length out of range");
    case kStatusNotOpen:
        return QStringLiteral("card image is not open");
    case kStatusSaveFailed:
        return QStringLiteral("card image file could not be saved");
    case kStatusNoKeys:
        return QStringLiteral("no management key set loaded");
    case kStatusWrongChip:
        return QStringLiteral("operation not supported by this chip");
    case kStatusBadArgument:
        return QStringLiteral("missing buffer or out value");
    case kStatusForeignImage:
        return QStringLiteral("card image of another card library");
    case kStatusCardNotValid:
        return QStringLiteral("card is not valid");
    // A duplicate case label would not compile, so no card status shares 112.
    case cardlayout::kStatusWrongSetupCardType:
        return QStringLiteral("setup card of another type");
    case cardlayout::kStatusNotDcCardType:
        return QStringLiteral("no data collection card type");
    case cardcore::kStatusDcBadLength:
        return QStringLiteral("DC card length is not a whole number of records");
    case cardcore::kStatusDcBadRecord:
        return QStringLiteral("DC card holds a record of another kind");
    case kStatusNotDcCard:
        return QStringLiteral("card does not take this machine's records");
    case kStatusWrongCustomer:
        return QStringLiteral("DC card of another customer");
    case kStatusDcCardFull:
        return QStringLiteral("DC card is full");
    default:
        return QStringLiteral("error %1").arg(status);
    }
}

} // namespace card
