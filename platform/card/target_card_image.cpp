#include "card/target_card_image.h"

#include "card/card_status.h"
#include "card/fault_injection.h"

namespace card {
namespace {

// The fault armed for kind, else kStatusOk and the card read by read.
template <typename Read>
uint8_t readCard(FaultKind kind, LayoutTarget& target, const void* out, Read read)
{
    if (const auto fault = faults::onCall(kind))
        return *fault;
    if (out == nullptr)
        return kStatusBadArgument;
    const CardState* card = nullptr;
    if (const uint8_t status = target.targetCard(&card); status)
        return status;
    read(*card);
    return kStatusOk;
}

uint8_t changeCard(FaultKind kind, LayoutTarget& target,
                   const std::function<uint8_t(CardState&)>& change)
{
    if (const auto fault = faults::onCall(kind))
        return *fault;
    return target.changeTargetCard(change);
}

} // namespace

uint8_t TargetCardImage::SelectFile(uint16_t fileId)
{
    if (const auto fault = faults::onCall(FaultKind::SelectFile))
        return *fault;
    const CardState* card = nullptr;
    if (const uint8_t status = target().targetCard(&card); status)
        return status;
    selected_ = fileId;
    return kStatusOk;
}

uint8_t TargetCardImage::GetCardType(uint8_t* type)
{
    return readCard(FaultKind::GetCardType, target(), type,
                    [type](const CardState& c) { *type = c.cardType(); });
}

uint8_t TargetCardImage::GetCustId(uint16_t* custId)
{
    return readCard(FaultKind::GetCustId, target(), custId,
                    [custId](const CardState& c) { *custId = c.custId(); });
}

uint8_t TargetCardImage::GetCardVersion(uint8_t* version)
{
    return readCard(FaultKind::GetCardVersion, target(), version,
                    [version](const CardState& c) { *version = c.version(); });
}

uint8_t TargetCardImage::ReadData(uint32_t length, uint32_t offset, uint8_t* buffer)
{
    if (const auto fault = faults::onCall(FaultKind::ReadData))
        return *fault;
    const CardState* card = nullptr;
    if (const uint8_t status = target().targetCard(&card); status)
        return status;
    return card->read(selected_, offset, length, buffer, target().targetFileMaxBytes());
}

uint8_t TargetCardImage::SetCardType(uint8_t type)
{
    return changeCard(FaultKind::SetCardType, target(),
                      [type](CardState& c) { return c.setCardType(type); });
}

uint8_t TargetCardImage::SetCustId(uint16_t custId)
{
    return changeCard(FaultKind::SetCustId, target(),
                      [custId](CardState& c) { return c.setCustId(custId); });
}

uint8_t TargetCardImage::SetCardVersion(uint8_t version)
{
    return changeCard(FaultKind::SetCardVersion, target(),
                      [version](CardState& c) { return c.setVersion(version); });
}

uint8_t TargetCardImage::WriteData(uint32_t length, uint32_t offset, const uint8_t* buffer)
{
    const FileSelection file = selected_;
    const uint32_t maxBytes = target().targetFileMaxBytes();
    return changeCard(FaultKind::WriteData, target(), [&](CardState& c) {
        return c.write(file, offset, length, buffer, maxBytes);
    });
}

uint8_t TargetCardImage::writeKeyArea(const KeyArea& keys)
{
    return target().changeTargetCard([&keys](CardState& c) { return c.setKeys(keys); });
}

} // namespace card
