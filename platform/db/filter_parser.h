// Parses Jet filter expressions into a tree. Precedence from loose to tight:
// OR, AND, NOT, then one comparison, LIKE or IS NULL. A filter of more than
// kMaxFilterParts operators and parentheses is refused as too complex.
#pragma once

#include "filter_ast.h"
#include "jet_lexer.h"

#include <vector>

namespace dao {

inline constexpr int kMaxFilterParts = 1000;

class FilterParser {
public:
    // Reads from tokens[pos] on; pos ends on the first token that does not
    // continue the expression. Raises SyntaxFailure.
    FilterParser(const std::vector<Token>& tokens, size_t& pos) : tokens_(tokens), pos_(pos) {}
    std::unique_ptr<Expr> parseExpression();

private:
    std::unique_ptr<Expr> parseOr();
    std::unique_ptr<Expr> parseAnd();
    std::unique_ptr<Expr> parseNot();
    std::unique_ptr<Expr> parsePredicate();
    bool parseOperand(Operand& operand);
    const Token& peek(size_t ahead = 0) const;
    bool startsCondition() const;
    // Counts one more operator or parenthesis; raises 3360 past the limit.
    void countPart();

    const std::vector<Token>& tokens_;
    size_t& pos_;
    int parts_ = 0;
};

// A whole filter text; raises CdbException 3075 naming the text on a syntax
// error.
std::unique_ptr<Expr> parseFilter(const QString& text);

// The DAO description of a syntax problem in the expression text.
QString syntaxErrorText(SyntaxProblem problem, const QString& expression);

} // namespace dao
