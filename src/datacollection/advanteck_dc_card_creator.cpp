#include "datacollection/advanteck_dc_card_creator.h"

#include "datacollection/dc_card_checks.h"
#include "datacollection/dc_messages.h"
#include "laundry/card_types.h"
#include "services/progress.h"
#include "services/prompt.h"
#include "setup/management_card.h"

namespace datacollection {
namespace {

using namespace promptui;

constexpr int kCreateSteps = 5;
constexpr uint8_t kTarget = laundry::kAdvanteckDcCard;

bool operatorAgrees(uint8_t current)
{
    if (current == laundry::kNewCard || current == laundry::kBlankCard)
        return true;
    const QString target = StrCardtype(kTarget);
    if (current == kTarget)
        return askYes(text::latin(text::kAdvanteckEraseQuestion).arg(target),
                      text::kCaptionAreYouSure, MB_ICONWARNING);
    return askYes(text::latin(text::kAdvanteckOverwriteQuestion).arg(StrCardtype(current), target),
                  text::kCaptionAreYouSure, MB_ICONWARNING);
}

// Everything inside the window; the window is closed when this returns.
bool createSteps(VelaCardProgress& window, uint16_t custId)
{
    const RefusalReport report = [&window](const QString& message, const QString& caption) {
        window.Msg(message, caption, true);
    };
    window.Open(text::latin(text::kTitleAdvanteck).arg(StrCardtype(kTarget)), kCreateSteps);
    window.Step(text::latin(text::kStepValidating));

    bool newCard = false;
    if (!setup::check_management_card(&newCard, report, text::latin(text::kCaptionApplication)))
        return false;

    window.Step(text::latin(text::kStepChecking));
    const std::optional<uint8_t> current = readCurrentCardType(report);
    if (!current || !operatorAgrees(*current) || !ownerAllows(custId, newCard, report))
        return false;

    window.Step(text::latin(text::kStepWritingHeader));
    if (!formatDcCard(kTarget, custId, 0, text::kCaptionError, report))
        return false;
    window.Step(text::latin(text::kStepDone));
    return true;
}

} // namespace

uint8_t createAdvanteckDcCard(uint16_t custId)
{
    bool created = false;
    {
        VelaCardProgress window;
        created = createSteps(window, custId);
    }
    if (!created)
        return 0;
    showCardCreated(kTarget);
    return 1;
}

} // namespace datacollection
