// Operations on the laundry setup record that several parts share.
#pragma once

#include "laundry/laundry_setup.h"

#include <QByteArray>

#include <cstddef>

namespace setup {

// Stores the record's cleared values: every listed word and byte 0, `washer`
// 1, the text fields spaces. Bytes outside that set keep their content.
void clearSetupRecord(STRUCT_laundry_setup& record);

// Copies at most `size` characters of `text` (Latin-1) into a space-filled
// field; a shorter text is followed by a NUL, the rest stays spaces.
void copyTextField(char* field, std::size_t size, const QByteArray& text);

} // namespace setup
