// What the "Read Setup Card" action shows of a setup record read from a
// Retrofit or Maytag Gen2 card.
#pragma once

#include "laundry/laundry_setup.h"

#include <QString>

#include <cstdint>

namespace readermanager {

QString describeReadSetup(const STRUCT_laundry_setup& record, uint8_t cardVersion);

} // namespace readermanager
