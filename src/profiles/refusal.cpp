#include "profiles/refusal.h"

namespace profiles {

Refusal inputError(const QString& column, int control, const QString& message, const char* caption)
{
    Refusal refusal;
    refusal.column = column;
    refusal.control = control;
    refusal.message = message;
    refusal.caption = QString::fromLatin1(caption);
    return refusal;
}

void showRefusal(const Refusal& refusal)
{
    promptui::MessageBox(refusal.message, refusal.caption, promptui::MB_OK | refusal.icon);
}

} // namespace profiles
