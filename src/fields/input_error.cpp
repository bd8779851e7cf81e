#include "fields/input_error.h"

#include "services/prompt.h"

namespace fields {

void InputErrors::setPending(const QString& message, int control)
{
    message_ = message;
    control_ = control;
}

bool InputErrors::showBox()
{
    if (showing_)
        return false;
    // Cleared on every way out, a throwing prompt service included.
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{showing_};
    showing_ = true;
    promptui::MessageBox(message_, QString::fromLatin1(kInputErrorCaption),
                         promptui::MB_OK | promptui::MB_ICONEXCLAMATION);
    return true;
}

std::optional<int> InputErrors::show()
{
    // The control as it was when the box opened.
    const int control = control_;
    if (!showBox())
        return std::nullopt;
    return control;
}

bool InputErrors::showWithoutFocus()
{
    return showBox();
}

InputErrors& inputErrors()
{
    static InputErrors instance;
    return instance;
}

} // namespace fields
