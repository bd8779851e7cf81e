// The card the layout library (cardlayout NIMBO... calls) and the cardfx
// chip globals and tables act on. Normally that is the card in the reader;
// while a file image is open it is that file's current image, so a setup
// file receives what the layout library writes "on the current card".
#pragma once

#include "card/card_state.h"

#include <cstdint>
#include <functional>

namespace card {

class LayoutTarget {
public:
    // kStatusOk and the card, or why there is no usable card.
    virtual uint8_t targetCard(const CardState** card) = 0;
    // Runs change on a copy of the card and keeps the copy only when change
    // returns kStatusOk (and, for the reader, the card file was saved).
    virtual uint8_t changeTargetCard(const std::function<uint8_t(CardState&)>& change) = 0;
    // Largest size a file of the card may reach.
    virtual uint32_t targetFileMaxBytes() const = 0;

protected:
    ~LayoutTarget() = default;
};

// The last opened target still open, else the reader slot.
LayoutTarget& layoutTarget();
// Makes target the current one until it closes; opening it again moves it
// back to the top.
void openLayoutTarget(LayoutTarget& target);
// Removes target wherever it is, so closing an older target leaves the
// current one in place. Harmless for a target that is not open.
void closeLayoutTarget(LayoutTarget& target);
// Forgets every open target: the reader's card is current again.
void resetLayoutTargets();

} // namespace card
