// A test that installs CheckedScriptedUi fails on a question it queued no
// answer for, an answer never used or fitting no button, or a window left open.
#pragma once

#include "ui/scripted_ui.h"

#include <gtest/gtest.h>

namespace uitest {

inline void expectScriptFollowed(const ui::ScriptedUi& s)
{
    for (const ui::RecordedMessage& m : s.unexpectedQuestions())
        ADD_FAILURE() << "unexpected question \"" << m.caption.toStdString() << "\": \""
                      << m.text.toStdString() << "\"";
    for (const ui::RecordedMessage& m : s.answersWithoutButton())
        ADD_FAILURE() << "queued answer " << m.answer << " is no button of \""
                      << m.text.toStdString() << "\"";
    if (s.pendingAnswers() != 0)
        ADD_FAILURE() << s.pendingAnswers() << " queued answer(s) never asked for";
    if (!s.progressBalanced())
        ADD_FAILURE() << s.openProgressCount() << " progress window(s) left open";
}

class CheckedScriptedUi : public ui::ScopedScriptedUi {
public:
    ~CheckedScriptedUi() { expectScriptFollowed(ui()); }
};

} // namespace uitest
