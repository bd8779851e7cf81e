// The progress window on the console.
//
// On a terminal: the title on a line of its own, then one bar line redrawn in
// place at every step ("[#####-----] 2/4 Writing data structures...").
// Otherwise (a log file, a pipe, a CI run): one plain line per step,
// "title: step text", so the log tells how far an operation got; nothing on
// open and close, which add no information there.
#pragma once

#include "services/progress.h"
#include "ui/console_streams.h"

namespace ui {

class ConsoleProgress : public promptui::ProgressService {
public:
    explicit ConsoleProgress(ConsoleStreams streams = ConsoleStreams::standard());

    void show(const QString& title, int steps) override;
    void step(const QString& text) override;
    void end() override;

private:
    void drawBar(const QString& text);

    ConsoleStreams streams_;
    bool open_ = false;
    QString title_;
    int steps_ = 0;
    int done_ = 0;
};

// The console progress the services fall back to and installUi installs.
ConsoleProgress& consoleProgress();

} // namespace ui
