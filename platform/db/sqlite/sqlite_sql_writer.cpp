#include "sqlite_sql_writer.h"

namespace dao {
namespace {

const char* operatorText(CompareOp op)
{
    switch (op) {
    case CompareOp::Equal:
        return " = ";
    case CompareOp::NotEqual:
        return " <> ";
    case CompareOp::Less:
        return " < ";
    case CompareOp::LessEqual:
        return " <= ";
    case CompareOp::Greater:
        return " > ";
    case CompareOp::GreaterEqual:
        return " >= ";
    }
    return " = ";
}

void appendOperand(const BoundOperand& operand, const TableInfo& table, SqlText& out)
{
    if (operand.isColumn) {
        out.sql += quoteIdentifier(table.columns[size_t(operand.column)].name);
    } else {
        out.sql += u'?';
        out.params.push_back(operand.value);
    }
}

} // namespace

QString quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString keyExpression(const TableInfo& table)
{
    for (const ColumnInfo& c : table.columns) {
        if (c.isRowKey)
            return quoteIdentifier(c.name);
    }
    // A column may shadow one of the rowid's names, never all three.
    for (const char* name : {"rowid", "_rowid_", "oid"}) {
        if (table.columnIndex(QLatin1String(name)) < 0)
            return QLatin1String(name);
    }
    return QStringLiteral("rowid");
}

void appendFilter(const BoundExpr& expr, const TableInfo& table, SqlText& out)
{
    switch (expr.kind) {
    case BoundExpr::Kind::And:
    case BoundExpr::Kind::Or:
        out.sql += u'(';
        appendFilter(*expr.left, table, out);
        out.sql +=
            expr.kind == BoundExpr::Kind::And ? QStringLiteral(" AND ") : QStringLiteral(" OR ");
        appendFilter(*expr.right, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Not:
        out.sql += QStringLiteral("(NOT ");
        appendFilter(*expr.left, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Compare:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        if (expr.noCase)
            out.sql += QStringLiteral(" COLLATE NOCASE");
        out.sql += QLatin1String(operatorText(expr.op));
        appendOperand(expr.rhs, table, out);
        out.sql += u')';
        break;
    case BoundExpr::Kind::Like:
        out.sql += expr.negated ? QStringLiteral("(NOT ") : QStringLiteral("(");
        out.sql += QLatin1String(kLikeFunctionName) + u'(';
        appendOperand(expr.lhs, table, out);
        out.sql += QStringLiteral(", ");
        appendOperand(expr.rhs, table, out);
        out.sql += QStringLiteral("))");
        break;
    case BoundExpr::Kind::IsNull:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        out.sql += expr.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)");
        break;
    case BoundExpr::Kind::Truth:
        out.sql += u'(';
        appendOperand(expr.lhs, table, out);
        out.sql += QStringLiteral(" <> 0)");
        break;
    case BoundExpr::Kind::Constant:
        out.sql += expr.constant ? QStringLiteral("(1)") : QStringLiteral("(0)");
        break;
    }
}

} // namespace dao
