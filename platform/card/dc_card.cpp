// Formatting a data collection card (docs/dc-card-format.md).
#include "card/dc_area.h"

#include "card/card_status.h"
#include "card/fault_injection.h"
#include "card/layout_target.h"
#include "services/card_image.h"
#include "services/cardlayout.h"

namespace cardlayout {

uint8_t NIMBOCreateDcCard(const DC_CARD* dc)
{
    if (const auto fault = card::faults::onCall(card::FaultKind::NIMBOCreateDcCard))
        return *fault;
    if (dc == nullptr)
        return card::kStatusBadArgument;
    if (!card::isDcCardType(dc->card_type))
        return kStatusNotDcCardType;
    const card::DcAreaHeader area = card::emptyDcAreaHeader(dc->dc_option);
    const uint32_t maxSize = card::layoutTarget().targetFileMaxBytes();
    return card::layoutTarget().changeTargetCard([&](card::CardState& c) {
        if (!c.initialised)
            return card::kStatusNotInitialised;
        // Dropping the file erases every record; the area reads 00 past its header.
        c.files.erase(kSetupDataFileId);
        if (const uint8_t status =
                c.write(kSetupDataFileId, 0, uint32_t(area.size()), area.data(), maxSize))
            return status;
        if (const uint8_t status = c.setCardType(dc->card_type))
            return status;
        if (const uint8_t status = c.setCustId(dc->cust_id))
            return status;
        return c.setVersion(card::kDcFormatVersion);
    });
}

} // namespace cardlayout
