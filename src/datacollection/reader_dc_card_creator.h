// The creators of reader (type 210) and manual (type 212) data collection
// cards, which report through the global progress window.
#pragma once

#include <cstdint>

namespace datacollection {

enum class ReaderDcKind { Plain, Complex, Manual };

// Formats the card in the reader as an empty DC card of `kind` for
// `custId`; `dcOption` goes onto reader cards only. 1 when created, 0 when
// cancelled or failed; every outcome has been shown.
uint8_t createReaderDcCard(ReaderDcKind kind, uint16_t custId, uint8_t dcOption);

} // namespace datacollection
