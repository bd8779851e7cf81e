#include "services/readerio.h"

#include "card/fault_injection.h"
#include "card/reader_slot.h"

namespace readerio {

using card::FaultKind;
using card::ReaderSlot;

bool PowerCard(int power)
{
    if (card::faults::onCall(FaultKind::PowerCard))
        return false;
    if (power == POWER_OFF) {
        ReaderSlot::instance().powerOff();
        return true;
    }
    return ReaderSlot::instance().powerOn();
}

bool CardInserted()
{
    if (card::faults::onCall(FaultKind::CardInserted))
        return false;
    return ReaderSlot::instance().hasCard();
}

} // namespace readerio
