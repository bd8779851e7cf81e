// What the command line and the hosts show of card image files, and the
// making of new card image files.
#pragma once

#include "card/card_state.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <optional>
#include <vector>

namespace card {

// {"chip":0,"pom":false,"type":185,"cust_id":4660,"version":1,
//  "header":"b9123401...","files":{"2001":"..."}}: hex in lowercase without
// separators, a file from byte 0 to its extent, file keys as 4-digit hex.
QJsonObject cardToJson(const CardState& card);
QJsonArray cardImagesToJson(const std::vector<CardState>& images);

// Type, customer id, version, chip, pom, initialised and key state, then a
// hex and ASCII dump of each file.
QString cardToText(const CardState& card);
// Every image, each under an "Image 1 of 2 (index 0)" line.
QString cardImagesToText(const std::vector<CardState>& images);

inline constexpr int kMaxNewImages = 1000;

struct NewCardFileOptions {
    int images = 1;
    uint8_t chip = 0;
    bool pom = false;
    // Either one makes the images initialised cards carrying them (the other
    // defaults to 0); with neither they are factory fresh.
    std::optional<uint8_t> type;
    std::optional<uint16_t> custId;
};

// The images the options describe, or an error text for a bad image count.
QString newCardImages(const NewCardFileOptions& options, std::vector<CardState>* images);
// Writes a new card image file (atomically, replacing any file at path);
// returns an error text or an empty string.
QString createCardImageFile(const QString& path, const NewCardFileOptions& options);

} // namespace card
