#include "datacollection/reader_dc_card_creator.h"

#include "datacollection/dc_card_checks.h"
#include "datacollection/dc_messages.h"
#include "laundry/card_types.h"
#include "services/cardlayout.h"
#include "services/progress.h"
#include "services/prompt.h"
#include "services/readerio.h"
#include "setup/management_card.h"
#include "setup/operation_end.h"

namespace datacollection {
namespace {

using namespace promptui;

constexpr int kCreateSteps = 4;

// Where the manual creator differs from the reader card creators.
struct CreatorStyle {
    const char* title;
    uint8_t cardType;
    bool manual;
};

CreatorStyle styleOf(ReaderDcKind kind)
{
    switch (kind) {
    case ReaderDcKind::Complex:
        return {text::kTitleComplex, laundry::kReaderDcCard, false};
    case ReaderDcKind::Manual:
        return {text::kTitleManual, laundry::kManualDcCard, true};
    case ReaderDcKind::Plain:
        break;
    }
    return {text::kTitlePlain, laundry::kReaderDcCard, false};
}

bool isBlankType(uint8_t type)
{
    return type == laundry::kNewCard || type == laundry::kBlankCard;
}

// The operator's word on a card that is not blank: a reader card asks
// before erasing its own kind and before overwriting another type; the
// manual creator asks only about another type.
bool operatorAgrees(const CreatorStyle& style, uint8_t current)
{
    if (isBlankType(current))
        return true;
    const QString target = StrCardtype(style.cardType);
    if (style.manual) {
        return current == style.cardType ||
               askYes(text::latin(text::kManualOverwriteQuestion).arg(StrCardtype(current), target),
                      text::kCaptionConfirm, MB_ICONQUESTION);
    }
    if (current == style.cardType)
        return askYes(text::latin(text::kEraseRecordsQuestion), text::kReaderDcInsertedCaption,
                      MB_ICONWARNING);
    return askYes(text::latin(text::kOverwriteQuestion).arg(StrCardtype(current), target),
                  text::kCaptionAreYouSure, MB_ICONWARNING);
}

bool writeCustId(uint16_t custId)
{
    if (const uint8_t status = cardlayout::NIMBOSetCustId(custId); status != 0) {
        showError(text::withErrorNum(text::kErrorWritingCustId, status),
                  text::latin(text::kCaptionError));
        return false;
    }
    return true;
}

// Everything inside the progress window; true when the card was formatted.
// Leaving steps "Done" or the cancel step, powers the card off and ends the
// window, in that order, on every path.
bool createSteps(const CreatorStyle& style, uint16_t custId, uint8_t dcOption)
{
    ProgressGuard progress(text::latin(style.title), kCreateSteps);
    setup::OperationEnd end(
        [] { readerio::PowerCard(readerio::POWER_OFF); },
        text::latin(style.manual ? text::kStepWriteCancelled : text::kStepCancelled));
    StepProgress(text::latin(style.manual ? text::kStepValidating : text::kStepIdentifying));

    bool newCard = false;
    if (!setup::check_management_card(&newCard))
        return false;
    if (style.manual)
        StepProgress(text::latin(text::kStepCheckingType));

    const std::optional<uint8_t> current = readCurrentCardType(showError);
    if (!current || !operatorAgrees(style, *current))
        return false;
    if (!ownerAllows(custId, newCard, showError))
        return false;
    // The manual card takes its owner from the format alone.
    if (!style.manual && !writeCustId(custId))
        return false;

    StepProgress(
        text::latin(style.manual ? text::kStepWritingHeader : text::kStepWritingDataHeader));
    const char* errorCaption = style.manual ? text::kCaptionError : text::kCaptionCreateError;
    if (!formatDcCard(style.cardType, custId, style.manual ? 0 : dcOption, errorCaption, showError))
        return false;

    end.markDone();
    return true;
}

} // namespace

uint8_t createReaderDcCard(ReaderDcKind kind, uint16_t custId, uint8_t dcOption)
{
    const CreatorStyle style = styleOf(kind);
    if (!createSteps(style, custId, dcOption))
        return 0;
    showCardCreated(style.cardType);
    return 1;
}

} // namespace datacollection
