// A value as the storage engine holds it: NULL, integer, real, text or bytes.
#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

namespace dao {

using SqlValue = std::variant<std::monostate, qint64, double, QString, QByteArray>;

inline bool isNull(const SqlValue& v)
{
    return std::holds_alternative<std::monostate>(v);
}

} // namespace dao
