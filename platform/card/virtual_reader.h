// The virtual card reader: one slot holding a card image file. Hosts insert
// and eject cards here; the card services act on the card in the slot (the
// layout calls and cardfx only while no file image is open, see
// layout_target.h), and every change to it is saved back to its file at once.
#pragma once

#include "card/card_state.h"

#include <QString>

namespace card {

// Loads the file and puts its image imageIndex (0-based) into the slot,
// unpowered. On failure the slot keeps what it held and error says why.
bool insertCardFile(const QString& path, QString* error, int imageIndex = 0);
void eject();
bool hasCard();
QString cardFilePath();
int cardImageIndex();
bool isPowered();
// The card in the slot, or null when the slot is empty.
const CardState* insertedCard();
// The reason the last write-through save failed.
QString lastSaveError();

// Ejects the card and clears faults, call counters, loaded keys, the chip
// globals and the token setting, and makes the reader's card the layout
// target again even if a file image is still open: a clean card stack for
// each test.
void resetCardStack();

} // namespace card
