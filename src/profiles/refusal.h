// A refused value: the message the operator sees, where it came from, and
// the control the focus returns to. Rules return one instead of showing it,
// so the dialog shows it through the prompt service and an import reports it
// by profile name and column.
#pragma once

#include "services/prompt.h"

#include <QString>

#include <optional>

namespace profiles {

inline constexpr char kReaderManagerCaption[] = "Reader Manager";
inline constexpr char kInputErrorCaption[] = "Input Error";

struct Refusal {
    QString column;   // the LAUNDRY SETUP column the value belongs to ("" for none)
    int control = -1; // the control id the focus returns to (-1 for none)
    QString message;
    QString caption = QString::fromLatin1(kReaderManagerCaption);
    unsigned icon = promptui::MB_ICONEXCLAMATION;
};

using Check = std::optional<Refusal>;

// A field's refusal: its column, the control the focus returns to and the
// message, captioned "Input Error" unless told otherwise.
Refusal inputError(const QString& column, int control, const QString& message,
                   const char* caption = kInputErrorCaption);

// "The %1 must be from %2 to %3." (an Input Error) unless value lies in
// minimum..maximum; `what` names the value.
Check checkInRange(int value, int minimum, int maximum, const char* column, int control,
                   const QString& what);

// Shows the refusal's message box (OK).
void showRefusal(const Refusal& refusal);

} // namespace profiles
