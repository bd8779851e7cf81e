#include "filter_binder.h"

#include "dao_error.h"
#include "filter_parser.h"
#include "jet_like.h"
#include "value_codec.h"

#include <limits>

namespace dao {
namespace {

CompareOp flipped(CompareOp op)
{
    switch (op) {
    case CompareOp::Less:
        return CompareOp::Greater;
    case CompareOp::LessEqual:
        return CompareOp::GreaterEqual;
    case CompareOp::Greater:
        return CompareOp::Less;
    case CompareOp::GreaterEqual:
        return CompareOp::LessEqual;
    default:
        return op;
    }
}

bool isTextKind(ColumnKind kind)
{
    return kind == ColumnKind::Text;
}

[[noreturn]] void mismatch()
{
    throwDao(kDaoTypeMismatch);
}

SqlValue numberValue(const QString& text, ColumnKind kind)
{
    if (kind == ColumnKind::Currency) {
        const auto units = decimalToUnits(text);
        if (!units)
            throwDao(kDaoNumericOverflow);
        return *units;
    }
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (kind == ColumnKind::Boolean)
        return qint64(text.toDouble() != 0 ? 1 : 0);
    if (ok && kind != ColumnKind::Double)
        return n;
    return text.toDouble();
}

class Binder {
public:
    Binder(const TableInfo& table, const QString& source) : table_(table), source_(source) {}

    std::unique_ptr<BoundExpr> bind(const Expr& e)
    {
        auto b = std::make_unique<BoundExpr>();
        b->negated = e.negated;
        switch (e.kind) {
        case Expr::Kind::And:
        case Expr::Kind::Or:
            b->kind = e.kind == Expr::Kind::And ? BoundExpr::Kind::And : BoundExpr::Kind::Or;
            b->left = bind(*e.left);
            b->right = bind(*e.right);
            break;
        case Expr::Kind::Not:
            b->kind = BoundExpr::Kind::Not;
            b->left = bind(*e.left);
            break;
        case Expr::Kind::Compare:
            bindCompare(e, *b);
            break;
        case Expr::Kind::Like:
            bindLike(e, *b);
            break;
        case Expr::Kind::IsNull:
            b->kind = BoundExpr::Kind::IsNull;
            b->lhs =
                e.lhs.kind == Operand::Kind::Name ? column(e.lhs) : literal(e.lhs, ColumnKind::Any);
            break;
        case Expr::Kind::Truth:
            bindTruth(e, *b);
            break;
        }
        return b;
    }

private:
    BoundOperand column(const Operand& o)
    {
        const int index = table_.columnIndex(o.text);
        if (index < 0)
            throwDaoWith(kDaoUnknownName, o.text);
        BoundOperand b;
        b.isColumn = true;
        b.column = index;
        return b;
    }

    ColumnKind kindOf(const BoundOperand& b) const { return table_.columns[b.column].kind; }

    static BoundOperand literal(const Operand& o, ColumnKind kind)
    {
        BoundOperand b;
        b.value = literalValue(o, kind);
        return b;
    }

    void bindCompare(const Expr& e, BoundExpr& b)
    {
        b.kind = BoundExpr::Kind::Compare;
        b.op = e.op;
        const Operand* lhs = &e.lhs;
        const Operand* rhs = &e.rhs;
        // Keep a column on the left: its collation then rules the comparison.
        if (lhs->kind != Operand::Kind::Name && rhs->kind == Operand::Kind::Name) {
            std::swap(lhs, rhs);
            b.op = flipped(b.op);
        }
        if (lhs->kind == Operand::Kind::Name) {
            b.lhs = column(*lhs);
            const ColumnKind kind = kindOf(b.lhs);
            if (rhs->kind == Operand::Kind::Name) {
                b.rhs = column(*rhs);
                const ColumnKind other = kindOf(b.rhs);
                if (isTextKind(kind) != isTextKind(other) && kind != ColumnKind::Any &&
                    other != ColumnKind::Any)
                    mismatch();
                b.noCase = isTextKind(kind) || isTextKind(other);
            } else {
                b.rhs = literal(*rhs, kind);
                b.noCase = isTextKind(kind) ||
                           (kind == ColumnKind::Any && rhs->kind == Operand::Kind::Text);
            }
            return;
        }
        b.lhs = literal(*lhs, ColumnKind::Any);
        b.rhs = literal(*rhs, ColumnKind::Any);
        b.noCase = lhs->kind == Operand::Kind::Text || rhs->kind == Operand::Kind::Text;
    }

    void bindLike(const Expr& e, BoundExpr& b)
    {
        b.kind = BoundExpr::Kind::Like;
        if (e.lhs.kind == Operand::Kind::Name) {
            b.lhs = column(e.lhs);
            const ColumnKind kind = kindOf(b.lhs);
            if (kind != ColumnKind::Text && kind != ColumnKind::Any)
                mismatch();
        } else {
            b.lhs = literal(e.lhs, ColumnKind::Text);
        }
        if (e.rhs.kind != Operand::Kind::Text)
            mismatch();
        b.rhs.value = likePatternValue(e.rhs.text, source_);
    }

    void bindTruth(const Expr& e, BoundExpr& b)
    {
        if (e.lhs.kind == Operand::Kind::Boolean) {
            b.kind = BoundExpr::Kind::Constant;
            b.constant = e.lhs.boolean;
            return;
        }
        b.kind = BoundExpr::Kind::Truth;
        b.lhs = column(e.lhs);
        const ColumnKind kind = kindOf(b.lhs);
        if (kind == ColumnKind::Text || kind == ColumnKind::Date)
            mismatch();
    }

    const TableInfo& table_;
    const QString& source_;
};

} // namespace

SqlValue literalValue(const Operand& o, ColumnKind kind)
{
    switch (o.kind) {
    case Operand::Kind::Null:
        return std::monostate();
    case Operand::Kind::Text:
        if (kind != ColumnKind::Text && kind != ColumnKind::Any)
            mismatch();
        return o.text;
    case Operand::Kind::Number:
        if (kind == ColumnKind::Text || kind == ColumnKind::Date)
            mismatch();
        return numberValue(o.text, kind);
    case Operand::Kind::Date:
        if (kind != ColumnKind::Date && kind != ColumnKind::Any)
            mismatch();
        return canonicalDateText(o.date);
    case Operand::Kind::Boolean:
        if (kind == ColumnKind::Text || kind == ColumnKind::Date || kind == ColumnKind::Currency)
            mismatch();
        return qint64(o.boolean ? 1 : 0);
    case Operand::Kind::Name:
        break;
    }
    mismatch();
}

SqlValue likePatternValue(const QString& pattern, const QString& sourceText)
{
    if (!JetPattern::compile(pattern))
        throwDao(kDaoSyntaxError, syntaxErrorText(SyntaxProblem::BadPattern, sourceText));
    return pattern;
}

std::unique_ptr<BoundExpr> bindFilter(const Expr& expr, const TableInfo& table,
                                      const QString& sourceText)
{
    return Binder(table, sourceText).bind(expr);
}

std::optional<qint64> decimalToUnits(const QString& number)
{
    QStringView text(number);
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.mid(1);
    const qsizetype dot = text.indexOf(u'.');
    const QStringView whole = dot < 0 ? text : text.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : text.mid(dot + 1);
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 units = 0;
    for (QChar c : whole) {
        const int digit = c.unicode() - u'0';
        if (units > (kMax - digit) / 10)
            return std::nullopt;
        units = units * 10 + digit;
    }
    if (units > kMax / 10000)
        return std::nullopt;
    units *= 10000;
    qint64 scale = 1000;
    for (qsizetype i = 0; i < fraction.size() && i < 4; ++i, scale /= 10)
        units += (fraction[i].unicode() - u'0') * scale;
    if (fraction.size() > 4 && fraction[4] >= u'5') {
        if (units == kMax)
            return std::nullopt;
        ++units;
    }
    return negative ? -units : units;
}

} // namespace dao
