#include "card/card_images.h"
#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/reader_slot.h"

namespace card {

LayoutTarget& CardImage::target()
{
    return ReaderSlot::instance();
}

bool CardImage::Init()
{
    if (faults::onCall(FaultKind::Init)) {
        lastError_ = QStringLiteral("injected fault");
        return false;
    }
    newCard_ = false;
    numCardImages_ = 1;
    selectHeader();
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

} // namespace card
