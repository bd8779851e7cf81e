// Message boxes as QMessageBox: the buttons, icon and default button of the
// flags, the caption as window title and the text shown as plain text.
#pragma once

#include "services/prompt.h"

#include <QMessageBox>

namespace ui {

class QtPrompt : public promptui::PromptService {
public:
    // Without a QApplication there is nothing to show a box on; the console
    // prompt answers instead of crashing.
    int messageBox(const QString& text, const QString& caption, unsigned flags) override;
};

QMessageBox::Icon qtIcon(unsigned flags);
QMessageBox::StandardButton qtButton(int result);
int resultOfButton(QMessageBox::StandardButton button);

QtPrompt& qtPrompt();

} // namespace ui
