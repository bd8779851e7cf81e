// The installed modal-dialog runner: exec() unless a test or a host replaced it.
#include "services/dialog_runner.h"

#include <QDialog>

#include <utility>

namespace promptui {
namespace {

DialogRunner& installedRunner()
{
    static DialogRunner runner;
    return runner;
}

} // namespace

int runDialog(QDialog& dialog)
{
    const DialogRunner& runner = installedRunner();
    return runner ? runner(dialog) : dialog.exec();
}

DialogRunner setDialogRunner(DialogRunner runner)
{
    return std::exchange(installedRunner(), std::move(runner));
}

} // namespace promptui
