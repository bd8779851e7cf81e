#include "setup/management_card.h"

#include "services/cardfx.h"
#include "services/cardlayout.h"
#include "services/keyring.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/messages.h"

namespace setup {
namespace {

void showError(const QString& message, const QString& caption)
{
    promptui::MessageBox(message, caption, promptui::MB_OK | promptui::MB_ICONERROR);
}

bool refuse(const RefusalReport& report, const QString& message)
{
    report(message, QString::fromLatin1(text::kCaptionError));
    return false;
}

bool refuse(const RefusalReport& report, const char* message)
{
    return refuse(report, QString::fromLatin1(message));
}

bool cannotBeManagementChip(uint8_t chip)
{
    return chip == 1 || chip == 3;
}

// A card that failed validation: chip 0 is initialised and validated again,
// and then goes through the checks of a valid card.
bool initialiseBlankCard(bool* new_card, const RefusalReport& report)
{
    const uint8_t chip = keyring::ChipID;
    if (chip != 0)
        return refuse(report,
                      cannotBeManagementChip(chip) ? text::kNotManagementCard : text::kUnknownCard);
    keyring::LoadZQKeys();
    uint8_t status = cardlayout::NIMBOCreateCard();
    if (status == 0)
        status = cardfx::ValidateCard();
    if (status != 0)
        return refuse(report, text::withErrorNum(text::kCardUnknown, status));
    if (new_card)
        *new_card = true;
    return true;
}

} // namespace

bool check_management_card(bool* new_card)
{
    return check_management_card(new_card, showError, QString::fromLatin1(text::kCaptionError));
}

bool check_management_card(bool* new_card, const RefusalReport& report,
                           const QString& noCardCaption)
{
    if (new_card)
        *new_card = false;
    readerio::PowerCard(readerio::POWER_ON);
    if (!readerio::CardInserted()) {
        report(QString::fromLatin1(text::kInsertCardFirst), noCardCaption);
        return false;
    }

    if (cardfx::ValidateCard() != 0 && !initialiseBlankCard(new_card, report))
        return false;

    const uint8_t chip = keyring::ChipID;
    if (chip == 0) {
        if (keyring::pomCard != 0)
            return refuse(report, text::kNotManagementCard);
        keyring::LoadZQKeys();
        return true;
    }
    return refuse(report, cannotBeManagementChip(chip) ? text::kNotManagementCard
                                                       : text::kCardNotSupported);
}

} // namespace setup
