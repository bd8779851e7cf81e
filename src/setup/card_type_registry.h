// The library's side of each card type of include/laundry/card_types.h: the
// layout writer that makes a setup card of it, the read-back of its setup
// data into a setup record, and the card details report that describes it.
// A new card type is one line here and one in card_types.h.
#pragma once

#include "laundry/laundry_setup.h"

#include <QString>

#include <cstdint>
#include <span>

class BaseCardImage;

namespace setup {

// Writes a setup card of the record's type: 0, or the card's or the
// encoder's status.
using LayoutWriter = uint8_t (*)(BaseCardImage& image, const STRUCT_laundry_setup& record);
// Reads the setup data of the card in the reader into the record; false at
// the first failed read, with the fields of the earlier reads stored.
using SetupReader = bool (*)(STRUCT_laundry_setup* record);
// Appends the description of the card in the reader, or shows a read error.
using CardReport = void (*)(QString& text);

struct CardTypeEntry {
    uint8_t code;
    LayoutWriter writer;  // nullptr: no setup card of this type is written
    SetupReader readBack; // nullptr: read_laundry_setup_card refuses the card
    CardReport report;    // nullptr: GetCardDetails appends nothing
};

// The entry of `code`, or nullptr for a code the library neither writes,
// reads back nor describes (every code above 0xFF).
const CardTypeEntry* cardTypeEntry(uint16_t code);
std::span<const CardTypeEntry> cardTypeEntries();

} // namespace setup
