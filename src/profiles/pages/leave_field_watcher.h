// Runs a page's check when the focus leaves one of its edits, as a dialog's
// kill-focus handler does: a refusal is shown and the focus goes back to the
// control it names. Focus changes while the message is up or while the
// focus is being put back start no second check.
#pragma once

#include "profiles/option_page_widget.h"

#include <QObject>

#include <functional>

namespace profiles {

class LeaveFieldWatcher : public QObject {
public:
    // `leave` takes the left control's value over; a refusal it returns is
    // shown here.
    using Leave = std::function<Check(int control)>;

    LeaveFieldWatcher(OptionPageWidget& page, Leave leave);

    // Watches the page's control of that id.
    void watch(int control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OptionPageWidget& page_;
    Leave leave_;
    bool busy_ = false;
};

} // namespace profiles
