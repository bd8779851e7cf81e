// Whether the card in the reader may be used as a management card; the data
// collection card creators run it before they format a card.
#pragma once

namespace setup {

// True when the inserted card may be used. `new_card` (may be null) is set
// when the check had to initialise a blank card. The card stays powered.
bool check_management_card(bool* new_card);

} // namespace setup
