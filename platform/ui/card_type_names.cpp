// Names of the card types the laundry system writes and reads, as the
// operator sees them in questions ("Current Card:\t...") and titles.
#include "services/progress.h"

namespace promptui {

QString StrCardtype(uint8_t cardType)
{
    switch (cardType) {
    case 0x00:
        return QStringLiteral("Blank Card");
    case 0xFF:
        return QStringLiteral("New Card");
    case 0xB0:
        return QStringLiteral("Price Special Card");
    case 0xBE:
        return QStringLiteral("Restriction Time Card");
    case 180:
        return QStringLiteral("Tovan2000 Setup Card");
    case 181:
        return QStringLiteral("Tovan2000 Cycle Setup Card");
    case 184:
        return QStringLiteral("Retrofit Setup Card");
    case 185:
        return QStringLiteral("Maytag Gen2 Advanced Setup Card");
    case 187:
        return QStringLiteral("Maytag Gen2 Setup Card");
    case 192:
        return QStringLiteral("Advantech Setup Card");
    case 193:
        return QStringLiteral("Speed Queen/Huebsch MDC Setup Card");
    case 197:
        return QStringLiteral("LG Setup Card");
    case 198:
        return QStringLiteral("Alliance Quantum/ACA Setup Card");
    case 199:
        return QStringLiteral("Maytag Marlin/MHN33 Setup Card");
    case 200:
        return QStringLiteral("Wascomat Setup Card");
    case 201:
        return QStringLiteral("Maytag Quicksilver Setup Card");
    case 202:
        return QStringLiteral("Generic Setup Card");
    case 210:
        return QStringLiteral("Reader Data Collection Card");
    case 212:
        return QStringLiteral("Manual Data Collection Card");
    case 215:
        return QStringLiteral("Complex (Stacked Machine) Data Collection Card");
    case 217:
        return QStringLiteral("Advanteck Data Collection Card");
    default:
        return QStringLiteral("Unknown Card Type (%1)").arg(cardType);
    }
}

} // namespace promptui
