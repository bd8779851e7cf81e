// Reading SERIAL INFO and USER INFO rows the one way both the card-holder
// lookup and the hosts' holder registry read them.
#pragma once

#include "services/dao.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace datacollection {

// The lookup key of a six-byte card serial: bytes 1 to 5 as ten upper-case
// hexadecimal digits.
QString cardSerialKey(const uint8_t* serial);
// A column's text; a value of any other kind (NULL included) reads as "".
QString textField(const CdbRecordset& rows, const char* column);
// Calls visit for each row from the first until it returns false.
void forEachRow(CdbRecordset& rows, const std::function<bool()>& visit);

} // namespace datacollection
