// Message boxes on the console: the caption and the exact text on stderr,
// questions answered by --yes/--no, by the operator at a terminal, or else
// with the answer that changes nothing.
#pragma once

#include "services/prompt.h"
#include "ui/console_streams.h"

namespace ui {

class ConsolePrompt : public promptui::PromptService {
public:
    explicit ConsolePrompt(ConsoleStreams streams = ConsoleStreams::standard());

    int messageBox(const QString& text, const QString& caption, unsigned flags) override;

private:
    int askTerminal(unsigned flags);
    void reportAnswer(int result, const QString& why);

    ConsoleStreams streams_;
};

// The console prompt the services fall back to and installUi installs.
ConsolePrompt& consolePrompt();

// The answer setConsoleAnswer chose: 0 (ask), IDYES or IDNO.
int consoleAnswer();

} // namespace ui
