// The checks and the format step every data collection card creator shares:
// the current card's type and owner, and the format itself. Each reports a
// failure through the creator's own way of showing it and returns "no".
#pragma once

#include "setup/management_card.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace datacollection {

using setup::RefusalReport;

// Shows an error box (error icon); the report of the creators that use the
// global progress window.
void showError(const QString& text, const QString& caption);

// The current card's type, read through the table entry of its chip.
std::optional<uint8_t> readCurrentCardType(const RefusalReport& report);

// Whether the card may become `custId`'s: a card that belongs to nobody
// (customer id 0 or 65535, or freshly initialised by the card check) or
// already to `custId`.
bool ownerAllows(uint16_t custId, bool newCard, const RefusalReport& report);

// Formats the current card as an empty DC card of `cardType`. A failure is
// captioned `errorCaption`.
bool formatDcCard(uint8_t cardType, uint16_t custId, uint8_t dcOption, const char* errorCaption,
                  const RefusalReport& report);

// A Yes/No question; true only for Yes.
bool askYes(const QString& question, const char* caption, unsigned icon);

// "Card Created \nNew Card Type : <name>", the closing box of every creator.
void showCardCreated(uint8_t cardType);

} // namespace datacollection
