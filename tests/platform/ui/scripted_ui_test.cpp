#include "platform/ui/checked_scripted_ui.h"

#include "services/progress.h"
#include "services/prompt.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace promptui;
using ui::ScriptedUi;

TEST(ScriptedUi, RecordsBoxesExactlyAndAnswersQuestionsInQueueOrder)
{
    ScriptedUi s;
    s.queueAnswers({IDNO, IDCANCEL});

    EXPECT_EQ(s.messageBox("Card Not Created!", "WARNING: Reader Manager", MB_OK | MB_ICONWARNING),
              IDOK);
    const QString question = "Current Card:\tPrice Special Card\nAre you sure?";
    EXPECT_EQ(s.messageBox(question, "Are you sure?", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2),
              IDNO);
    EXPECT_EQ(s.messageBox("Save?", "CONFIRM: Reader Manager", MB_YESNOCANCEL | MB_ICONQUESTION),
              IDCANCEL);

    ASSERT_EQ(s.messages().size(), 3u);
    const ui::RecordedMessage& m = s.messages()[1];
    EXPECT_EQ(m.text, question);
    EXPECT_EQ(m.caption, "Are you sure?");
    EXPECT_EQ(m.icon, unsigned(MB_ICONWARNING));
    EXPECT_EQ(m.buttons, unsigned(MB_YESNO));
    EXPECT_EQ(m.flags, unsigned(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    EXPECT_EQ(m.answer, IDNO);
    EXPECT_EQ(s.messages()[0].buttons, unsigned(MB_OK));
    EXPECT_EQ(s.messageTexts(), QStringList({"Card Not Created!", question, "Save?"}));
    EXPECT_EQ(s.lastMessage()->caption, "CONFIRM: Reader Manager");
    EXPECT_EQ(s.pendingAnswers(), 0);
    EXPECT_TRUE(s.unexpectedQuestions().empty());
    EXPECT_TRUE(s.answersWithoutButton().empty());
}

TEST(ScriptedUi, QuestionWithoutQueuedAnswerIsKeptAndAnsweredSafely)
{
    ScriptedUi s;
    EXPECT_EQ(s.messageBox("Erase?", "Are you sure?", MB_YESNO), IDNO);
    EXPECT_EQ(s.messageBox("Save?", "x", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(s.messageBox("Go?", "x", MB_ABORTRETRYIGNORE), IDABORT);
    ASSERT_EQ(s.unexpectedQuestions().size(), 3u);
    EXPECT_EQ(s.unexpectedQuestions()[0].text, "Erase?");

    // An answer the box has no button for is returned but reported.
    s.queueAnswer(IDYES);
    EXPECT_EQ(s.messageBox("Continue?", "x", MB_OKCANCEL), IDYES);
    ASSERT_EQ(s.answersWithoutButton().size(), 1u);
    EXPECT_EQ(s.answersWithoutButton()[0].text, "Continue?");
}

TEST(ScriptedUi, ProgressWindowsStepsAndBalance)
{
    ScriptedUi s;
    s.show("Reading", 2);
    s.step("one");
    s.step("two");
    s.end();
    EXPECT_TRUE(s.progressBalanced());

    s.show("Writing", 5);
    s.step("Identifying Card...");
    EXPECT_FALSE(s.progressBalanced());
    EXPECT_EQ(s.openProgressCount(), 1);

    // A second show over an open window leaves two to close.
    s.show("Inner", 1);
    s.step("inner step");
    s.end();
    s.step("Done");
    EXPECT_EQ(s.openProgressCount(), 1);
    s.end();
    s.end(); // nothing open: harmless, only counted
    EXPECT_TRUE(s.progressBalanced());
    EXPECT_EQ(s.endCount(), 4);

    s.step("late");
    EXPECT_EQ(s.straySteps(), QStringList{"late"});

    ASSERT_EQ(s.progressWindows().size(), 3u);
    EXPECT_EQ(s.progressWindows()[1].title, "Writing");
    EXPECT_EQ(s.progressWindows()[1].steps, 5);
    EXPECT_EQ(s.progressWindows()[1].stepTexts, QStringList({"Identifying Card...", "Done"}));
    EXPECT_EQ(s.progressWindows()[2].stepTexts, QStringList{"inner step"});
    EXPECT_EQ(s.steps(), QStringList({"one", "two", "Identifying Card...", "Done", "inner step"}));

    s.queueAnswer(IDYES);
    s.messageBox("x", "y", MB_OK);
    s.show("left open", 1);
    s.clear();
    EXPECT_TRUE(s.messages().empty());
    EXPECT_TRUE(s.progressWindows().empty());
    EXPECT_TRUE(s.straySteps().empty());
    EXPECT_EQ(s.pendingAnswers(), 0);
    EXPECT_EQ(s.endCount(), 0);
    EXPECT_TRUE(s.progressBalanced());
}

TEST(ScriptedUi, ScopeInstallsBothServicesAndRestoresThePrevious)
{
    PromptService& promptBefore = promptService();
    ProgressService& progressBefore = progressService();
    {
        ui::ScopedScriptedUi scripted;
        scripted->queueAnswer(IDYES);
        EXPECT_EQ(MessageBox("Erase?", "Are you sure?", MB_YESNO | MB_ICONWARNING), IDYES);
        ShowProgress("Title", 0, 3);
        StepProgress("Step");
        EndProgress();
        EXPECT_EQ(scripted->messageTexts(), QStringList{"Erase?"});
        EXPECT_EQ(scripted->steps(), QStringList{"Step"});
        EXPECT_TRUE(scripted->progressBalanced());
        EXPECT_EQ(&promptService(), &scripted.ui());
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
