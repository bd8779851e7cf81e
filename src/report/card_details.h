// The card details report: a plain-text description of the laundry card in
// the reader, appended line by line (each line ends in CR LF) to the host's
// text. Which formatter describes which card type is card_type_registry's.
#pragma once

#include <QString>

#include <cstdint>

namespace report {

// One family's formatter: reads the card and appends its lines, or shows a
// read error and appends nothing.
using Formatter = void (*)(QString& text);

void appendCardDetails(uint16_t cardType, QString& text);

} // namespace report
