#include "specials/special_card_writer.h"

#include "laundry/card_types.h"
#include "services/cardfx.h"
#include "services/keyring.h"
#include "services/progress.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/messages.h"
#include "specials/special_card_layout.h"
#include "specials/special_card_messages.h"

namespace specials {
namespace {

using namespace promptui;

constexpr int kCreateSteps = 4;
constexpr uint16_t kNoOwner = 0;
constexpr uint16_t kFactoryOwner = 0xFFFF;

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

QString errorCaption(Mode mode)
{
    return QStringLiteral("ERROR: ") + applicationTitle(mode);
}

bool refuse(QString* message, const QString& text)
{
    *message = text;
    return false;
}

bool cannotBeManagementChip(uint8_t chip)
{
    return chip == 1 || chip == 3;
}

// The refusal of a chip that is not the management-capable one.
QString chipRefusal(Mode mode, uint8_t chip)
{
    return cannotBeManagementChip(chip) ? latin(setup::text::kNotManagementCard)
                                        : latin(text::kChipCannotBeKind).arg(kindWord(mode));
}

// A card that failed validation: a chip-0 card is initialised and validated
// again.
bool initialiseInvalidCard(Mode mode, bool* newCard, QString* message)
{
    const uint8_t chip = keyring::ChipID;
    if (chip != 0)
        return refuse(message, chipRefusal(mode, chip));
    keyring::LoadZQKeys();
    uint8_t status = cardlayout::NIMBOCreateCard();
    if (status == 0)
        status = cardfx::ValidateCard();
    if (status != 0)
        return refuse(message, setup::text::withErrorNum(setup::text::kCardUnknown, status));
    *newCard = true;
    return true;
}

// Whether the operator lets a card of another type be erased.
bool eraseAgreed(Mode mode, uint8_t type)
{
    if (type == laundry::kNewCard || type == laundry::kBlankCard || type == cardTypeOf(mode))
        return true;
    const QString question =
        latin(setup::text::kEraseQuestionHead) + StrCardtype(type) +
        latin(mode == Mode::DoorAccess ? text::kEraseDoorQuestion : text::kErasePriceQuestion);
    return MessageBox(question, latin(setup::text::kCaptionAreYouSure),
                      MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

QString errorText(const char* message, uint8_t status)
{
    return latin(message).arg(int(status));
}

} // namespace

bool checkCard(Mode mode, uint16_t custId, QString* message)
{
    message->clear();
    bool newCard = false;
    if (cardfx::ValidateCard() != 0 && !initialiseInvalidCard(mode, &newCard, message))
        return false;
    const uint8_t chip = keyring::ChipID;
    if (chip != 0)
        return refuse(message, chipRefusal(mode, chip));

    keyring::LoadZQKeys();
    uint8_t type = 0;
    if (const uint8_t status = cardfx::GetCardType[chip](&type); status != 0)
        return refuse(message, setup::text::withErrorNum(setup::text::kErrorReadingType, status));
    if (!eraseAgreed(mode, type))
        return false; // declined: nothing more to say

    uint16_t owner = 0;
    if (cardfx::GetCustId[chip](&owner) != 0)
        return refuse(message, latin(setup::text::kCustIdUnreadable));
    if (owner == kFactoryOwner || owner == kNoOwner)
        newCard = true;
    if (owner != custId && !newCard)
        return refuse(message, latin(setup::text::kWrongCustomer));
    return true;
}

bool writeCard(Mode mode, uint16_t custId, HEADER_DATA_AREA& area, int dataLength,
               VelaCardProgress& window)
{
    const auto fail = [&](const QString& text) {
        window.Msg(text, errorCaption(mode), true);
        return false;
    };
    window.Step(latin(text::kStepInitializing));
    QString message;
    if (!checkCard(mode, custId, &message)) {
        if (!message.isEmpty())
            fail(message);
        return false;
    }
    window.Step(latin(text::kStepWriting));
    area.length = kHeaderLength;
    area.offset = 0;
    if (const uint8_t status = cardlayout::NIMBOSetHeaderArea(&area); status != 0)
        return fail(errorText(text::kErrorWritingHeader, status));
    if (const uint8_t status = cardfx::SetCardVersion[keyring::ChipID](0); status != 0)
        return fail(errorText(text::kErrorWritingVersion, status));
    area.length = uint32_t(dataLength);
    area.offset = 0;
    if (const uint8_t status = cardlayout::NIMBOSetDataArea(&area); status != 0)
        return fail(errorText(text::kErrorWritingHeader, status));
    return true;
}

bool createCard(const CardOrder& order, bool clear)
{
    const Mode mode = order.mode;
    const QString title = applicationTitle(mode);
    if (order.profile.name.isEmpty()) {
        MessageBox(latin(text::kSelectProfileFirst), errorCaption(mode), MB_OK | MB_ICONSTOP);
        return false;
    }
    const int count = int(order.entries.size());
    if (!clear && count > kMaxEntries) {
        MessageBox(latin(text::kTooManyEntries).arg(kMaxEntries), title, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!clear && count == 0) {
        MessageBox(latin(text::kNoEntries), title, MB_OK | MB_ICONSTOP);
        return false;
    }
    readerio::PowerCard(readerio::POWER_ON);
    if (!readerio::CardInserted()) {
        MessageBox(latin(setup::text::kInsertCardFirst), errorCaption(mode), MB_OK | MB_ICONSTOP);
        return false;
    }

    VelaCardProgress window;
    window.Open(latin(text::kCreatingTitle).arg(kindWord(mode)), kCreateSteps);
    window.Step(latin(text::kStepConstructing));
    HEADER_DATA_AREA area;
    int length = buildCardImage(
        area, mode, order.custId, order.profile,
        clear ? std::span<const SpecialEntry>()
              : std::span<const SpecialEntry>(order.entries.constData(), order.entries.size()));
    if (clear)
        length = buildClearEntry(area);
    if (!writeCard(mode, order.custId, area, length, window))
        return false; // the reader stays powered for a retry
    window.Step(latin(text::kStepDone));
    readerio::PowerCard(readerio::POWER_OFF);
    const bool door = mode == Mode::DoorAccess;
    MessageBox(latin(door ? text::kRestrictionCardCreated : text::kPriceCardCreated),
               latin(door ? text::kCaptionDoorSuccess : text::kCaptionPriceSuccess),
               MB_OK | MB_ICONINFORMATION);
    return true;
}

} // namespace specials
