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

Check checkInRange(int value, int minimum, int maximum, const char* column, int control,
                   const QString& what)
{
    if (value >= minimum && value <= maximum)
        return std::nullopt;
    return inputError(
        QString::fromLatin1(column), control,
        QStringLiteral("The %1 must be from %2 to %3.").arg(what).arg(minimum).arg(maximum));
}

void showRefusal(const Refusal& refusal)
{
    promptui::MessageBox(refusal.message, refusal.caption, promptui::MB_OK | refusal.icon);
}

} // namespace profiles
