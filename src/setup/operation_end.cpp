#include "setup/operation_end.h"

#include "services/progress.h"
#include "setup/messages.h"

namespace setup {

OperationEnd::~OperationEnd()
{
    if (done_)
        promptui::StepProgress(QString::fromLatin1(text::kStepDone));
    else
        promptui::StepProgress(cancelledStep_.isEmpty() ? QString::fromLatin1(text::kStepCancelled)
                                                        : cancelledStep_);
    release_();
}

} // namespace setup
