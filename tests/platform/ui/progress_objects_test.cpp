#include "platform/ui/checked_scripted_ui.h"

#include "services/progress.h"
#include "services/prompt.h"
#include "services/ui_mode.h"
#include "ui/console_progress.h"
#include "ui/console_prompt.h"

#include <gtest/gtest.h>

using namespace promptui;

// A window left on an early return, closed twice, reopened, or never opened:
// each one opened is closed exactly once.
TEST(VelaProgress, ClosesOnceOnEveryPathAndReopensWithAFreshCount)
{
    uitest::CheckedScriptedUi scripted;
    {
        VelaProgress progress;
        progress.Open("Reading ... Please Wait", 4);
        progress.Step("Checking Card Type ...");
    }
    ASSERT_EQ(scripted->progressWindows().size(), 1u);
    EXPECT_EQ(scripted->progressWindows()[0].steps, 4);
    EXPECT_TRUE(scripted->progressWindows()[0].ended);
    {
        VelaProgress progress;
        progress.Open("A", 2);
        progress.Close();
        progress.Close();
        EXPECT_EQ(scripted->endCount(), 2);
        progress.Open("B", 1);
        EXPECT_EQ(progress.steps(), 0);
    }
    EXPECT_EQ(scripted->endCount(), 3);
    {
        ProgressGuard guard("C", 5);
        EXPECT_EQ(scripted->openProgressCount(), 1);
    }
}

TEST(Routing, InstallUiPicksTheImplementationAndNothingInstalledIsTheConsole)
{
    installUi(UiMode::Qt);
    installUi(UiMode::Console);
    EXPECT_EQ(&promptService(), &ui::consolePrompt());
    installUi(UiMode::Qt);
    setPromptService(nullptr);
    setProgressService(nullptr);
    EXPECT_EQ(&promptService(), &ui::consolePrompt());
    EXPECT_EQ(&progressService(), &ui::consoleProgress());
    StepProgress("nothing open"); // must not fail
    EndProgress();
}
