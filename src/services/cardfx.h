// Card validation and the chip-indexed header accessors of the current card:
// the open file image being written, else the card in the reader.
#pragma once

#include <cstddef>
#include <cstdint>

namespace cardfx {

// 0 when the inserted card is valid and identified; sets keyring::ChipID and
// keyring::pomCard either way.
uint8_t ValidateCard();

using GetCardTypeFn = uint8_t (*)(uint8_t* type);
using GetCustIdFn = uint8_t (*)(uint16_t* custId);
using SetCustIdFn = uint8_t (*)(uint16_t* custId);
using SetCardVersionFn = uint8_t (*)(uint8_t version);

// Tables indexed by keyring::ChipID. Chips at or above kChipCount have no
// entry: check with hasChip() before indexing.
inline constexpr std::size_t kChipCount = 4;
extern const GetCardTypeFn GetCardType[kChipCount];
extern const GetCustIdFn GetCustId[kChipCount];
extern const SetCustIdFn SetCustId[kChipCount];
extern const SetCardVersionFn SetCardVersion[kChipCount];

inline bool hasChip(uint8_t chip)
{
    return chip < kChipCount;
}

} // namespace cardfx
