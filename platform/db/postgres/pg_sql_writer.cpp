#include "pg_sql_writer.h"

#include "../dao_error.h"

namespace dao {
namespace {

void appendOperand(const BoundOperand& operand, const TableInfo& table, PgSql& out)
{
    if (operand.isColumn)
        out.sql += pgQuote(table.columns[size_t(operand.column)].name);
    else
        out.appendValue(operand.value);
}

bool isTextColumn(const BoundOperand& operand, const TableInfo& table)
{
    return operand.isColumn && table.columns[size_t(operand.column)].kind == ColumnKind::Text;
}

// Text a regular expression takes literally.
QString regexLiteral(QChar c)
{
    static const QString kSpecial = QStringLiteral("\\^$.|?*+()[]{}");
    return kSpecial.contains(c) ? QStringLiteral("\\") + c : QString(c);
}

// A member of a bracket expression taken literally.
QString bracketLiteral(QChar c)
{
    if (c == u'\\' || c == u']' || c == u'^' || c == u'-' || c == u'[')
        return QStringLiteral("\\") + c;
    return QString(c);
}

void appendLike(const BoundExpr& expr, const TableInfo& table, PgSql& out)
{
    out.sql += QLatin1String(expr.negated ? "(NOT " : "(");
    // The value as text in a deterministic collation: regular expressions
    // refuse the case-insensitive one, and ~* ignores case itself.
    out.sql += QLatin1String("(");
    appendOperand(expr.lhs, table, out);
    out.sql +=
        QLatin1String(isTextColumn(expr.lhs, table) ? ")::text COLLATE \"C\" ~* " : ")::text ~* ");
    if (expr.rhs.isColumn)
        throwDao(kDaoInvalidArgument,
                 QStringLiteral("A LIKE pattern must be a text, not a column, on this server."));
    const SqlValue& pattern = expr.rhs.value;
    if (isNull(pattern)) {
        out.appendValue(pattern);
    } else {
        const QString text =
            std::holds_alternative<QString>(pattern) ? std::get<QString>(pattern) : QString();
        const std::optional<QString> regex = jetPatternToRegex(text);
        if (!regex)
            throwDao(kDaoInvalidArgument, QStringLiteral("Invalid pattern string."));
        out.appendValue(*regex);
    }
    out.sql += QLatin1String(")");
}

void appendFilter(const BoundExpr& expr, const TableInfo& table, PgSql& out)
{
    switch (expr.kind) {
    case BoundExpr::Kind::And:
    case BoundExpr::Kind::Or:
        out.sql += u'(';
        appendFilter(*expr.left, table, out);
        out.sql += QLatin1String(expr.kind == BoundExpr::Kind::And ? " AND " : " OR ");
        appendFilter(*expr.right, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Not:
        out.sql += QLatin1String("(NOT ");
        appendFilter(*expr.left, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Compare:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        // A text column has the collation already; a value compared with
        // text gets it here.
        if (expr.noCase && !isTextColumn(expr.lhs, table) && !isTextColumn(expr.rhs, table))
            out.sql += QStringLiteral(" COLLATE ") + QLatin1String(kPgNoCaseCollation);
        out.sql += QLatin1String(sqlOperator(expr.op));
        appendOperand(expr.rhs, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Like:
        appendLike(expr, table, out);
        break;
    case BoundExpr::Kind::IsNull:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        out.sql += QLatin1String(expr.negated ? " IS NOT NULL)" : " IS NULL)");
        break;
    case BoundExpr::Kind::Truth:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        out.sql += QLatin1String(" <> 0)");
        break;
    case BoundExpr::Kind::Constant:
        out.sql += QLatin1String(expr.constant ? "(TRUE)" : "(FALSE)");
        break;
    }
}

} // namespace

void PgSql::appendValue(const SqlValue& value)
{
    params.push_back(value);
    sql += u'$' + QString::number(params.size());
    if (std::holds_alternative<qint64>(value))
        sql += QLatin1String("::bigint");
    else if (std::holds_alternative<double>(value))
        sql += QLatin1String("::float8");
    else if (std::holds_alternative<QString>(value))
        sql += QLatin1String("::text");
    else if (std::holds_alternative<QByteArray>(value))
        sql += QLatin1String("::bytea");
}

void PgSql::appendPlain(const SqlValue& value)
{
    params.push_back(value);
    sql += u'$' + QString::number(params.size());
}

QString pgQuote(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString pgKeyExpression(const TableInfo& table)
{
    for (const ColumnInfo& c : table.columns)
        if (c.isRowKey)
            return pgQuote(c.name);
    throwDao(kDaoReservedError,
             QStringLiteral("The table '%1' has no identity key column.").arg(table.name));
}

void appendPgFilter(const BoundExpr& expr, const TableInfo& table, PgSql& out)
{
    appendFilter(expr, table, out);
}

std::optional<QString> jetPatternToRegex(const QString& pattern)
{
    QString regex = QStringLiteral("^");
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'*') {
            regex += QLatin1String(".*");
        } else if (c == u'?') {
            regex += u'.';
        } else if (c == u'#') {
            regex += QLatin1String("[0-9]");
        } else if (c == u'[') {
            const qsizetype close = pattern.indexOf(u']', i + 1);
            if (close < 0)
                return std::nullopt;
            QStringView set = QStringView(pattern).mid(i + 1, close - i - 1);
            QString members;
            bool negated = false;
            if (set.startsWith(u'!') && set.size() > 1) {
                negated = true;
                set = set.mid(1);
            }
            for (qsizetype k = 0; k < set.size(); ++k) {
                if (k + 2 < set.size() && set[k + 1] == u'-') {
                    members += bracketLiteral(set[k]) + u'-' + bracketLiteral(set[k + 2]);
                    k += 2;
                } else {
                    members += bracketLiteral(set[k]);
                }
            }
            // [] matches nothing as Jet reads it: an empty set.
            regex += members.isEmpty()
                         ? QStringLiteral("[^\\s\\S]")
                         : (negated ? QStringLiteral("[^") : QStringLiteral("[")) + members + u']';
            i = close;
        } else {
            regex += regexLiteral(c);
        }
    }
    return regex + u'$';
}

} // namespace dao
