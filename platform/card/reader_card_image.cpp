#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/reader_slot.h"

namespace card {

bool CardImage::Init()
{
    if (faults::onCall(FaultKind::Init)) {
        lastError_ = QStringLiteral("injected fault");
        return false;
    }
    newCard_ = false;
    numCardImages_ = 1;
    selected_.reset();
    ReaderSlot& slot = ReaderSlot::instance();
    if (!slot.powerOn()) {
        lastError_ = QStringLiteral("no card in the reader");
        return false;
    }
    slot.beginSession();
    if (!slot.card()->initialised) {
        slot.change([](CardState& c) {
            c.initialise();
            return kStatusOk;
        });
        newCard_ = true;
    }
    lastError_.clear();
    return true;
}

void CardImage::Close()
{
    if (faults::onCall(FaultKind::Close))
        return;
    ReaderSlot::instance().powerOff();
}

uint8_t CardImage::Commit()
{
    ReaderSlot& slot = ReaderSlot::instance();
    const uint8_t status = slot.commitSession();
    lastError_ = status == kStatusSaveFailed ? slot.lastSaveError() : QString();
    return status;
}

bool CardImage::GetNextCardImage()
{
    faults::onCall(FaultKind::GetNextCardImage);
    return false; // a card in a reader is a single image
}

uint8_t CardImage::SelectFile(uint16_t fileId)
{
    if (const auto fault = faults::onCall(FaultKind::SelectFile))
        return *fault;
    const CardState* inserted = nullptr;
    if (const uint8_t status = ReaderSlot::instance().poweredCard(&inserted); status)
        return status;
    selected_ = fileId;
    return kStatusOk;
}

uint8_t CardImage::GetCardType(uint8_t* type)
{
    if (const auto fault = faults::onCall(FaultKind::GetCardType))
        return *fault;
    if (type == nullptr)
        return kStatusBadArgument;
    const CardState* inserted = nullptr;
    if (const uint8_t status = ReaderSlot::instance().poweredCard(&inserted); status)
        return status;
    *type = inserted->cardType();
    return kStatusOk;
}

uint8_t CardImage::GetCustId(uint16_t* custId)
{
    if (const auto fault = faults::onCall(FaultKind::GetCustId))
        return *fault;
    if (custId == nullptr)
        return kStatusBadArgument;
    const CardState* inserted = nullptr;
    if (const uint8_t status = ReaderSlot::instance().poweredCard(&inserted); status)
        return status;
    *custId = inserted->custId();
    return kStatusOk;
}

uint8_t CardImage::GetCardVersion(uint8_t* version)
{
    if (const auto fault = faults::onCall(FaultKind::GetCardVersion))
        return *fault;
    if (version == nullptr)
        return kStatusBadArgument;
    const CardState* inserted = nullptr;
    if (const uint8_t status = ReaderSlot::instance().poweredCard(&inserted); status)
        return status;
    *version = inserted->version();
    return kStatusOk;
}

uint8_t CardImage::ReadData(uint32_t length, uint32_t offset, uint8_t* buffer)
{
    if (const auto fault = faults::onCall(FaultKind::ReadData))
        return *fault;
    const CardState* inserted = nullptr;
    if (const uint8_t status = ReaderSlot::instance().poweredCard(&inserted); status)
        return status;
    return inserted->read(selected_, offset, length, buffer, kCardFileMaxBytes);
}

uint8_t CardImage::SetCardType(uint8_t type)
{
    if (const auto fault = faults::onCall(FaultKind::SetCardType))
        return *fault;
    return ReaderSlot::instance().change([type](CardState& c) { return c.setCardType(type); });
}

uint8_t CardImage::SetCustId(uint16_t custId)
{
    if (const auto fault = faults::onCall(FaultKind::SetCustId))
        return *fault;
    return ReaderSlot::instance().change([custId](CardState& c) { return c.setCustId(custId); });
}

uint8_t CardImage::SetCardVersion(uint8_t version)
{
    if (const auto fault = faults::onCall(FaultKind::SetCardVersion))
        return *fault;
    return ReaderSlot::instance().change([version](CardState& c) { return c.setVersion(version); });
}

uint8_t CardImage::WriteData(uint32_t length, uint32_t offset, const uint8_t* buffer)
{
    if (const auto fault = faults::onCall(FaultKind::WriteData))
        return *fault;
    const FileSelection file = selected_;
    return ReaderSlot::instance().change(
        [&](CardState& c) { return c.write(file, offset, length, buffer, kCardFileMaxBytes); });
}

uint8_t CardImage::writeKeyArea(const KeyArea& keys)
{
    return ReaderSlot::instance().change([&keys](CardState& c) { return c.setKeys(keys); });
}

} // namespace card
