#include "services/cardcore.h"

#include <algorithm>
#include <vector>

namespace cardcore {
namespace {

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The bytes of "hh[sep]hh[sep]...", or nothing when the text is not that.
std::vector<uint8_t> hexPairs(QStringView text)
{
    std::vector<uint8_t> bytes;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!bytes.empty() && (text[i] == u' ' || text[i] == u'-'))
            ++i;
        if (i + 1 >= text.size())
            return {};
        const int high = hexDigit(text[i]);
        const int low = hexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
        i += 2;
    }
    return bytes;
}

} // namespace

bool GetBinaryCardSerial(QStringView text, uint8_t* serial, int keyBytes, int serialBytes)
{
    std::fill(serial, serial + serialBytes, uint8_t{0});
    const std::vector<uint8_t> bytes = hexPairs(text.trimmed());
    const int count = static_cast<int>(bytes.size());
    if (count == 0 || (count != serialBytes && count != keyBytes) || keyBytes > serialBytes)
        return false;
    std::copy(bytes.begin(), bytes.end(), serial + (serialBytes - count));
    return true;
}

} // namespace cardcore
