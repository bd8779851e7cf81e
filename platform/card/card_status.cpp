#include "card/card_status.h"

#include "services/cardlayout.h"

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
    default:
        return QStringLiteral("error %1").arg(status);
    }
}

} // namespace card
