// Whether the card in the reader may be used as a management card; the data
// collection card creators run it before they format a card.
#pragma once

#include <QString>

#include <functional>

namespace setup {

// Shows a refusal: its text and caption.
using RefusalReport = std::function<void(const QString& text, const QString& caption)>;

// True when the inserted card may be used. `new_card` (may be null) is set
// when the check had to initialise a blank card. The card stays powered.
bool check_management_card(bool* new_card);

// The same check for an operation that reports through its own window:
// every refusal goes to `report`, captioned "ERROR: Reader Manager" except
// the missing card, which takes `noCardCaption`.
bool check_management_card(bool* new_card, const RefusalReport& report,
                           const QString& noCardCaption);

} // namespace setup
