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

// Shows the refusal's message box (OK).
void showRefusal(const Refusal& refusal);

} // namespace profiles
