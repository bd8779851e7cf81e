// A prompt and progress service for tests: records every message box and
// every progress window, answers questions from answers queued in advance.
//
// It does not fail a test by itself (it knows nothing of the test framework);
// a question without a queued answer, an answer the box has no button for, and
// a window left open are kept for the test to check (tests/platform/ui has a
// GoogleTest helper that does).
#pragma once

#include "services/progress.h"
#include "services/prompt.h"

#include <QStringList>

#include <deque>
#include <initializer_list>
#include <vector>

namespace ui {

struct RecordedMessage {
    QString text;
    QString caption;
    unsigned icon = 0;    // flags & MB_ICONMASK
    unsigned buttons = 0; // flags & MB_BUTTONMASK
    unsigned flags = 0;
    int answer = 0; // what the box returned
};

struct RecordedProgress {
    QString title;
    int steps = 0;
    QStringList stepTexts;
    bool ended = false;
};

class ScriptedUi : public promptui::PromptService, public promptui::ProgressService {
public:
    // Answers for the coming questions, in order. Boxes with only an OK
    // button take none.
    void queueAnswer(int answer);
    void queueAnswers(std::initializer_list<int> answers);
    int pendingAnswers() const { return int(answers_.size()); }

    int messageBox(const QString& text, const QString& caption, unsigned flags) override;
    void show(const QString& title, int steps) override;
    void step(const QString& text) override;
    void end() override;

    const std::vector<RecordedMessage>& messages() const { return messages_; }
    QStringList messageTexts() const;
    const RecordedMessage* lastMessage() const;

    // Questions asked with no answer queued; each was answered with the
    // answer that changes nothing (Cancel, No).
    const std::vector<RecordedMessage>& unexpectedQuestions() const { return unexpected_; }
    // Queued answers that were not a button of the box they were given to;
    // the box returned them anyway, as the test asked.
    const std::vector<RecordedMessage>& answersWithoutButton() const { return mismatched_; }

    // Every window shown, in order, with its steps.
    const std::vector<RecordedProgress>& progressWindows() const { return windows_; }
    // Every step text of every window, in order.
    QStringList steps() const;
    // Steps given while no window was open.
    const QStringList& straySteps() const { return strayStepTexts_; }
    int endCount() const { return ends_; }
    // Windows shown and not ended. A show over an open window counts as a
    // second window: the caller that opened the first never closed it.
    int openProgressCount() const { return open_; }
    bool progressBalanced() const { return open_ == 0; }

    // Forgets everything recorded and every queued answer.
    void clear();

private:
    std::deque<int> answers_;
    std::vector<RecordedMessage> messages_;
    std::vector<RecordedMessage> unexpected_;
    std::vector<RecordedMessage> mismatched_;
    std::vector<RecordedProgress> windows_;
    QStringList strayStepTexts_;
    int open_ = 0;
    int ends_ = 0;
};

// Installs a ScriptedUi as both services for its lifetime and puts back the
// services installed before.
class ScopedScriptedUi {
public:
    ScopedScriptedUi();
    ~ScopedScriptedUi();
    ScopedScriptedUi(const ScopedScriptedUi&) = delete;
    ScopedScriptedUi& operator=(const ScopedScriptedUi&) = delete;

    ScriptedUi& ui() { return ui_; }
    ScriptedUi* operator->() { return &ui_; }

private:
    ScriptedUi ui_;
    promptui::PromptService& previousPrompt_;
    promptui::ProgressService& previousProgress_;
};

} // namespace ui
