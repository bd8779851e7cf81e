#include "platform/ui/checked_scripted_ui.h"

#include "services/progress.h"
#include "services/prompt.h"
#include "services/ui_mode.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"
#include "ui/qt_progress.h"
#include "ui/qt_prompt.h"

#include <gtest/gtest.h>

using namespace promptui;

namespace {

// Leaves on the third step, as a card operation does after a failed read.
bool operationThatFailsHalfway()
{
    VelaProgress progress;
    progress.Open("Reading Machine Data Collection card ... Please Wait", 4);
    progress.Step("Reading Total Number of Records ...");
    progress.Step("Checking Card Type ...");
    if (progress.steps() == 2)
        return false;
    progress.Close();
    return true;
}

} // namespace

TEST(VelaProgress, ClosesOnceOnEveryPathAndReopensWithAFreshCount)
{
    uitest::CheckedScriptedUi scripted;
    EXPECT_FALSE(operationThatFailsHalfway());
    ASSERT_EQ(scripted->progressWindows().size(), 1u);
    const ui::RecordedProgress& w = scripted->progressWindows()[0];
    EXPECT_EQ(w.title, "Reading Machine Data Collection card ... Please Wait");
    EXPECT_EQ(w.steps, 4);
    EXPECT_EQ(w.stepTexts,
              QStringList({"Reading Total Number of Records ...", "Checking Card Type ..."}));
    EXPECT_TRUE(w.ended);

    scripted->clear();
    {
        VelaProgress progress;
        progress.Open("A", 2);
        progress.Close();
        progress.Close();
        EXPECT_EQ(scripted->endCount(), 1);
        progress.Open("B", 1);
        EXPECT_EQ(progress.steps(), 0);
    }
    EXPECT_EQ(scripted->endCount(), 2);
    {
        VelaProgress unused; // never opened: closes nothing
    }
    EXPECT_EQ(scripted->endCount(), 2);
}

TEST(VelaCardProgress, MsgShowsAnOkBoxWithTheErrorOrInformationIcon)
{
    uitest::CheckedScriptedUi scripted;
    VelaCardProgress progress;
    progress.Open("Creating Advanteck Data Collection Card ... Please Wait", 5);
    EXPECT_EQ(progress.Msg("Card Unknown...\nError Num: 4", "ERROR: Reader Manager", true), IDOK);
    EXPECT_EQ(progress.Msg("Card Created \nNew Card Type : x", "DONE: Reader Manager", false),
              IDOK);
    progress.Close();

    ASSERT_EQ(scripted->messages().size(), 2u);
    EXPECT_EQ(scripted->messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
    EXPECT_EQ(scripted->messages()[0].text, "Card Unknown...\nError Num: 4");
    EXPECT_EQ(scripted->messages()[0].caption, "ERROR: Reader Manager");
    EXPECT_EQ(scripted->messages()[1].flags, unsigned(MB_OK | MB_ICONINFORMATION));
}

TEST(ProgressGuard, ClosesTheGlobalWindowWhenLeavingScope)
{
    uitest::CheckedScriptedUi scripted;
    {
        ProgressGuard guard("Create Reader Setup Card In Progress ... Please Wait", 5);
        StepProgress("Identifying Card...");
        EXPECT_EQ(scripted->openProgressCount(), 1);
    }
    EXPECT_TRUE(scripted->progressBalanced());
    EXPECT_EQ(scripted->progressWindows()[0].steps, 5);
}

TEST(Routing, InstallUiPicksTheImplementationAndNothingInstalledIsTheConsole)
{
    installUi(UiMode::Qt);
    EXPECT_EQ(&promptService(), &ui::qtPrompt());
    EXPECT_EQ(&progressService(), &ui::qtProgress());
    {
        uitest::CheckedScriptedUi scripted;
        installUi(UiMode::Scripted); // leaves the current services
        EXPECT_EQ(&promptService(), &scripted.ui());
        EXPECT_EQ(&progressService(), &scripted.ui());
    }
    installUi(UiMode::Console);
    EXPECT_EQ(&promptService(), &ui::consolePrompt());
    EXPECT_EQ(&progressService(), &ui::consoleProgress());

    setPromptService(nullptr);
    setProgressService(nullptr);
    EXPECT_EQ(&promptService(), &ui::consolePrompt());
    EXPECT_EQ(&progressService(), &ui::consoleProgress());
    // With no window open these do nothing and must not fail.
    StepProgress("nothing open");
    EndProgress();
}
