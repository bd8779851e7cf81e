#include "ui/scripted_ui.h"

#include "ui/button_set.h"

#include <algorithm>

using namespace promptui;

namespace ui {

void ScriptedUi::queueAnswer(int answer)
{
    answers_.push_back(answer);
}

void ScriptedUi::queueAnswers(std::initializer_list<int> answers)
{
    answers_.insert(answers_.end(), answers);
}

int ScriptedUi::messageBox(const QString& text, const QString& caption, unsigned flags)
{
    RecordedMessage m{text, caption, flags & MB_ICONMASK, flags & MB_BUTTONMASK, flags, IDOK};
    if (isQuestion(flags)) {
        if (answers_.empty()) {
            m.answer = safeResult(flags);
            unexpected_.push_back(m);
        } else {
            m.answer = answers_.front();
            answers_.pop_front();
            const std::vector<int> results = buttonResults(flags);
            if (std::find(results.begin(), results.end(), m.answer) == results.end())
                mismatched_.push_back(m);
        }
    }
    messages_.push_back(m);
    return m.answer;
}

QStringList ScriptedUi::messageTexts() const
{
    QStringList texts;
    for (const RecordedMessage& m : messages_)
        texts << m.text;
    return texts;
}

const RecordedMessage* ScriptedUi::lastMessage() const
{
    return messages_.empty() ? nullptr : &messages_.back();
}

void ScriptedUi::show(const QString& title, int steps)
{
    windows_.push_back({title, steps, {}, false});
    ++open_;
}

void ScriptedUi::step(const QString& text)
{
    if (open_ == 0) {
        strayStepTexts_ << text;
        return;
    }
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (!it->ended) {
            it->stepTexts << text;
            return;
        }
    }
}

void ScriptedUi::end()
{
    ++ends_;
    if (open_ == 0)
        return; // harmless, as with the real window
    --open_;
    // The innermost window still open is the one closed.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (!it->ended) {
            it->ended = true;
            break;
        }
    }
}

QStringList ScriptedUi::steps() const
{
    QStringList all;
    for (const RecordedProgress& w : windows_)
        all << w.stepTexts;
    return all;
}

void ScriptedUi::clear()
{
    answers_.clear();
    messages_.clear();
    unexpected_.clear();
    mismatched_.clear();
    windows_.clear();
    strayStepTexts_.clear();
    open_ = 0;
    ends_ = 0;
}

ScopedScriptedUi::ScopedScriptedUi()
    : previousPrompt_(promptService()), previousProgress_(progressService())
{
    setPromptService(&ui_);
    setProgressService(&ui_);
}

ScopedScriptedUi::~ScopedScriptedUi()
{
    setPromptService(&previousPrompt_);
    setProgressService(&previousProgress_);
}

} // namespace ui
