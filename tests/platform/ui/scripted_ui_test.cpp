#include "platform/ui/checked_scripted_ui.h"

#include "services/progress.h"
#include "services/prompt.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace promptui;
using ui::ScriptedUi;

TEST(ScriptedUi, RecordsBoxesExactlyAndAnswersFromTheQueueOrSafely)
{
    ScriptedUi s;
    s.queueAnswer(IDNO);
    EXPECT_EQ(s.messageBox("Card Not Created!", "WARNING: Reader Manager", MB_OK | MB_ICONWARNING),
              IDOK); // a box with only OK takes no answer
    const QString question = "Current Card:\tPrice Special Card\nAre you sure?";
    EXPECT_EQ(s.messageBox(question, "Are you sure?", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2),
              IDNO);
    ASSERT_EQ(s.messages().size(), 2u);
    const ui::RecordedMessage& m = s.messages()[1];
    EXPECT_EQ(m.text, question);
    EXPECT_EQ(m.caption, "Are you sure?");
    EXPECT_EQ(m.icon, unsigned(MB_ICONWARNING));
    EXPECT_EQ(m.buttons, unsigned(MB_YESNO));
    EXPECT_EQ(m.flags, unsigned(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    EXPECT_EQ(m.answer, IDNO);
    EXPECT_EQ(s.pendingAnswers(), 0);
    EXPECT_TRUE(s.unexpectedQuestions().empty());

    // Unanswered questions get the answer that changes nothing, and are kept.
    EXPECT_EQ(s.messageBox("Erase?", "x", MB_YESNO), IDNO);
    EXPECT_EQ(s.messageBox("Save?", "x", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(s.messageBox("Go?", "x", MB_ABORTRETRYIGNORE), IDABORT);
    ASSERT_EQ(s.unexpectedQuestions().size(), 3u);
    EXPECT_EQ(s.unexpectedQuestions()[0].text, "Erase?");
    // An answer the box has no button for is returned but reported.
    s.queueAnswer(IDYES);
    EXPECT_EQ(s.messageBox("Continue?", "x", MB_OKCANCEL), IDYES);
    ASSERT_EQ(s.answersWithoutButton().size(), 1u);
    EXPECT_EQ(s.answersWithoutButton()[0].text, "Continue?");
    EXPECT_EQ(s.lastMessage()->text, "Continue?");
}

TEST(ScriptedUi, ScopeInstallsBothServicesRecordsWindowsAndRestoresThePrevious)
{
    PromptService& promptBefore = promptService();
    ProgressService& progressBefore = progressService();
    {
        ui::ScopedScriptedUi scripted;
        ShowProgress("Writing", 0, 5);
        StepProgress("Identifying Card...");
        ShowProgress("Inner", 0, 1); // over an open window: two to close
        StepProgress("inner step");
        EndProgress();
        StepProgress("Done");
        EXPECT_EQ(scripted->openProgressCount(), 1);
        EndProgress();
        EndProgress(); // nothing open: harmless, only counted
        EXPECT_TRUE(scripted->progressBalanced());
        StepProgress("late");
        EXPECT_EQ(scripted->straySteps(), QStringList{"late"});
        ASSERT_EQ(scripted->progressWindows().size(), 2u);
        EXPECT_EQ(scripted->progressWindows()[0].title, "Writing");
        EXPECT_EQ(scripted->progressWindows()[0].steps, 5);
        EXPECT_EQ(scripted->progressWindows()[0].stepTexts,
                  QStringList({"Identifying Card...", "Done"}));
        EXPECT_EQ(scripted->steps(), QStringList({"Identifying Card...", "Done", "inner step"}));
        scripted->clear();
        EXPECT_TRUE(scripted->progressWindows().empty());
        EXPECT_EQ(scripted->endCount(), 0);
    }
    EXPECT_EQ(&promptService(), &promptBefore);
    EXPECT_EQ(&progressService(), &progressBefore);
}

namespace {
ScriptedUi* checkedUi = nullptr;
}

TEST(ScriptedUi, GtestHelperFailsOnUnansweredQuestionsUnusedAnswersAndOpenWindows)
{
    ScriptedUi s;
    checkedUi = &s;
    s.messageBox("Erase?", "Are you sure?", MB_YESNO);
    EXPECT_NONFATAL_FAILURE(uitest::expectScriptFollowed(*checkedUi), "unexpected question");
    s.clear();
    s.queueAnswer(IDYES);
    EXPECT_NONFATAL_FAILURE(uitest::expectScriptFollowed(*checkedUi), "never asked for");
    s.clear();
    s.show("t", 1);
    EXPECT_NONFATAL_FAILURE(uitest::expectScriptFollowed(*checkedUi), "left open");
    s.clear();
    s.queueAnswer(IDRETRY);
    s.messageBox("?", "x", MB_YESNO);
    EXPECT_NONFATAL_FAILURE(uitest::expectScriptFollowed(*checkedUi), "is no button of");
    s.clear();
    uitest::expectScriptFollowed(s); // nothing wrong: no failure
    checkedUi = nullptr;
}
