#include "ui/console_progress.h"

#include <algorithm>

namespace ui {
namespace {

constexpr int kBarWidth = 20;

} // namespace

ConsoleProgress::ConsoleProgress(ConsoleStreams streams) : streams_(streams) {}

void ConsoleProgress::show(const QString& title, int steps)
{
    // A second show replaces the window, as the one global window does.
    end();
    open_ = true;
    title_ = title;
    steps_ = std::max(steps, 0);
    done_ = 0;
    if (streams_.outIsTerminal) {
        endPartialLine(streams_.out);
        writeText(streams_.out, title_ + u'\n');
        drawBar({});
    }
}

void ConsoleProgress::step(const QString& text)
{
    if (!open_)
        return;
    ++done_;
    if (streams_.outIsTerminal)
        drawBar(text);
    else
        writeText(streams_.out, title_ + QStringLiteral(": ") + text + u'\n');
}

void ConsoleProgress::end()
{
    if (!open_)
        return;
    open_ = false;
    endPartialLine(streams_.out);
}

void ConsoleProgress::drawBar(const QString& text)
{
    QString line;
    if (steps_ > 0) {
        // Operations may step once more than they announced; the bar stays full.
        const int shown = std::min(done_, steps_);
        const int filled = shown * kBarWidth / steps_;
        line = u'[' + QString(filled, u'#') + QString(kBarWidth - filled, u'-') +
               QStringLiteral("] %1/%2 ").arg(shown).arg(steps_);
    }
    // The bar owns one line; a line break in a step text would tear it.
    line += QString(text).replace(u'\n', u' ');
    const int room = terminalColumns(streams_.out) - 1;
    if (line.size() > room)
        line.truncate(std::max(room, 0));
    // Back to the line start and clear it, so a shorter text leaves no tail.
    writeText(streams_.out, QStringLiteral("\r\x1b[K") + line);
    notePartialLine(streams_.out);
}

ConsoleProgress& consoleProgress()
{
    static ConsoleProgress progress;
    return progress;
}

} // namespace ui
