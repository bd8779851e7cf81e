#include "services/keyring.h"

#include "card/card_keys.h"
#include "card/fault_injection.h"

namespace keyring {

uint8_t ChipID = 0;
uint8_t pomCard = 0;

bool LoadKeys()
{
    if (card::faults::onCall(card::FaultKind::LoadKeys))
        return false;
    card::keystore::loadManagement();
    return true;
}

void LoadZQKeys()
{
    if (card::faults::onCall(card::FaultKind::LoadZQKeys))
        return;
    card::keystore::loadFactory();
}

} // namespace keyring
