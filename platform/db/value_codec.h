// Turns QVariant values into stored values of a column's kind and back.
// Money is an integer count of 1/10000, yes/no 0 or 1, dates canonical text.
#pragma once

#include "sql_value.h"
#include "table_info.h"

#include <QDateTime>
#include <QVariant>

#include <optional>

namespace dao {

// Raises 3421 (conversion) or 3349 (overflow) when value does not fit kind.
SqlValue encodeValue(ColumnKind kind, const QVariant& value);
QVariant decodeValue(ColumnKind kind, const SqlValue& stored);

// 'YYYY-MM-DD HH:MM:SS', the one form dates are stored in.
QString canonicalDateText(const QDateTime& value);
std::optional<QDateTime> parseCanonicalDate(const QString& text);

} // namespace dao
