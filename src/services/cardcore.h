// Card keys, BCD helpers, the installation's token setting and the DC
// record parsers.
#pragma once

#include "services/dc_records.h"

#include <QList>
#include <QStringList>

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
