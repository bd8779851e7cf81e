// A filter whose names are columns of one table and whose literals are
// already values of the kinds they meet: what a backend turns into its query.
#pragma once

#include "filter_ast.h"
#include "sql_value.h"

#include <memory>

namespace dao {

struct BoundOperand {
    bool isColumn = false;
    int column = -1; // index into the table's columns
    SqlValue value;
};

struct BoundExpr {
    enum class Kind { And, Or, Not, Compare, Like, IsNull, Truth, Constant } kind;
    CompareOp op = CompareOp::Equal;
    bool negated = false;
    bool noCase = false;   // text comparison, letters without regard to case
    bool constant = false; // Constant: its truth
    BoundOperand lhs;      // Like: lhs is the value, rhs the pattern text
    BoundOperand rhs;
    std::unique_ptr<BoundExpr> left;
    std::unique_ptr<BoundExpr> right;
    // On a whole filter: trees with one nonzero shape differ in their
    // literals' values only, so a backend may reuse what it wrote for one.
    quint64 shape = 0;
};

// One ORDER BY term of a recordset.
struct OrderTerm {
    int column = -1;
    bool descending = false;
    bool noCase = false;
};

} // namespace dao
