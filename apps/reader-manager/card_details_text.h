// The library's card details report of the card in the reader, as the
// window's "Card Details" view shows it.
#pragma once

#include <QString>

namespace readermanager {

// Identifies the inserted card, has the library describe it and gives the
// text with its CR LF line ends made plain; a line saying so for a blank
// card or a type the report does not decode; "" with no card.
QString describeInsertedCard();

} // namespace readermanager
