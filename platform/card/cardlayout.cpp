#include "services/cardlayout.h"

#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/layout_target.h"
#include "services/card_image.h"

#include <optional>

namespace cardlayout {

using card::FaultKind;

namespace {

constexpr uint32_t kAreaBufferSize = sizeof(HEADER_DATA_AREA::data);
constexpr card::FileSelection kHeader = std::nullopt;
constexpr card::FileSelection kDataArea = kSetupDataFileId;

// Where the request's bytes sit in its buffer and on the card.
struct AreaRequest {
    card::FileSelection file;
    uint32_t bufferIndex;
};

// Header requests use the buffer from index 950 and must stay inside both
// the buffer and the 8-byte header; data-area requests use index 0 onward.
uint8_t checkRequest(const HEADER_DATA_AREA* area, const AreaRequest& request)
{
    if (area == nullptr)
        return card::kStatusBadArgument;
    if (!card::fitsIn(request.bufferIndex, area->length, kAreaBufferSize))
        return card::kStatusOutOfRange;
    return card::kStatusOk;
}

uint8_t readArea(HEADER_DATA_AREA* area, const AreaRequest& request)
{
    if (const uint8_t status = checkRequest(area, request); status)
        return status;
    card::LayoutTarget& target = card::layoutTarget();
    const card::CardState* current = nullptr;
    if (const uint8_t status = target.targetCard(&current); status)
        return status;
    return current->read(request.file, area->offset, area->length, area->data + request.bufferIndex,
                         target.targetFileMaxBytes());
}

uint8_t writeArea(const HEADER_DATA_AREA* area, const AreaRequest& request)
{
    if (const uint8_t status = checkRequest(area, request); status)
        return status;
    card::LayoutTarget& target = card::layoutTarget();
    const uint32_t maxSize = target.targetFileMaxBytes();
    return target.changeTargetCard([&](card::CardState& c) {
        return c.write(request.file, area->offset, area->length, area->data + request.bufferIndex,
                       maxSize);
    });
}

constexpr AreaRequest kHeaderRequest{kHeader, static_cast<uint32_t>(kHeaderAreaDataIndex)};
constexpr AreaRequest kDataRequest{kDataArea, 0};

} // namespace

uint8_t NIMBOCreateCard()
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOCreateCard))
        return *fault;
    return card::layoutTarget().changeTargetCard([](card::CardState& c) {
        if (c.chip != 0)
            return card::kStatusWrongChip;
        c.initialise();
        return card::kStatusOk;
    });
}

uint8_t NIMBOSetCardType(uint8_t type)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOSetCardType))
        return *fault;
    return card::layoutTarget().changeTargetCard(
        [type](card::CardState& c) { return c.setCardType(type); });
}

uint8_t NIMBOGetCardType(uint8_t* type)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOGetCardType))
        return *fault;
    if (type == nullptr)
        return card::kStatusBadArgument;
    const card::CardState* current = nullptr;
    if (const uint8_t status = card::layoutTarget().targetCard(&current); status)
        return status;
    *type = current->cardType();
    return card::kStatusOk;
}

uint8_t NIMBOSetCustId(uint16_t custId)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOSetCustId))
        return *fault;
    return card::layoutTarget().changeTargetCard(
        [custId](card::CardState& c) { return c.setCustId(custId); });
}

uint8_t NIMBOSetHeaderArea(HEADER_DATA_AREA* area)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOSetHeaderArea))
        return *fault;
    return writeArea(area, kHeaderRequest);
}

uint8_t NIMBOSetDataArea(HEADER_DATA_AREA* area)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOSetDataArea))
        return *fault;
    return writeArea(area, kDataRequest);
}

uint8_t NIMBOReadHeaderArea(HEADER_DATA_AREA* area)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOReadHeaderArea))
        return *fault;
    return readArea(area, kHeaderRequest);
}

uint8_t NIMBOReadDataArea(HEADER_DATA_AREA* area)
{
    if (const auto fault = card::faults::onCall(FaultKind::NIMBOReadDataArea))
        return *fault;
    return readArea(area, kDataRequest);
}

} // namespace cardlayout
