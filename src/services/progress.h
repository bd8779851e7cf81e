// The progress service: the one global progress window an operation opens,
// steps and closes, and its object forms.
#pragma once

#include <QString>

#include <cstdint>

namespace promptui {

class ProgressService {
public:
    virtual ~ProgressService() = default;
    virtual void show(const QString& title, int steps) = 0;
    virtual void step(const QString& text) = 0;
    virtual void end() = 0;
};

// The global window: open with a step count, advance with a step text, close.
// `flags` is accepted for the host's calling convention and not used.
void ShowProgress(const QString& title, int flags, int steps);
void StepProgress(const QString& text);
void EndProgress();

ProgressService& progressService();
void setProgressService(ProgressService* service);

// Readable name of a card type, in words an operator understands.
QString StrCardtype(uint8_t cardType);

// Object form of the global window; the destructor closes it.
class VelaProgress {
public:
    VelaProgress() = default;
    ~VelaProgress();
    VelaProgress(const VelaProgress&) = delete;
    VelaProgress& operator=(const VelaProgress&) = delete;

    void Open(const QString& title, int steps);
    void Step(const QString& text);
    void Close();
    int steps() const { return stepCount_; }

private:
    bool open_ = false;
    int stepCount_ = 0;
};

// The progress window of the card operations that report their own
// failures: Msg shows a message box (error icon when `error` is true) over it.
class VelaCardProgress : public VelaProgress {
public:
    int Msg(const QString& text, const QString& caption, bool error);
};

// Closes the global window when it leaves scope, on every return path.
class ProgressGuard {
public:
    ProgressGuard(const QString& title, int steps) { ShowProgress(title, 0, steps); }
    ~ProgressGuard() { EndProgress(); }
    ProgressGuard(const ProgressGuard&) = delete;
    ProgressGuard& operator=(const ProgressGuard&) = delete;
};

} // namespace promptui
