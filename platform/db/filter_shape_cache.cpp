#include "filter_shape_cache.h"

#include "dao_error.h"
#include "filter_binder.h"
#include "filter_parser.h"
#include "jet_date.h"
#include "jet_lexer.h"

#include <atomic>

namespace dao {
namespace {

// Stands for a literal in a shape; a text holding it is read the long way,
// so no character written in a filter can pass for a literal.
constexpr QChar kMarker = u'\x01';
// Enough for the few filters a program writes; past it the table's start over.
constexpr size_t kShapesPerTable = 64;

// Shapes are numbered across connections and never again, so a number names
// one shape of one table for as long as the program runs.
std::atomic<quint64> gLastShape{0};

bool isLiteral(const Operand& operand)
{
    return operand.kind == Operand::Kind::Text || operand.kind == Operand::Kind::Number ||
           operand.kind == Operand::Kind::Date;
}

// The text between quotes, a doubled quote standing for itself.
QString unquoted(QStringView inside, QChar quote)
{
    if (!inside.contains(quote))
        return inside.toString();
    QString text;
    text.reserve(inside.size());
    for (qsizetype i = 0; i < inside.size(); ++i) {
        text += inside[i];
        if (inside[i] == quote)
            ++i;
    }
    return text;
}

} // namespace

// Splits as the lexer does: names, brackets, blanks and operators are kept
// as written, each literal becomes the marker and its kind. Equal shapes
// therefore read as equal token streams but for the literals' values. False
// for a text the lexer would refuse (it is read the long way, which says
// why).
bool FilterShapeCache::scan(const QString& text)
{
    key_.resize(0); // keeps its capacity
    literals_.clear();
    if (text.contains(kMarker))
        return false;
    const QStringView view(text);
    const int n = int(text.size());
    int i = 0;
    int kept = 0; // start of the text not yet copied to the shape
    const auto literal = [&](Operand::Kind kind, char letter, int start, int end, QChar quote) {
        literals_.push_back({kind, start, end - start, quote});
        key_ += view.mid(kept, i - kept);
        key_ += kMarker;
        key_ += QLatin1Char(letter);
    };
    while (i < n) {
        const QChar c = text[i];
        if (c == u'[') {
            const int close = int(text.indexOf(u']', i + 1));
            if (close < 0)
                return false;
            i = close + 1;
        } else if (c == u'\'' || c == u'"') {
            int close = int(text.indexOf(c, i + 1));
            while (close >= 0 && close + 1 < n && text[close + 1] == c)
                close = int(text.indexOf(c, close + 2)); // a doubled quote goes on
            if (close < 0)
                return false;
            literal(Operand::Kind::Text, 'S', i + 1, close, c);
            i = kept = close + 1;
        } else if (c == u'#') {
            const int close = int(text.indexOf(u'#', i + 1));
            if (close < 0)
                return false;
            literal(Operand::Kind::Date, 'D', i + 1, close, c);
            i = kept = close + 1;
        } else if (isJetDigit(c) || (c == u'.' && i + 1 < n && isJetDigit(text[i + 1]))) {
            int end = i;
            while (end < n && isJetDigit(text[end]))
                ++end;
            if (end < n && text[end] == u'.') {
                ++end;
                while (end < n && isJetDigit(text[end]))
                    ++end;
            }
            if (end < n && (isJetNamePart(text[end]) || text[end] == u'.'))
                return false;
            literal(Operand::Kind::Number, 'N', i, end, QChar());
            i = kept = end;
        } else if (isJetNameStart(c)) {
            while (i < n && isJetNamePart(text[i]))
                ++i;
        } else {
            ++i;
        }
    }
    key_ += view.mid(kept, n - kept);
    return true;
}

// Walks the parsed and the bound tree side by side, in the order the
// binder meets the literals (which is their order in the text).
bool FilterShapeCache::collectSlots(const Expr& expr, BoundExpr& bound, const TableInfo& table,
                                    std::vector<Slot>& targets)
{
    const auto add = [&](const Operand& literal, BoundOperand& target, ColumnKind meets,
                         bool pattern) {
        if (isLiteral(literal))
            targets.push_back(
                {&target, literal.kind, meets, pattern,
                 literal.kind == Operand::Kind::Number && literal.text.startsWith(u'-')});
    };
    switch (expr.kind) {
    case Expr::Kind::And:
    case Expr::Kind::Or:
        return collectSlots(*expr.left, *bound.left, table, targets) &&
               collectSlots(*expr.right, *bound.right, table, targets);
    case Expr::Kind::Not:
        return collectSlots(*expr.left, *bound.left, table, targets);
    case Expr::Kind::Compare: {
        const bool lhsName = expr.lhs.kind == Operand::Kind::Name;
        const bool rhsName = expr.rhs.kind == Operand::Kind::Name;
        if (!lhsName && !rhsName) {
            add(expr.lhs, bound.lhs, ColumnKind::Any, false);
            add(expr.rhs, bound.rhs, ColumnKind::Any, false);
        } else if (!lhsName || !rhsName) {
            // The binder keeps the column on the left.
            const ColumnKind meets = table.columns[size_t(bound.lhs.column)].kind;
            add(lhsName ? expr.rhs : expr.lhs, bound.rhs, meets, false);
        }
        return true;
    }
    case Expr::Kind::Like:
        if (expr.lhs.kind != Operand::Kind::Name)
            add(expr.lhs, bound.lhs, ColumnKind::Text, false);
        add(expr.rhs, bound.rhs, ColumnKind::Text, true);
        return true;
    case Expr::Kind::IsNull:
        if (expr.lhs.kind != Operand::Kind::Name)
            add(expr.lhs, bound.lhs, ColumnKind::Any, false);
        return true;
    case Expr::Kind::Truth:
        return !isLiteral(expr.lhs);
    }
    return false;
}

// The literals of a text of the shape into its tree. Dates are read first:
// a bad one is a reading error, which the long way meets before any binding
// error.
void FilterShapeCache::fill(Shape& shape, const QString& criteria)
{
    const QStringView view(criteria);
    std::vector<QDateTime> dates(literals_.size());
    for (size_t i = 0; i < literals_.size(); ++i) {
        const Literal& literal = literals_[i];
        if (literal.kind != Operand::Kind::Date)
            continue;
        const auto date = parseJetDate(view.mid(literal.start, literal.length));
        if (!date)
            throwDao(kDaoSyntaxError, syntaxErrorText(SyntaxProblem::BadDate, criteria));
        dates[i] = *date;
    }
    for (size_t i = 0; i < literals_.size(); ++i) {
        const Literal& literal = literals_[i];
        const Slot& slot = shape.targets[i];
        const QStringView text = view.mid(literal.start, literal.length);
        Operand operand;
        operand.kind = literal.kind;
        if (literal.kind == Operand::Kind::Text)
            operand.text = unquoted(text, literal.quote);
        else if (literal.kind == Operand::Kind::Number)
            operand.text = slot.negative ? u'-' + text.toString() : text.toString();
        else
            operand.date = dates[i];
        slot.target->value = slot.pattern ? likePatternValue(operand.text, criteria)
                                          : literalValue(operand, slot.meets);
    }
}

const BoundExpr& FilterShapeCache::bind(const TableInfo& table, const QString& criteria)
{
    if (!scan(criteria)) {
        unshaped_ = bindFilter(*parseFilter(criteria), table, criteria);
        return *unshaped_;
    }
    std::shared_ptr<Shapes>& shapes = tables_[&table];
    if (!shapes)
        shapes = std::make_shared<Shapes>();
    const auto found = shapes->find(key_);
    if (found != shapes->end()) {
        fill(found->second, criteria);
        return *found->second.tree;
    }
    const auto parsed = parseFilter(criteria);
    Shape shape;
    shape.tree = bindFilter(*parsed, table, criteria);
    bool fits = collectSlots(*parsed, *shape.tree, table, shape.targets) &&
                shape.targets.size() == literals_.size();
    for (size_t i = 0; fits && i < literals_.size(); ++i)
        fits = shape.targets[i].literal == literals_[i].kind;
    if (!fits) {
        unshaped_ = std::move(shape.tree);
        return *unshaped_;
    }
    if (shapes->size() >= kShapesPerTable)
        shapes->clear();
    shape.tree->shape = ++gLastShape;
    return *shapes->emplace(key_, std::move(shape)).first->second.tree;
}

} // namespace dao
