// The messages the window shows itself. They go through the prompt service,
// like the library's, so the host's choice of Qt or a test script decides how
// they appear.
#pragma once

#include "services/prompt.h"

#include <QString>

namespace readermanager {

inline constexpr char kErrorCaption[] = "ERROR: Reader Manager";
inline constexpr char kConfirmCaption[] = "CONFIRM: Reader Manager";

inline void showError(const QString& text)
{
    promptui::MessageBox(text, QString::fromLatin1(kErrorCaption),
                         promptui::MB_OK | promptui::MB_ICONERROR);
}

inline void showInformation(const QString& text, const QString& caption)
{
    promptui::MessageBox(text, caption, promptui::MB_OK | promptui::MB_ICONINFORMATION);
}

// A destructive step's question: No is the default answer.
inline bool askYesNo(const QString& text)
{
    return promptui::MessageBox(text, QString::fromLatin1(kConfirmCaption),
                                promptui::MB_YESNO | promptui::MB_ICONQUESTION |
                                    promptui::MB_DEFBUTTON2) == promptui::IDYES;
}

} // namespace readermanager
