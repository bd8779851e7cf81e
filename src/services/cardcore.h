// Card keys, BCD helpers, the installation's token setting and the DC
// record parsers.
#pragma once

#include "services/dc_records.h"

#include <QList>
#include <QStringList>
#include <QStringView>

#include <cstdint>

class BaseCardImage;
class QTreeWidget;

namespace cardcore {

// Writes the loaded access keys onto the image; status 0 on success.
uint8_t CardSetKeys(BaseCardImage& image);

// One byte 0..99 to packed BCD and back.
uint8_t hex_to_bcd(uint8_t value);
uint8_t bcd_to_hex(uint8_t bcd);

// Whether tokens are in use in this installation (default: on). The hosts
// change it; the library only reads it.
bool GetTokensEnabled();
void SetTokensEnabled(bool enabled);

// A card serial number from its stored text: hexadecimal pairs, byte 0
// first, optionally separated by one blank or dash ("0A1B2C3D4E5F",
// "0A 1B 2C 3D 4E 5F", "0a-1b-2c-3d-4e-5f"), blanks around the whole
// ignored. `serialBytes` pairs fill serial[0..serialBytes); `keyBytes` pairs
// (the key form that audit records and the viewer show) fill the last
// keyBytes bytes and leave the bytes before them 0. Any other text gives
// false and a zeroed serial.
bool GetBinaryCardSerial(QStringView text, uint8_t* serial, int keyBytes, int serialBytes);

// List sorting: the column a list is sorted by and the direction.
struct ListSort {
    int column = -1; // none yet
    bool ascending = true;
};

// A click on a column header: the same column again turns the direction
// round, another column sorts ascending by it.
void SetupSort(ListSort& sort, int clickedColumn);
// Orders the list's rows by the text of the sort column (letter case
// ignored); rows with equal texts keep their order. Nothing happens without
// a sort column.
void Sort(QTreeWidget* list, const ListSort& sort);
// The same order without a list: the positions of `texts` (one sort-column
// text a row) in sorted order.
QList<int> SortOrder(const QStringList& texts, const ListSort& sort);

} // namespace cardcore
