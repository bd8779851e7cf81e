// The one input-error message of the library: a failed field check leaves
// its text and the control to return to here, and only one such message is
// open at a time (a focus change under an open box must not stack another).
#pragma once

#include <QString>

#include <optional>

namespace fields {

inline constexpr char kInputErrorCaption[] = "Input Error";

class InputErrors {
public:
    // Keeps the message to show and the control the focus goes back to.
    void setPending(const QString& message, int control);
    const QString& pendingMessage() const { return message_; }
    int pendingControl() const { return control_; }

    // Shows the pending message unless one is already open. Returns the
    // control the page puts the focus on (select all, caret into view), or
    // nullopt when nothing was shown.
    std::optional<int> show();
    // The same box without moving the focus; false when one was open.
    bool showWithoutFocus();

    bool isShowing() const { return showing_; }

private:
    bool showBox();

    QString message_;
    int control_ = -1;
    bool showing_ = false;
};

// The library-wide instance every page shares.
InputErrors& inputErrors();

} // namespace fields
