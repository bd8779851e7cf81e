#include "profiles/pages/integer_field.h"

#include <QString>

namespace profiles {

namespace {

Refusal refusal(const IntegerField& field, const QString& message)
{
    Refusal r;
    r.column = QString::fromLatin1(field.column);
    r.control = field.control;
    r.message = message;
    return r;
}

} // namespace

const IntegerField* findIntegerField(std::span<const IntegerField> fields, int control)
{
    for (const IntegerField& field : fields)
        if (field.control == control)
            return &field;
    return nullptr;
}

Check checkIntegerField(const IntegerField& field, int value)
{
    if (value >= field.minimum && value <= field.maximum)
        return std::nullopt;
    return refusal(field, QStringLiteral("Please enter an integer between %1 and %2.")
                              .arg(field.minimum)
                              .arg(field.maximum));
}

Check readIntegerField(const IntegerField& field, QStringView text, int& value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok)
        return refusal(field, QStringLiteral("Please enter an integer."));
    if (Check refused = checkIntegerField(field, number))
        return refused;
    value = number;
    return std::nullopt;
}

} // namespace profiles
