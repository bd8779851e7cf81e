#include "card_details_text.h"

#include "card/card_details_note.h"
#include "card/virtual_reader.h"
#include "laundry/laundry.h"
#include "services/cardlayout.h"
#include "services/readerio.h"

namespace readermanager {

QString describeInsertedCard()
{
    if (!card::hasCard() || !readerio::PowerCard(readerio::POWER_ON))
        return {};
    QString text;
    uint8_t type = 0;
    if (cardlayout::NIMBOGetCardType(&type) == 0) {
        GetCardDetails(type, text);
        if (const QString note = card::cardDetailsNote(type, text); !note.isEmpty())
            text = note;
    }
    readerio::PowerCard(readerio::POWER_OFF);
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace readermanager
