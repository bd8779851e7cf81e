// The demo year of a small route (machines::routeYearRecords) stored into a
// database of its own, through the same storage as collected cards: what
// laundrycard dc simulate --random year and Reader Manager's demo data do.
#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

namespace demo {

inline constexpr char kDemoDatabaseFileName[] = "demo-collections.mdb";

// Creates the database at path when it is missing, then stores the year up
// to lastDay, all records or none. Refuses a database that holds
// collections already, so demo rows never mix with real ones. The number of
// records stored, or nullopt with *error set.
std::optional<int> storeDemoRoute(const QString& path, uint32_t seed, const QDate& lastDay,
                                  QString* error);

} // namespace demo
