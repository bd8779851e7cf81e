// What a host says when the card details report has nothing to tell about
// a card: a blank card is named as such, any other type by its number.
#pragma once

#include <QString>

#include <cstdint>

namespace card {

// "" when the report gave text; otherwise one line without a line end.
QString cardDetailsNote(uint8_t cardType, const QString& report);

} // namespace card
