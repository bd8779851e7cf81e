// Modal dialogs run through here, so a test (or a host without a display)
// can replace what running one means.
#pragma once

#include <functional>

class QDialog;

namespace promptui {

using DialogRunner = std::function<int(QDialog&)>;

// Runs the dialog modally through the installed runner (exec() by default)
// and returns its result.
int runDialog(QDialog& dialog);

// Installs a runner; an empty one puts back exec(). Returns the previous one.
DialogRunner setDialogRunner(DialogRunner runner);

} // namespace promptui
