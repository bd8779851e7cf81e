// What the reader panel and the card view show of the card in the reader.
#pragma once

#include "card/card_state.h"

#include <QString>

namespace readermanager {

struct CardSummary {
    QString file;       // the card file, or a note that the reader is empty
    QString type;       // "Retrofit Setup Card (184)"
    QString customerId; // decimal
    QString version;
    QString chip;     // "0", "0 (POM)"
    QString contents; // the full text dump
};

inline constexpr char kNoCardText[] = "No card in the reader";

// card may be null: the reader is empty and only `file` says so.
CardSummary summarizeCard(const QString& filePath, const card::CardState* card);

} // namespace readermanager
