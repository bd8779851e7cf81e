#include "fields/number_fields.h"

#include "services/prompt.h"

#include <algorithm>

namespace fields {

bool checkSixDigitNumber(int64_t value)
{
    if (value >= 0 && value <= kSixDigitMaximum)
        return true;
    promptui::MessageBox(QStringLiteral("Please enter a number between the range of 0 to 999999"),
                         QStringLiteral("Invalid Number Entered"),
                         promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
    return false;
}

std::optional<uint32_t> checkSixDigitNumber(QStringView text)
{
    const QStringView digits = text.trimmed();
    int64_t value = digits.isEmpty() ? -1 : 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') {
            value = -1;
            break;
        }
        // Capped: every longer number is out of range the same way.
        value = std::min<int64_t>(value * 10 + (c.unicode() - u'0'), kSixDigitMaximum + 1);
    }
    if (!checkSixDigitNumber(value))
        return std::nullopt;
    return uint32_t(value);
}

} // namespace fields
