#include "setup/operation_end.h"

#include "services/progress.h"
#include "setup/messages.h"

namespace setup {

OperationEnd::~OperationEnd()
{
    promptui::StepProgress(QString::fromLatin1(done_ ? text::kStepDone : text::kStepCancelled));
    release_();
}

} // namespace setup
