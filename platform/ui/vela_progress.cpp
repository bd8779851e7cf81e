// The object forms of the global progress window.
#include "services/progress.h"
#include "services/prompt.h"

namespace promptui {

VelaProgress::~VelaProgress()
{
    Close();
}

void VelaProgress::Open(const QString& title, int steps)
{
    ShowProgress(title, 0, steps);
    open_ = true;
    stepCount_ = 0;
}

void VelaProgress::Step(const QString& text)
{
    ++stepCount_;
    StepProgress(text);
}

void VelaProgress::Close()
{
    // Once only: the window may belong to the next operation by then.
    if (!open_)
        return;
    open_ = false;
    EndProgress();
}

int VelaCardProgress::Msg(const QString& text, const QString& caption, bool error)
{
    return MessageBox(text, caption, MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

} // namespace promptui
