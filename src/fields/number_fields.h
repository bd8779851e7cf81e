// Number fields of six digits (0 .. 999999), the range a six-digit BCD
// value on a card holds.
#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

namespace fields {

inline constexpr int64_t kSixDigitMaximum = 999999;

// Shows "Invalid Number Entered" and returns false when value is out of
// range; the page then puts the focus back on the field.
bool checkSixDigitNumber(int64_t value);

// The same for the text of an edit: blanks around digits; anything else, an
// empty text included, is out of range.
std::optional<uint32_t> checkSixDigitNumber(QStringView text);

} // namespace fields
