// The installed prompt and progress services and the free functions that
// route to them. With nothing installed the console implementation answers,
// so a call from a host that never chose still does something sensible.
#include "services/progress.h"
#include "services/prompt.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"

namespace promptui {
namespace {

PromptService* installedPrompt = nullptr;
ProgressService* installedProgress = nullptr;

} // namespace

PromptService& promptService()
{
    return installedPrompt ? *installedPrompt : ui::consolePrompt();
}

void setPromptService(PromptService* service)
{
    installedPrompt = service;
}

ProgressService& progressService()
{
    return installedProgress ? *installedProgress : ui::consoleProgress();
}

void setProgressService(ProgressService* service)
{
    installedProgress = service;
}

int MessageBox(const QString& text, const QString& caption, unsigned flags)
{
    return promptService().messageBox(text, caption, flags);
}

void ShowProgress(const QString& title, int /*flags*/, int steps)
{
    progressService().show(title, steps);
}

void StepProgress(const QString& text)
{
    progressService().step(text);
}

void EndProgress()
{
    progressService().end();
}

} // namespace promptui
