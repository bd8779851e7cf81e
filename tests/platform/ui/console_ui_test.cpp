#include "services/prompt.h"
#include "services/ui_mode.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace promptui;

namespace {

// A temporary stderr and stdin; `input` is what the operator would type.
class ConsoleUiTest : public ::testing::Test {
protected:
    void TearDown() override { setConsoleAnswer(0); }

    ui::ConsoleStreams streams(bool terminal, const QByteArray& input = {})
    {
        std::fwrite(input.constData(), 1, size_t(input.size()), in_.get());
        std::rewind(in_.get());
        return {out_.get(), in_.get(), terminal, terminal};
    }

    QString written()
    {
        const long size = std::ftell(out_.get());
        QByteArray all(size, '\0');
        std::rewind(out_.get());
        EXPECT_EQ(std::fread(all.data(), 1, size_t(size), out_.get()), size_t(size));
        return QString::fromUtf8(all);
    }

    using File = std::unique_ptr<FILE, int (*)(FILE*)>;
    File out_{std::tmpfile(), &std::fclose}, in_{std::tmpfile(), &std::fclose};
};

} // namespace

TEST_F(ConsoleUiTest, MessagesShowCaptionAndExactText)
{
    ui::ConsolePrompt prompt(streams(false));
    EXPECT_EQ(prompt.messageBox("Error Reading Card Type...\nError Num: 5", "ERROR: Reader Manager",
                                MB_OK | MB_ICONERROR),
              IDOK);
    // A text that ends its own line gets no second line end.
    prompt.messageBox("Cannot transfer database to dialog.\nError 3 : x\n", "", MB_ICONWARNING);
    EXPECT_EQ(written(), "ERROR: Reader Manager: Error Reading Card Type...\nError Num: 5\n"
                         "Warning: Cannot transfer database to dialog.\nError 3 : x\n");
}

// --yes goes ahead without ever retrying; --no answers No or the safe choice.
TEST_F(ConsoleUiTest, CommandLineAnswersPickTheirButtonOfEachSet)
{
    ui::ConsolePrompt prompt(streams(false));
    const struct {
        unsigned buttons;
        int yes, no;
    } cases[] = {{MB_YESNO, IDYES, IDNO},
                 {MB_OKCANCEL, IDOK, IDCANCEL},
                 {MB_ABORTRETRYIGNORE, IDIGNORE, IDABORT},
                 {MB_RETRYCANCEL, IDCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        setConsoleAnswer(IDYES);
        EXPECT_EQ(prompt.messageBox("q", "c", c.buttons), c.yes) << c.buttons;
        setConsoleAnswer(IDNO);
        EXPECT_EQ(prompt.messageBox("q", "c", c.buttons), c.no) << c.buttons;
    }
    EXPECT_TRUE(written().startsWith("c: q\n-> Yes (answered by --yes)\nc: q\n-> No (answered by "
                                     "--no)\n"));
}

TEST_F(ConsoleUiTest, UnansweredQuestionWithoutTerminalIsDeclinedAndSaysSo)
{
    ui::ConsolePrompt prompt(streams(false, "y\n"));
    setConsoleAnswer(1234); // not an answer: ask, as with 0
    EXPECT_EQ(prompt.messageBox("Erase?", "Are you sure?", MB_YESNO), IDNO);
    EXPECT_EQ(prompt.messageBox("Save?", "c", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_TRUE(written().contains("-> No (no terminal to ask; answer with --yes or --no)\n"));
    EXPECT_EQ(std::fgetc(in_.get()), 'y'); // the input was never read
}

TEST_F(ConsoleUiTest, TerminalIsAskedUntilItGivesAButtonOrItsInputEnds)
{
    ui::ConsolePrompt prompt(streams(true, "maybe\n\n  YES \nr\nx"));
    EXPECT_EQ(prompt.messageBox("Erase?", "Are you sure?", MB_YESNO | MB_ICONWARNING), IDYES);
    EXPECT_EQ(prompt.messageBox("Again?", "c", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(prompt.messageBox("Continue?", "c", MB_OKCANCEL), IDCANCEL);
    const QString out = written();
    EXPECT_EQ(out.count("Yes (y) / No (n)? "), 3);
    EXPECT_TRUE(out.endsWith("-> Cancel (end of input)\n")) << qPrintable(out);
}

// Without a terminal one line per step, only while a window is open; on a
// terminal a bar that stays full past its count and ends its line for a box.
TEST_F(ConsoleUiTest, ProgressWritesLinesOrABar)
{
    for (const bool terminal : {false, true}) {
        const ui::ConsoleStreams s = streams(terminal);
        ui::ConsoleProgress progress(s);
        progress.step("before any window");
        progress.show("Writing", 1);
        progress.step("Identifying Card...");
        ui::ConsolePrompt(s).messageBox("Card Not Created!", "W", MB_OK);
        progress.step("Done");
        progress.end();
        progress.end();
        progress.step("after the window");
    }
    EXPECT_EQ(written(), "Writing: Identifying Card...\nW: Card Not Created!\nWriting: Done\n"
                         "Writing\n\r\x1b[K[--------------------] 0/1 "
                         "\r\x1b[K[####################] 1/1 Identifying Card...\n"
                         "W: Card Not Created!\n"
                         "\r\x1b[K[####################] 1/1 Done\n");
}
