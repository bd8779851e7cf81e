// Card header and data-area layouts of the card in the reader.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
// Parameter record of the header and data-area calls. Header-area calls use
// the buffer from data index 950 (record offset 958); data-area calls use
// data index 0 onward for data-area offset `offset` onward.
struct HEADER_DATA_AREA {
    uint32_t length;
    uint32_t offset;
    uint8_t data[960];
};
#pragma pack(pop)
static_assert(sizeof(HEADER_DATA_AREA) == 968);
static_assert(offsetof(HEADER_DATA_AREA, length) == 0);
static_assert(offsetof(HEADER_DATA_AREA, offset) == 4);
static_assert(offsetof(HEADER_DATA_AREA, data) == 8);

namespace cardlayout {

inline constexpr std::size_t kHeaderAreaDataIndex = 950;

// Initialises a blank card of chip 0: type 0, customer id 0, version 0, no
// files, a zeroed data area and default keys.
uint8_t NIMBOCreateCard();
uint8_t NIMBOSetCardType(uint8_t type);
uint8_t NIMBOGetCardType(uint8_t* type);
uint8_t NIMBOSetCustId(uint16_t custId);
uint8_t NIMBOSetHeaderArea(HEADER_DATA_AREA* area);
uint8_t NIMBOSetDataArea(HEADER_DATA_AREA* area);
uint8_t NIMBOReadHeaderArea(HEADER_DATA_AREA* area);
uint8_t NIMBOReadDataArea(HEADER_DATA_AREA* area);

}  // namespace cardlayout
