// Key loading and the chip globals of the inserted card.
#pragma once

#include <cstdint>

namespace keyring {

// Chip family of the inserted card, set by cardfx::ValidateCard:
// 0 management-capable; 1 and 3 cannot be management cards; others unknown.
extern uint8_t ChipID;
// Nonzero marks a card that cannot be a management card.
extern uint8_t pomCard;

// The management key set that CardSetKeys writes.
bool LoadKeys();
// The key set of factory-fresh cards, needed to initialise and validate them.
void LoadZQKeys();

} // namespace keyring
