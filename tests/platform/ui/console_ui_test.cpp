#include "services/prompt.h"
#include "services/ui_mode.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using namespace promptui;

namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// A temporary stderr and stdin; `input` is what the operator would type.
class ConsoleUiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        out_.reset(std::tmpfile());
        in_.reset(std::tmpfile());
        ASSERT_TRUE(out_ && in_);
    }
    void TearDown() override { setConsoleAnswer(0); }

    ui::ConsoleStreams streams(bool terminal, const QByteArray& input = {})
    {
        std::fwrite(input.constData(), 1, size_t(input.size()), in_.get());
        std::rewind(in_.get());
        return {out_.get(), in_.get(), terminal, terminal};
    }

    QString written()
    {
        std::fflush(out_.get());
        std::rewind(out_.get());
        QByteArray all;
        char buffer[512];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, out_.get())) > 0)
            all.append(buffer, qsizetype(n));
        std::fseek(out_.get(), 0, SEEK_END);
        return QString::fromUtf8(all);
    }

    File out_;
    File in_;
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
    prompt.messageBox("Current Card:\tBlank Card", "", MB_OK);
    EXPECT_EQ(written(), "ERROR: Reader Manager: Error Reading Card Type...\nError Num: 5\n"
                         "Warning: Cannot transfer database to dialog.\nError 3 : x\n"
                         "Current Card:\tBlank Card\n");
}

// --yes goes ahead without ever retrying; --no answers No or the safe choice.
TEST_F(ConsoleUiTest, CommandLineAnswersPickTheirButtonOfEachSet)
{
    ui::ConsolePrompt prompt(streams(false));
    const struct {
        unsigned buttons;
        int yes, no;
    } cases[] = {{MB_YESNO, IDYES, IDNO},
                 {MB_YESNOCANCEL, IDYES, IDNO},
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
    EXPECT_TRUE(written().contains("-> Cancel (answered by --no)\n"));
}

TEST_F(ConsoleUiTest, UnansweredQuestionWithoutTerminalIsDeclinedAndSaysSo)
{
    ui::ConsolePrompt prompt(streams(false, "y\n"));
    setConsoleAnswer(1234); // not an answer: ask, as with 0
    EXPECT_EQ(prompt.messageBox("Erase?", "Are you sure?", MB_YESNO), IDNO);
    EXPECT_EQ(prompt.messageBox("Save?", "c", MB_YESNOCANCEL), IDCANCEL);
    const QString out = written();
    EXPECT_TRUE(out.contains("-> No (no terminal to ask; answer with --yes or --no)\n"))
        << qPrintable(out);
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
    EXPECT_TRUE(out.contains("Retry (r) / Cancel (c)? "));
    EXPECT_TRUE(out.endsWith("-> Cancel (end of input)\n")) << qPrintable(out);
}

TEST_F(ConsoleUiTest, ProgressWithoutTerminalWritesOneLinePerStep)
{
    ui::ConsoleProgress progress(streams(false));
    progress.step("before any window");
    progress.show("Create Reader Setup Card In Progress ... Please Wait", 5);
    progress.step("Identifying Card...");
    progress.step("Done");
    progress.end();
    progress.end();
    progress.step("after the window");
    EXPECT_EQ(written(),
              "Create Reader Setup Card In Progress ... Please Wait: Identifying Card...\n"
              "Create Reader Setup Card In Progress ... Please Wait: Done\n");
}

TEST_F(ConsoleUiTest, ProgressBarOnTerminalRedrawsOneLineAndMakesRoomForMessages)
{
    const ui::ConsoleStreams s = streams(true);
    ui::ConsoleProgress progress(s);
    ui::ConsolePrompt prompt(s);
    progress.show("Writing", 4);
    progress.step("Identifying Card...");
    prompt.messageBox("Card Not Created!", "WARNING: Reader Manager", MB_OK | MB_ICONWARNING);
    progress.step("Writing data structures...");
    progress.step("more");
    progress.step("more");
    progress.step("Done"); // one more than announced: the bar stays full
    progress.end();

    const QString out = written();
    EXPECT_TRUE(out.startsWith("Writing\n\r\x1b[K[--------------------] 0/4 "));
    EXPECT_TRUE(out.contains("\r\x1b[K[#####---------------] 1/4 Identifying Card...\n"
                             "WARNING: Reader Manager: Card Not Created!\n"
                             "\r\x1b[K[##########----------] 2/4 Writing data structures..."));
    EXPECT_TRUE(out.endsWith("\r\x1b[K[####################] 4/4 Done\n")) << qPrintable(out);
}
