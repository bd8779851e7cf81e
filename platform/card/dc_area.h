// The data area header of a data collection card, shared by the formatter,
// the parsers and the machine simulator (docs/dc-card-format.md).
#pragma once

#include "card/setup_card_io.h"
#include "services/dc_records.h"

#include <array>
#include <cstdint>

namespace card {

inline constexpr uint8_t kDcFormatVersion = 1;
inline constexpr std::size_t kDcFormatOffset = 0;
inline constexpr std::size_t kDcOptionOffset = 1;

using DcAreaHeader = std::array<uint8_t, cardcore::kDcAreaHeaderSize>;

// 210, 212, 215 and 217.
bool isDcCardType(uint8_t type);

// The header of a card without records: format, option, used length 8.
DcAreaHeader emptyDcAreaHeader(uint8_t dcOption);

} // namespace card
