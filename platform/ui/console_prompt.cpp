#include "ui/console_prompt.h"

#include "services/ui_mode.h"
#include "ui/button_set.h"

#include <QStringList>

#include <algorithm>
#include <string>

using namespace promptui;

namespace ui {
namespace {

int chosenAnswer = 0;

QString iconWord(unsigned flags)
{
    switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
        return QStringLiteral("Error");
    case MB_ICONQUESTION:
        return QStringLiteral("Question");
    case MB_ICONWARNING:
        return QStringLiteral("Warning");
    case MB_ICONINFORMATION:
        return QStringLiteral("Information");
    default:
        return {};
    }
}

// One line from `in` without its line end; false at the end of input.
bool readLine(FILE* in, std::string& line)
{
    line.clear();
    int c;
    while ((c = std::fgetc(in)) != EOF) {
        if (c == '\n')
            return true;
        line.push_back(char(c));
    }
    return !line.empty();
}

// The result whose name or first letter the operator typed, 0 for none.
int matchAnswer(const QString& typed, const std::vector<int>& results)
{
    const QString word = typed.trimmed().toLower();
    if (word.isEmpty())
        return 0;
    for (int r : results) {
        const QString name = resultName(r).toLower();
        if (word == name || word == name.left(1))
            return r;
    }
    return 0;
}

} // namespace

int consoleAnswer()
{
    return chosenAnswer;
}

ConsolePrompt::ConsolePrompt(ConsoleStreams streams) : streams_(streams) {}

int ConsolePrompt::messageBox(const QString& text, const QString& caption, unsigned flags)
{
    endPartialLine(streams_.out);
    const QString header = caption.isEmpty() ? iconWord(flags) : caption;
    QString shown = header.isEmpty() ? text : header + QStringLiteral(": ") + text;
    if (!shown.endsWith(u'\n'))
        shown += u'\n';
    writeText(streams_.out, shown);

    if (!isQuestion(flags))
        return IDOK;

    const std::vector<int> results = buttonResults(flags);
    const bool hasNo = std::find(results.begin(), results.end(), int(IDNO)) != results.end();
    switch (consoleAnswer()) {
    case IDYES: {
        const int r = goAheadResult(flags);
        reportAnswer(r, QStringLiteral("answered by --yes"));
        return r;
    }
    case IDNO: {
        const int r = hasNo ? int(IDNO) : safeResult(flags);
        reportAnswer(r, QStringLiteral("answered by --no"));
        return r;
    }
    default:
        break;
    }
    if (streams_.inIsTerminal)
        return askTerminal(flags);
    const int r = safeResult(flags);
    reportAnswer(r, QStringLiteral("no terminal to ask; answer with --yes or --no"));
    return r;
}

int ConsolePrompt::askTerminal(unsigned flags)
{
    const std::vector<int> results = buttonResults(flags);
    QStringList choices;
    for (int r : results) {
        const QString name = resultName(r);
        choices << QStringLiteral("%1 (%2)").arg(name, name.left(1).toLower());
    }
    const QString question = choices.join(QStringLiteral(" / ")) + QStringLiteral("? ");

    // No default on Enter: an operator at a terminal says what he means.
    std::string line;
    for (;;) {
        writeText(streams_.out, question);
        if (!readLine(streams_.in, line)) {
            const int r = safeResult(flags);
            writeText(streams_.out, QStringLiteral("\n"));
            reportAnswer(r, QStringLiteral("end of input"));
            return r;
        }
        if (const int r = matchAnswer(QString::fromLocal8Bit(line), results))
            return r;
    }
}

void ConsolePrompt::reportAnswer(int result, const QString& why)
{
    writeText(streams_.out, QStringLiteral("-> %1 (%2)\n").arg(resultName(result), why));
}

ConsolePrompt& consolePrompt()
{
    static ConsolePrompt prompt;
    return prompt;
}

} // namespace ui

namespace promptui {

void setConsoleAnswer(int answer)
{
    // Anything but the two answers means "ask": a wrong value must not
    // silently answer questions.
    ui::chosenAnswer = (answer == IDYES || answer == IDNO) ? answer : 0;
}

} // namespace promptui
