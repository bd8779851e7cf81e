// A year of collections on a small laundry route, made up from a seed for
// demonstrations and for the collections report's first run: three stores,
// washers and dryers (families 3 and 4), an MDC machine (13) and an
// Advanteck washer (8), collected about weekly, with what a real year
// brings: a reader swapped (elapsed cash starting again), a machine out of
// service for weeks, trouble cycles, an unauthorized coin vault opening and
// a card collected twice in one minute. The same seed and last day give the
// same records.
#pragma once

#include "services/dc_records.h"

#include <QDate>

#include <cstdint>
#include <vector>

namespace machines {

// The records of the 365 days up to lastDay, in collection order.
std::vector<GenericDCRec> routeYearRecords(uint32_t seed, const QDate& lastDay);

} // namespace machines
