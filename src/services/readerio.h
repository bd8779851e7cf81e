// Power and presence of the card in the reader.
#pragma once

namespace readerio {

enum POWER { POWER_OFF = 0, POWER_ON = 1 };

// POWER_ON powers the card on, POWER_OFF off. False when there is no card
// to power on.
bool PowerCard(int power);
bool CardInserted();

} // namespace readerio
