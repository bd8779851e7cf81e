#include "sqlite_sql_writer.h"

namespace dao {
namespace {

// Walks a filter once for both outputs below, so the shape of a filter and
// the SQL it writes cannot disagree.
template <typename Sink> void writeOperand(const BoundOperand& operand, Sink& out)
{
    if (operand.isColumn)
        out.column(operand.column);
    else
        out.value(operand.value);
}

template <typename Sink> void writeFilter(const BoundExpr& expr, Sink& out)
{
    switch (expr.kind) {
    case BoundExpr::Kind::And:
    case BoundExpr::Kind::Or:
        out.text("(");
        writeFilter(*expr.left, out);
        out.text(expr.kind == BoundExpr::Kind::And ? " AND " : " OR ");
        writeFilter(*expr.right, out);
        out.text(")");
        break;
    case BoundExpr::Kind::Not:
        out.text("(NOT ");
        writeFilter(*expr.left, out);
        out.text(")");
        break;
    case BoundExpr::Kind::Compare:
        out.text("(");
        writeOperand(expr.lhs, out);
        if (expr.noCase)
            out.text(" COLLATE NOCASE");
        out.text(sqlOperator(expr.op));
        writeOperand(expr.rhs, out);
        out.text(")");
        break;
    case BoundExpr::Kind::Like:
        out.text(expr.negated ? "(NOT " : "(");
        out.text(kLikeFunctionName);
        out.text("(");
        writeOperand(expr.lhs, out);
        out.text(", ");
        writeOperand(expr.rhs, out);
        out.text("))");
        break;
    case BoundExpr::Kind::IsNull:
        out.text("(");
        writeOperand(expr.lhs, out);
        out.text(expr.negated ? " IS NOT NULL)" : " IS NULL)");
        break;
    case BoundExpr::Kind::Truth:
        out.text("(");
        writeOperand(expr.lhs, out);
        out.text(" <> 0)");
        break;
    case BoundExpr::Kind::Constant:
        out.text(expr.constant ? "(1)" : "(0)");
        break;
    }
}

struct SqlSink {
    const TableInfo& table;
    SqlText& out;
    void text(const char* s) { out.sql += QLatin1String(s); }
    void column(int c) { out.sql += quoteIdentifier(table.columns[size_t(c)].name); }
    void value(const SqlValue& v)
    {
        out.sql += u'?';
        out.params.push_back(v);
    }
};

struct ShapeSink {
    QByteArray& shape;
    std::vector<SqlValue>& params;
    void text(const char* s) { shape += s; }
    void column(int c)
    {
        // Written by hand: a column costs no number text.
        shape += '#';
        shape.append(reinterpret_cast<const char*>(&c), qsizetype(sizeof c));
    }
    void value(const SqlValue& v)
    {
        shape += '?';
        params.push_back(v);
    }
};

struct ValuesSink {
    std::vector<SqlValue>& params;
    void text(const char*) {}
    void column(int) {}
    void value(const SqlValue& v) { params.push_back(v); }
};

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
    SqlSink sink{table, out};
    writeFilter(expr, sink);
}

void appendFilterShape(const BoundExpr& expr, QByteArray& shape, std::vector<SqlValue>& params)
{
    ShapeSink sink{shape, params};
    writeFilter(expr, sink);
}

void appendFilterValues(const BoundExpr& expr, std::vector<SqlValue>& params)
{
    ValuesSink sink{params};
    writeFilter(expr, sink);
}

} // namespace dao
