// A recordset's finds repeat one filter with new values (a duplicate search
// per record of a card). A filter text is parsed and bound once per shape:
// the text with each quoted text, number and #date# taken out. A later text
// of that shape costs a scan for its literals and their conversion.
#pragma once

#include "bound_filter.h"
#include "table_info.h"

#include <QHash>

#include <memory>
#include <unordered_map>
#include <vector>

namespace dao {

class FilterShapeCache {
public:
    // criteria bound to table's columns, as bindFilter(parseFilter(...))
    // gives it, errors included. Valid until the next call.
    const BoundExpr& bind(const TableInfo& table, const QString& criteria);

private:
    // Where a literal of the text goes in the bound tree, and what it meets.
    struct Slot {
        BoundOperand* target = nullptr;
        Operand::Kind literal = Operand::Kind::Null;
        ColumnKind meets = ColumnKind::Any;
        bool pattern = false;  // the pattern of a LIKE
        bool negative = false; // a number written after a minus
    };
    struct Shape {
        std::unique_ptr<BoundExpr> tree;
        std::vector<Slot> targets;
    };
    struct Literal {
        Operand::Kind kind;
        int start;
        int length;
        QChar quote;
    };
    using Shapes = std::unordered_map<QString, Shape>;

    bool scan(const QString& text);
    void fill(Shape& shape, const QString& criteria);
    static bool collectSlots(const Expr& expr, BoundExpr& bound, const TableInfo& table,
                             std::vector<Slot>& targets);

    QHash<const TableInfo*, std::shared_ptr<Shapes>> tables_;
    std::unique_ptr<BoundExpr> unshaped_; // a text read the long way
    QString key_;                         // reused: the shape of the text being bound
    std::vector<Literal> literals_;
};

} // namespace dao
