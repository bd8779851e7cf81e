#include "services/ui_mode.h"

#include "ui/console_progress.h"
#include "ui/console_prompt.h"
#include "ui/qt_progress.h"
#include "ui/qt_prompt.h"

namespace promptui {

void installUi(UiMode mode)
{
    switch (mode) {
    case UiMode::Qt:
        setPromptService(&ui::qtPrompt());
        setProgressService(&ui::qtProgress());
        break;
    case UiMode::Console:
        setPromptService(&ui::consolePrompt());
        setProgressService(&ui::consoleProgress());
        break;
    case UiMode::Scripted:
        // The test has installed its own services already.
        break;
    }
}

} // namespace promptui
