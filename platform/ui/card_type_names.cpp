// Names of the card types the laundry system writes and reads, as the
// operator sees them in questions ("Current Card:\t...") and titles.
#include "laundry/card_types.h"
#include "services/progress.h"

namespace promptui {

QString StrCardtype(uint8_t cardType)
{
    if (const char* name = laundry::cardTypeName(cardType))
        return QString::fromLatin1(name);
    return QStringLiteral("Unknown Card Type (%1)").arg(cardType);
}

} // namespace promptui
