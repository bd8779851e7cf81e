#include "card/setup_card_io.h"

#include "card/card_state.h"
#include "card/card_status.h"
#include "services/cardlayout.h"

#include <algorithm>
#include <cstring>

namespace card {

uint8_t readSetupCardHeader(uint8_t expectedType, SetupCardHeader* header)
{
    return readSetupCardHeader({expectedType}, header);
}

uint8_t readSetupCardHeader(std::initializer_list<uint8_t> acceptedTypes, SetupCardHeader* header)
{
    HEADER_DATA_AREA area{};
    area.length = kHeaderSize;
    area.offset = 0;
    if (const uint8_t status = cardlayout::NIMBOReadHeaderArea(&area))
        return status;
    const uint8_t* bytes = area.data + cardlayout::kHeaderAreaDataIndex;
    if (std::find(acceptedTypes.begin(), acceptedTypes.end(), bytes[kHeaderTypeOffset]) ==
        acceptedTypes.end())
        return cardlayout::kStatusWrongSetupCardType;
    header->type = bytes[kHeaderTypeOffset];
    header->custId = loadBe16(bytes + kHeaderCustIdOffset);
    header->version = bytes[kHeaderVersionOffset];
    return kStatusOk;
}

uint8_t readSetupData(uint32_t offset, uint32_t length, uint8_t* out)
{
    HEADER_DATA_AREA area{};
    if (length > sizeof area.data)
        return kStatusOutOfRange;
    area.length = length;
    area.offset = offset;
    if (const uint8_t status = cardlayout::NIMBOReadDataArea(&area))
        return status;
    std::memcpy(out, area.data, length);
    return kStatusOk;
}

} // namespace card
