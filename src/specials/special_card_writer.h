// Writes a price special profile onto the card in the reader as a price
// special card, or a door access profile as a restriction time card: the
// "Create Card" and "Create a Clear Card" buttons of the price specials
// dialog, and the command line.
#pragma once

#include "services/cardlayout.h"
#include "specials/special_profile.h"

#include <QList>
#include <QString>

namespace promptui {
class VelaCardProgress;
}

namespace specials {

struct CardOrder {
    Mode mode = Mode::PriceSpecial;
    uint16_t custId = 0; // the operator's customer id
    SpecialProfile profile;
    QList<SpecialEntry> entries; // in the order of the profile's rows
};

// Shows every refusal and the closing message itself; true when the card
// was written. A clear card carries the profile's prices and one neutral
// entry instead of its entries.
bool createCard(const CardOrder& order, bool clear);

// The steps inside the progress window, for tests of each on its own.
// checkCard leaves the refusal in *message ("" when the operator declined).
bool checkCard(Mode mode, uint16_t custId, QString* message);
bool writeCard(Mode mode, uint16_t custId, HEADER_DATA_AREA& area, int dataLength,
               promptui::VelaCardProgress& window);

} // namespace specials
