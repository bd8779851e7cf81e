// The scripted services every other test relies on to see what the operator
// would have seen.
#include "platform/ui/checked_scripted_ui.h"

#include "services/progress.h"
#include "services/prompt.h"

#include <gtest/gtest.h>

using namespace promptui;

TEST(ScriptedUi, AnswersFromTheQueueOrSafelyAndCountsOpenWindows)
{
    ui::ScopedScriptedUi s;
    s->queueAnswer(IDNO);
    EXPECT_EQ(MessageBox("Erase?", "Are you sure?", MB_YESNO | MB_ICONWARNING), IDNO);
    // Unanswered questions get the answer that changes nothing, and are kept.
    EXPECT_EQ(MessageBox("Save?", "x", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(s->unexpectedQuestions().size(), 1u);
    ShowProgress("Writing", 0, 5);
    ShowProgress("Inner", 0, 1); // over an open window: two to close
    EndProgress();
    EXPECT_FALSE(s->progressBalanced());
    EndProgress();
    EXPECT_TRUE(s->progressBalanced());
    s->clear();
}
