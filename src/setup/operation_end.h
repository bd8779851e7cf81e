// The end of a card operation inside the progress window: on every way out
// it steps "Done" or "Cancelled" and then releases the card (closes the
// image or powers the card off). Declare it after the ProgressGuard, so the
// window ends last.
#pragma once

#include <QString>

#include <functional>

namespace setup {

class OperationEnd {
public:
    explicit OperationEnd(std::function<void()> release) : release_(std::move(release)) {}
    // An operation whose cancel step reads otherwise.
    OperationEnd(std::function<void()> release, QString cancelledStep)
        : release_(std::move(release)), cancelledStep_(std::move(cancelledStep))
    {
    }
    ~OperationEnd();
    OperationEnd(const OperationEnd&) = delete;
    OperationEnd& operator=(const OperationEnd&) = delete;

    void markDone() { done_ = true; }

private:
    std::function<void()> release_;
    QString cancelledStep_;
    bool done_ = false;
};

} // namespace setup
