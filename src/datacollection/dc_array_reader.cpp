#include "datacollection/dc_array_reader.h"

#include "datacollection/dc_card_checks.h"
#include "datacollection/dc_messages.h"
#include "laundry/card_types.h"
#include "services/card_image.h"
#include "services/cardcore.h"
#include "services/progress.h"

#include <optional>

namespace datacollection {
namespace {

using namespace promptui;

// Closes the image on every way out; a failed parse closes it before its
// message.
class ImageSession {
public:
    explicit ImageSession(BaseCardImage& image) : image_(image) {}
    ~ImageSession() { close(); }
    ImageSession(const ImageSession&) = delete;
    ImageSession& operator=(const ImageSession&) = delete;

    void close()
    {
        if (open_)
            image_.Close();
        open_ = false;
    }

private:
    BaseCardImage& image_;
    bool open_ = true;
};

void showReadError(const QString& message)
{
    showError(message, text::latin(text::kCaptionError));
}

// The type of the current card image when it is a DC card of `custId`;
// nullopt after its message.
std::optional<uint8_t> ownDcCardType(BaseCardImage& image, uint16_t custId)
{
    uint8_t type = 0;
    uint16_t owner = 0;
    uint8_t status = image.GetCardType(&type);
    if (status == 0)
        status = image.GetCustId(&owner);
    if (status != 0) {
        showReadError(text::withErrorNum(text::kErrorReadingCard, status));
        return std::nullopt;
    }
    if (type != laundry::kReaderDcCard && type != laundry::kComplexDcCard &&
        type != laundry::kAdvanteckDcCard) {
        showReadError(text::latin(text::kNotDcCard));
        return std::nullopt;
    }
    // No exemption for a blank owner here: reading is for the card's owner.
    if (owner != custId) {
        showReadError(text::latin(text::kWrongCustomerId));
        return std::nullopt;
    }
    return type;
}

// The parser of a DC card type.
uint8_t parseImage(BaseCardImage& image, uint8_t type, GenericDC& records)
{
    switch (type) {
    case laundry::kComplexDcCard:
        return cardcore::NIMBOReadGen2StackComplexDcCard(image, records);
    case laundry::kAdvanteckDcCard:
        return cardcore::NIMBOReadGenericDcCard(image, records, cardcore::kGenericDcAdvanteck);
    default:
        return cardcore::NIMBOReadDcCard(image, records);
    }
}

} // namespace

uint8_t fillDcArray(BaseCardImage& image, uint16_t custId, GenericDC& records)
{
    const bool initialised = image.Init();
    ImageSession session(image);
    if (!initialised)
        return 0;

    const uint32_t imageCount = image.GetNumCardImages();
    VelaProgress progress;
    progress.Open(text::latin(text::kTitleReadMachineDc), 2 * static_cast<int>(imageCount) + 2);
    progress.Step(text::latin(text::kStepReadingTotal));

    for (uint32_t i = 0; i < imageCount; ++i) {
        progress.Step(text::latin(text::kStepCheckingType));
        const std::optional<uint8_t> type = ownDcCardType(image, custId);
        if (!type)
            return 0;
        progress.Step(text::latin(text::kStepReadingMachineDc));
        if (const uint8_t status = parseImage(image, *type, records); status != 0) {
            session.close();
            showReadError(text::withErrorNum(text::kErrorParsing, status));
            return 0;
        }
        if (!image.GetNextCardImage())
            break;
    }

    cardcore::PostProcessDCData(records);
    progress.Step(text::latin(text::kStepDone));
    session.close();
    if (records.GetNumRecs() == 0) {
        showReadError(text::latin(text::kNoRecords));
        return 0;
    }
    return 1;
}

} // namespace datacollection
