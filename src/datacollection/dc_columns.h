// The family columns of stored DC records: one list per record family, each
// column's counter offset, width and conversion (docs/database.md).
#pragma once

#include "services/dc_counters.h"

#include <QString>

#include <cstdint>
#include <span>

namespace datacollection {

// Families 3 to 6. TOPOFF PRICE is not among them: it is COIN2 VALUE, and
// only for model code 8.
std::span<const cardcore::DcColumn> machineDataColumns();
inline constexpr int kModelCodeOffset = 57;
inline constexpr uint8_t kTopoffPriceModel = 8;
inline constexpr cardcore::DcColumn kTopoffPrice{"TOPOFF PRICE", 103, 1,
                                                 cardcore::DcConversion::Nickels};

// Family 13 (the search counters are generic columns, CopyGenericInfoToDB).
std::span<const cardcore::DcColumn> mdcQuantumColumns();

// Family 8 counters; SERIAL, FIRSTNAME and LASTNAME are set apart.
std::span<const cardcore::DcColumn> advanteckAuditColumns();

// SERIAL of an audit record: bytes 21, 23, 24, 25 and 26 as upper-case hex.
QString advanteckSerialText(const uint8_t* block);
// The card-holder lookup key of an audit record: bytes 22 to 26.
QString cardHolderKey(const uint8_t* block);

} // namespace datacollection
