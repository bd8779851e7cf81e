#include "card_summary.h"
#include "shown_path.h"

#include "card/card_dump.h"
#include "services/progress.h"

#include <QDir>

namespace readermanager {

CardSummary summarizeCard(const QString& filePath, const card::CardState* card)
{
    CardSummary summary;
    if (card == nullptr) {
        summary.file = QString::fromLatin1(kNoCardText);
        return summary;
    }
    summary.file = shownPath(filePath);
    const QString number = QStringLiteral("(%1)").arg(card->cardType());
    const QString name = promptui::StrCardtype(card->cardType());
    // Names of unknown types carry the number already.
    summary.type = name.endsWith(number) ? name : name + QLatin1Char(' ') + number;
    summary.customerId = QString::number(card->custId());
    summary.version = QString::number(card->version());
    summary.chip =
        card->pom ? QStringLiteral("%1 (POM)").arg(card->chip) : QString::number(card->chip);
    summary.contents = card::cardToText(*card);
    return summary;
}

} // namespace readermanager
