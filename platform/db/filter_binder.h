// Looks the names of a parsed filter up in a table and turns each literal into
// a value of the kind it is compared with (money exact, yes/no 0 or 1, dates
// canonical text). Raises 3070 for an unknown name, 3464 for a literal that
// cannot meet its column, 3075 for a malformed LIKE pattern.
#pragma once

#include "bound_filter.h"
#include "table_info.h"

#include <optional>

namespace dao {

std::unique_ptr<BoundExpr> bindFilter(const Expr& expr, const TableInfo& table,
                                      const QString& sourceText);

// A literal as the value it is when it meets a column of kind (Any: another
// literal); raises 3464 when it cannot meet it, 3349 when money overflows.
SqlValue literalValue(const Operand& literal, ColumnKind kind);
// A LIKE pattern as its parameter; raises 3075 quoting sourceText when
// malformed.
SqlValue likePatternValue(const QString& pattern, const QString& sourceText);

// "12.3456" as 1/10000 units, exactly; more decimals round half away from zero.
std::optional<qint64> decimalToUnits(const QString& number);

} // namespace dao
