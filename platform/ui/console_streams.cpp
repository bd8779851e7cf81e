#include "ui/console_streams.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace ui {
namespace {

FILE* partialLineOn = nullptr;

} // namespace

ConsoleStreams ConsoleStreams::standard()
{
    ConsoleStreams s;
    s.out = stderr;
    s.in = stdin;
    s.outIsTerminal = isatty(fileno(stderr)) == 1;
    s.inIsTerminal = isatty(fileno(stdin)) == 1;
    return s;
}

void writeText(FILE* out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
}

void notePartialLine(FILE* out)
{
    partialLineOn = out;
}

void endPartialLine(FILE* out)
{
    if (partialLineOn != out)
        return;
    partialLineOn = nullptr;
    std::fputc('\n', out);
    std::fflush(out);
}

int terminalColumns(FILE* out)
{
    winsize size{};
    if (ioctl(fileno(out), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace ui
