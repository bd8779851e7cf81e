#include "setup/encoder_frame.h"

#include "services/card_image.h"
#include "setup/card_bytes.h"

namespace setup {

uint8_t writeSetupCard(BaseCardImage& image, uint8_t cardVersion, CardHeader header,
                       std::initializer_list<SetupBlock> blocks, uint8_t statusAfterHeader)
{
    if (const uint8_t status = image.SetCardVersion(cardVersion); status != kStatusOk)
        return status;

    uint8_t head[3] = {header.cardType, 0, 0};
    store_be16(head + 1, header.custId);
    if (image.WriteData(sizeof head, 0, head) != kStatusOk)
        return kStatusWriteFailed;

    if (statusAfterHeader != kStatusOk)
        return statusAfterHeader;

    if (image.SelectFile(kSetupDataFileId) != kStatusOk)
        return kStatusSelectFailed;

    for (const SetupBlock& block : blocks) {
        if (image.WriteData(static_cast<uint32_t>(block.bytes.size()), block.offset,
                            block.bytes.data()) != kStatusOk)
            return kStatusWriteFailed;
    }
    return kStatusOk;
}

} // namespace setup
