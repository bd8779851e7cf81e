#include "setup/setup_card_writer.h"

#include "services/card_image.h"
#include "services/cardcore.h"
#include "services/keyring.h"
#include "services/progress.h"
#include "services/prompt.h"
#include "setup/messages.h"
#include "setup/operation_end.h"
#include "setup/setup_layout.h"

namespace setup {
namespace {

using namespace promptui;

constexpr int kCreateSteps = 5;

void showError(const QString& message)
{
    MessageBox(message, QString::fromLatin1(text::kCaptionError), MB_OK | MB_ICONERROR);
}

void showCardNotCreated()
{
    MessageBox(QString::fromLatin1(text::kCardNotCreated),
               QString::fromLatin1(text::kCaptionWarning), MB_OK | MB_ICONWARNING);
}

// Steps 4-7: the card's type and owner. False when the write must not go on.
bool mayOverwrite(BaseCardImage& image, uint16_t custId, const STRUCT_laundry_setup& record)
{
    uint8_t type = 0;
    if (const uint8_t status = image.GetCardType(&type); status != 0) {
        showError(text::withErrorNum(text::kErrorReadingType, status));
        return false;
    }
    if (type != 0xFF && type != 0 && uint16_t{type} != record.card_type_code) {
        const QString question = QString::fromLatin1(text::kEraseQuestionHead) + StrCardtype(type) +
                                 QString::fromLatin1(text::kEraseQuestionTail);
        if (MessageBox(question, QString::fromLatin1(text::kCaptionAreYouSure),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDNO)
            return false;
    }

    StepProgress(QString::fromLatin1(text::kStepVerifying));
    uint16_t cardCustId = 0;
    if (image.GetCustId(&cardCustId) != 0) {
        showError(QString::fromLatin1(text::kCustIdUnreadable));
        return false;
    }
    if (cardCustId != custId && !image.IsNewCard()) {
        showError(QString::fromLatin1(text::kWrongCustomer));
        return false;
    }
    return true;
}

// Step 9: the keys go on after the setup data.
bool writeKeys(BaseCardImage& image)
{
    keyring::LoadKeys();
    const uint8_t keyError =
        image.SelectFile(kSetupDataFileId) != 0 ? 1 : cardcore::CardSetKeys(image);
    if (keyError != 0) {
        showError(text::withErrorNum(text::kErrorSettingKeys, keyError));
        return false;
    }
    return true;
}

// Nothing written is lasting until the image commits it: a card file or
// setup file that cannot be saved fails the whole write, as a failed
// encoder does, and the card or file stays as it was.
bool commitWrites(BaseCardImage& image)
{
    if (const uint8_t status = image.Commit(); status != 0) {
        showError(text::withErrorNum(text::kErrorWritingData, status));
        showCardNotCreated();
        return false;
    }
    return true;
}

// Steps 1-9 inside the progress window; true when the card was written.
// Leaving this function steps "Done" or "Cancelled", closes the image and
// ends the progress window, in that order, on every path.
bool writeSetupCardSteps(BaseCardImage& image, uint16_t custId, const STRUCT_laundry_setup& record)
{
    ProgressGuard progress(QString::fromLatin1(text::kCreateSetupTitle), kCreateSteps);
    StepProgress(QString::fromLatin1(text::kStepIdentifying));

    const bool initialised = image.Init();
    OperationEnd session([&image] { image.Close(); });
    if (!initialised)
        return false;

    if (!image.CheckPrevState())
        StepProgress(QString::fromLatin1(text::kStepIdentifying));
    else if (!mayOverwrite(image, custId, record))
        return false;

    StepProgress(QString::fromLatin1(text::kStepWriting));
    if (!write_setup_layout(image, &record)) {
        showCardNotCreated();
        return false;
    }

    StepProgress(QString::fromLatin1(text::kStepWriting));
    if (!writeKeys(image)) {
        // The setup data went on before the keys and stays on the card.
        image.Commit();
        return false;
    }
    if (!commitWrites(image))
        return false;

    session.markDone();
    return true;
}

} // namespace

uint8_t createSetupCard(BaseCardImage& image, uint16_t custId, const STRUCT_laundry_setup& record)
{
    if (!writeSetupCardSteps(image, custId, record))
        return 0;
    const bool toFile = image.IsCreatingSetupFile();
    MessageBox(QString::fromLatin1(toFile ? text::kSetupFileCreated : text::kSetupCardCreated),
               QString::fromLatin1(text::kCaptionSuccess), MB_OK | MB_ICONINFORMATION);
    return 1;
}

} // namespace setup
