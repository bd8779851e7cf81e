#include "datacollection/dc_card_checks.h"

#include "datacollection/dc_messages.h"
#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/progress.h"
#include "services/prompt.h"

namespace datacollection {
namespace {

using namespace promptui;

// Status for a chip the tables have no entry for; the card check refuses
// such chips first.
constexpr uint8_t kNoChipEntry = 1;

constexpr uint16_t kNoOwner = 0;
constexpr uint16_t kFactoryOwner = 0xFFFF;

} // namespace

void showError(const QString& text, const QString& caption)
{
    MessageBox(text, caption, MB_OK | MB_ICONERROR);
}

std::optional<uint8_t> readCurrentCardType(const RefusalReport& report)
{
    const uint8_t chip = keyring::ChipID;
    uint8_t type = 0;
    const uint8_t status = cardfx::hasChip(chip) ? cardfx::GetCardType[chip](&type) : kNoChipEntry;
    if (status != 0) {
        report(text::withErrorNum(text::kErrorReadingType, status),
               text::latin(text::kCaptionError));
        return std::nullopt;
    }
    return type;
}

bool ownerAllows(uint16_t custId, bool newCard, const RefusalReport& report)
{
    const uint8_t chip = keyring::ChipID;
    uint16_t owner = 0;
    const uint8_t status = cardfx::hasChip(chip) ? cardfx::GetCustId[chip](&owner) : kNoChipEntry;
    if (status != 0) {
        report(text::withErrorNum(text::kErrorReadingCustId, status),
               text::latin(text::kCaptionError));
        return false;
    }
    const bool unowned = owner == kNoOwner || owner == kFactoryOwner || newCard;
    if (!unowned && owner != custId) {
        report(text::latin(text::kWrongCustomer), text::latin(text::kCaptionError));
        return false;
    }
    return true;
}

bool formatDcCard(uint8_t cardType, uint16_t custId, uint8_t dcOption, const char* errorCaption,
                  const RefusalReport& report)
{
    DC_CARD card{};
    card.card_type = cardType;
    card.cust_id = custId;
    card.dc_option = dcOption;
    if (const uint8_t status = cardlayout::NIMBOCreateDcCard(&card); status != 0) {
        report(text::withErrorNum(text::kErrorCreating, status), text::latin(errorCaption));
        return false;
    }
    return true;
}

bool askYes(const QString& question, const char* caption, unsigned icon)
{
    // Every question here is about erasing a card: No is the default answer.
    return MessageBox(question, text::latin(caption), MB_YESNO | MB_DEFBUTTON2 | icon) == IDYES;
}

void showCardCreated(uint8_t cardType)
{
    MessageBox(text::latin(text::kCardCreated).arg(StrCardtype(cardType)),
               text::latin(text::kCaptionDone), MB_OK | MB_ICONINFORMATION);
}

} // namespace datacollection
