// Writes the PostgreSQL SQL of a bound filter: column names come from the
// schema and are quoted; every value is a numbered parameter with the type
// of its value. Text columns carry the case-insensitive collation, so text
// comparisons ignore case and stay on their indexes; a Jet LIKE pattern is
// turned into a case-insensitive regular expression bound as a value.
#pragma once

#include "../bound_filter.h"
#include "../table_info.h"

#include <QString>

#include <optional>
#include <vector>

namespace dao {

struct PgSql {
    QString sql;
    std::vector<SqlValue> params;
    // A value's parameter: $n with a cast to its value's type.
    void appendValue(const SqlValue& value);
    // A value going into a column: $n, typed by the column.
    void appendPlain(const SqlValue& value);
};

// The collation of every text column: equal in any letter case.
inline constexpr const char* kPgNoCaseCollation = "laundry_nocase";

QString pgQuote(const QString& name);
QString pgKeyExpression(const TableInfo& table); // 3000 when the table has no key column
void appendPgFilter(const BoundExpr& expr, const TableInfo& table, PgSql& out);
// The anchored POSIX expression matching what a Jet pattern matches;
// nullopt for a malformed pattern.
std::optional<QString> jetPatternToRegex(const QString& pattern);

} // namespace dao
