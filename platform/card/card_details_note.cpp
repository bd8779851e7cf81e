#include "card/card_details_note.h"

namespace card {

QString cardDetailsNote(uint8_t cardType, const QString& report)
{
    if (!report.isEmpty())
        return {};
    // A factory-fresh card reads 0xFF, an initialised one not yet written 0.
    if (cardType == 0xFF || cardType == 0)
        return QStringLiteral("Blank card: it holds no laundry data yet.");
    return QStringLiteral("The card details report decodes no card of type %1.").arg(cardType);
}

} // namespace card
