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

// A blank or freshly initialised card already answers to the factory keys,
// so loading them changes nothing the simulation keeps; the call is counted
// for fault injection.
void LoadZQKeys()
{
    card::faults::onCall(card::FaultKind::LoadZQKeys);
}

} // namespace keyring
