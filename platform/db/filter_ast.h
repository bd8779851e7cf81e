// A parsed filter before its names are looked up in a table.
#pragma once

#include <QDateTime>
#include <QString>

#include <memory>

namespace dao {

enum class CompareOp { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

// The operator as both engines' SQL writes it, with a blank either side.
inline const char* sqlOperator(CompareOp op)
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

struct Operand {
    enum class Kind { Name, Text, Number, Date, Boolean, Null } kind = Kind::Null;
    QString text; // the name, the text, or the number as written (sign included)
    QDateTime date;
    bool boolean = false;
};

struct Expr {
    enum class Kind {
        And,
        Or,
        Not,
        Compare, // lhs op rhs
        Like,    // lhs [NOT] LIKE rhs
        IsNull,  // lhs IS [NOT] NULL
        Truth,   // a yes/no operand standing alone
    } kind = Kind::Truth;
    CompareOp op = CompareOp::Equal;
    bool negated = false;
    Operand lhs;
    Operand rhs;
    std::unique_ptr<Expr> left; // And, Or, Not
    std::unique_ptr<Expr> right;
};

} // namespace dao
