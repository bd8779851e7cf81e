// Where the console prompt and progress write and read, and whether each end
// is a terminal. Tests hand in temporary files instead of stderr and stdin.
#pragma once

#include <QString>

#include <cstdio>

namespace ui {

struct ConsoleStreams {
    FILE* out = stderr;
    FILE* in = stdin;
    bool outIsTerminal = false;
    bool inIsTerminal = false;

    // stderr and stdin, each checked for a terminal.
    static ConsoleStreams standard();
};

// Writes the text as UTF-8 and flushes, so it lands before anything the
// process writes next.
void writeText(FILE* out, const QString& text);

// A progress bar leaves its line open for the next redraw; whoever writes a
// line of their own to that stream ends the bar's line first.
void notePartialLine(FILE* out);
void endPartialLine(FILE* out);

// Columns of the terminal behind `out`, 80 when unknown.
int terminalColumns(FILE* out);

} // namespace ui
