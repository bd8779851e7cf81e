#include "filter_parser.h"

#include "dao_error.h"

namespace dao {
namespace {

constexpr int kQueryTooComplex = 3360;

std::unique_ptr<Expr> combine(Expr::Kind kind, std::unique_ptr<Expr> left,
                              std::unique_ptr<Expr> right)
{
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    e->left = std::move(left);
    e->right = std::move(right);
    return e;
}

bool compareOpOf(const Token& t, CompareOp& op)
{
    if (t.type != TokenType::Symbol)
        return false;
    static const std::pair<const char*, CompareOp> kOps[] = {
        {"=", CompareOp::Equal},      {"<>", CompareOp::NotEqual}, {"<", CompareOp::Less},
        {"<=", CompareOp::LessEqual}, {">", CompareOp::Greater},   {">=", CompareOp::GreaterEqual},
    };
    for (const auto& [text, value] : kOps) {
        if (t.isSymbol(text)) {
            op = value;
            return true;
        }
    }
    return false;
}

} // namespace

const Token& FilterParser::peek(size_t ahead) const
{
    const size_t i = std::min(pos_ + ahead, tokens_.size() - 1);
    return tokens_[i];
}

// The parser, the binder, the SQL writer and the tree's destructor all
// recurse once per level; a bounded tree keeps them within the stack however
// long the text.
void FilterParser::countPart()
{
    if (++parts_ > kMaxFilterParts)
        throwDao(kQueryTooComplex, QStringLiteral("Query is too complex."));
}

std::unique_ptr<Expr> FilterParser::parseExpression()
{
    return parseOr();
}

std::unique_ptr<Expr> FilterParser::parseOr()
{
    auto left = parseAnd();
    while (peek().isKeyword("OR")) {
        ++pos_;
        countPart();
        left = combine(Expr::Kind::Or, std::move(left), parseAnd());
    }
    return left;
}

std::unique_ptr<Expr> FilterParser::parseAnd()
{
    auto left = parseNot();
    while (peek().isKeyword("AND")) {
        ++pos_;
        countPart();
        left = combine(Expr::Kind::And, std::move(left), parseNot());
    }
    return left;
}

std::unique_ptr<Expr> FilterParser::parseNot()
{
    if (peek().isKeyword("NOT")) {
        ++pos_;
        countPart();
        return combine(Expr::Kind::Not, parseNot(), nullptr);
    }
    return parsePredicate();
}

// Whether the next tokens make a comparison of what came before.
bool FilterParser::startsCondition() const
{
    CompareOp op;
    return compareOpOf(peek(), op) || peek().isKeyword("LIKE") || peek().isKeyword("IS") ||
           (peek().isKeyword("NOT") && peek(1).isKeyword("LIKE"));
}

std::unique_ptr<Expr> FilterParser::parsePredicate()
{
    if (peek().isSymbol("(")) {
        ++pos_;
        countPart();
        auto inner = parseOr();
        if (!peek().isSymbol(")"))
            throw SyntaxFailure{SyntaxProblem::MissingBracket};
        ++pos_;
        if (startsCondition())
            throw SyntaxFailure{SyntaxProblem::MissingOperator};
        return inner;
    }
    auto e = std::make_unique<Expr>();
    if (!parseOperand(e->lhs))
        throw SyntaxFailure{SyntaxProblem::MissingOperator};
    if (compareOpOf(peek(), e->op)) {
        ++pos_;
        e->kind = Expr::Kind::Compare;
        if (!parseOperand(e->rhs))
            throw SyntaxFailure{SyntaxProblem::MissingOperator};
        return e;
    }
    if (peek().isKeyword("NOT") && peek(1).isKeyword("LIKE")) {
        e->negated = true;
        ++pos_;
    }
    if (peek().isKeyword("LIKE")) {
        ++pos_;
        e->kind = Expr::Kind::Like;
        if (!parseOperand(e->rhs))
            throw SyntaxFailure{SyntaxProblem::MissingOperator};
        return e;
    }
    if (peek().isKeyword("IS")) {
        ++pos_;
        if (peek().isKeyword("NOT")) {
            e->negated = true;
            ++pos_;
        }
        if (!peek().isKeyword("NULL"))
            throw SyntaxFailure{SyntaxProblem::MissingOperator};
        ++pos_;
        e->kind = Expr::Kind::IsNull;
        return e;
    }
    // Only a yes/no value can stand alone.
    if (e->lhs.kind != Operand::Kind::Name && e->lhs.kind != Operand::Kind::Boolean)
        throw SyntaxFailure{SyntaxProblem::MissingOperator};
    e->kind = Expr::Kind::Truth;
    return e;
}

bool FilterParser::parseOperand(Operand& operand)
{
    const Token& t = peek();
    switch (t.type) {
    case TokenType::Name:
        operand.kind = Operand::Kind::Name;
        operand.text = t.text;
        break;
    case TokenType::String:
        operand.kind = Operand::Kind::Text;
        operand.text = t.text;
        break;
    case TokenType::Number:
        operand.kind = Operand::Kind::Number;
        operand.text = t.text;
        break;
    case TokenType::Date:
        operand.kind = Operand::Kind::Date;
        operand.date = t.date;
        break;
    case TokenType::Keyword:
        if (t.isKeyword("TRUE") || t.isKeyword("YES") || t.isKeyword("FALSE") ||
            t.isKeyword("NO")) {
            operand.kind = Operand::Kind::Boolean;
            operand.boolean = t.isKeyword("TRUE") || t.isKeyword("YES");
        } else if (t.isKeyword("NULL")) {
            operand.kind = Operand::Kind::Null;
        } else {
            return false;
        }
        break;
    case TokenType::Symbol:
        if ((t.isSymbol("-") || t.isSymbol("+")) && peek(1).type == TokenType::Number) {
            operand.kind = Operand::Kind::Number;
            operand.text = (t.isSymbol("-") ? QStringLiteral("-") : QString()) + peek(1).text;
            pos_ += 2;
            return true;
        }
        return false;
    default:
        return false;
    }
    ++pos_;
    return true;
}

QString syntaxErrorText(SyntaxProblem problem, const QString& expression)
{
    switch (problem) {
    case SyntaxProblem::BadString:
        return QStringLiteral("Syntax error in string in query expression '%1'.").arg(expression);
    case SyntaxProblem::BadDate:
        return QStringLiteral("Syntax error in date in query expression '%1'.").arg(expression);
    case SyntaxProblem::BadNumber:
        return QStringLiteral("Syntax error in number in query expression '%1'.").arg(expression);
    case SyntaxProblem::MissingBracket:
        return QStringLiteral("Missing ), ], or Item in query expression '%1'.").arg(expression);
    case SyntaxProblem::ExtraParenthesis:
        return QStringLiteral("Extra ) in query expression '%1'.").arg(expression);
    case SyntaxProblem::BadPattern:
        return QStringLiteral("Invalid pattern string in query expression '%1'.").arg(expression);
    case SyntaxProblem::MissingOperator:
        break;
    }
    return QStringLiteral("Syntax error (missing operator) in query expression '%1'.")
        .arg(expression);
}

std::unique_ptr<Expr> parseFilter(const QString& text)
{
    try {
        const std::vector<Token> tokens = tokenize(text);
        size_t pos = 0;
        auto expr = FilterParser(tokens, pos).parseExpression();
        if (tokens[pos].type != TokenType::End) {
            throw SyntaxFailure{tokens[pos].isSymbol(")") ? SyntaxProblem::ExtraParenthesis
                                                          : SyntaxProblem::MissingOperator};
        }
        return expr;
    } catch (const SyntaxFailure& failure) {
        throwDao(kDaoSyntaxError, syntaxErrorText(failure.problem, text));
    }
}

} // namespace dao
