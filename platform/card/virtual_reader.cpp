#include "card/virtual_reader.h"

#include "card/card_keys.h"
#include "card/fault_injection.h"
#include "card/layout_target.h"
#include "card/reader_slot.h"
#include "services/cardcore.h"
#include "services/keyring.h"

namespace card {

bool insertCardFile(const QString& path, QString* error, int imageIndex)
{
    const QString failure = ReaderSlot::instance().insert(path, imageIndex);
    if (error != nullptr)
        *error = failure;
    return failure.isEmpty();
}

void eject()
{
    ReaderSlot::instance().eject();
}
bool hasCard()
{
    return ReaderSlot::instance().hasCard();
}
QString cardFilePath()
{
    return ReaderSlot::instance().path();
}
int cardImageIndex()
{
    return ReaderSlot::instance().imageIndex();
}
bool isPowered()
{
    return ReaderSlot::instance().powered();
}
const CardState* insertedCard()
{
    return ReaderSlot::instance().card();
}
QString lastSaveError()
{
    return ReaderSlot::instance().lastSaveError();
}

void resetCardStack()
{
    ReaderSlot::instance().eject();
    resetLayoutTargets();
    faults::reset();
    keystore::reset();
    keyring::ChipID = 0;
    keyring::pomCard = 0;
    cardcore::SetTokensEnabled(true);
}

} // namespace card
