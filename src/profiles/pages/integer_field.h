// Integer edits of the simpler option pages, exchanged as the platform's
// integer fields are: text that is no whole number is refused with "Please
// enter an integer.", a number outside the field's limits with "Please enter
// an integer between %1 and %2.". The refusal is the page's to show.
#pragma once

#include "profiles/refusal.h"

#include <QStringView>

#include <span>

namespace profiles {

struct IntegerField {
    int control;
    const char* column;
    int minimum;
    int maximum;
};

// The field of `control` among `fields`, or nullptr.
const IntegerField* findIntegerField(std::span<const IntegerField> fields, int control);

// A value already held, against the field's limits.
Check checkIntegerField(const IntegerField& field, int value);

// The edit's text (blanks around the number allowed) taken into `value`;
// on a refusal `value` keeps what it held.
Check readIntegerField(const IntegerField& field, QStringView text, int& value);

} // namespace profiles
