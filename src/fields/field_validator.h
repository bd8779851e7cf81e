// The checks an option page runs on its money and time edits. Each page owns
// one validator; while it is inactive (the page is being filled or is not the
// one shown) every check passes untouched.
//
// A check takes the edit's control id and its text. On success the text is
// normalised in place for the page to show again; on failure it is left as
// typed, the message is shown titled "Input Error", and refusedControl()
// names the control the page puts the focus back on.
#pragma once

#include "services/dao.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace fields {

// The money check with limits without a page: the message of the first
// failure, or the amount and the normalised text. The validator and the
// headless page rules share it.
struct MoneyCheck {
    std::optional<QString> error;
    Currency amount;
    QString text; // normalised, "" for an allowed blank
};
MoneyCheck checkMoneyText(const QString& text, bool blankAllowed, bool zeroAllowed,
                          Currency multiple, Currency maximum);

class FieldValidator {
public:
    explicit FieldValidator(bool active = true) : active_(active) {}

    void setActive(bool active) { active_ = active; }
    bool isActive() const { return active_; }

    // Older pages: $0.01 (or $0.00 with zeroAllowed) to $99.99, compared in
    // single precision. A blank field passes without touching result.
    bool checkMoney(int control, QString& text, bool blankAllowed, bool zeroAllowed,
                    Currency* result = nullptr);

    // Newer pages: up to the given maximum, compared in double precision,
    // and a whole multiple of `multiple` (the cent or the nickel). An allowed
    // blank field sets result to $0.00.
    bool checkMoneyWithLimits(int control, QString& text, bool blankAllowed, bool zeroAllowed,
                              Currency* result, Currency multiple, Currency maximum);

    // "h:m" with hour < 24 and minute < 60, shown again as "h:mm". A blank
    // field passes unchanged and leaves hour and minute alone.
    bool checkTime(int control, QString& text, uint8_t* hour, uint8_t* minute);

    // After a refusal: the control to focus, or nullopt when another input
    // error was open and this one was not shown. Cleared by every check.
    std::optional<int> refusedControl() const { return refused_; }

private:
    bool refuse(int control, const QString& message);

    bool active_;
    std::optional<int> refused_;
};

} // namespace fields
