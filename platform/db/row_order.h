// The rows of a recordset in position order, named by key. The cursor of a
// recordset holds a key, so a row keeps its place while others come and go;
// a key a Delete or a rollback took out stays a hole that next() can leave.
#pragma once

#include "bound_filter.h"

#include <optional>

namespace dao {

class RowOrder {
public:
    virtual ~RowOrder() = default;

    // Reads the membership afresh (open and Requery).
    virtual void reload() = 0;
    // The first member after `after` (which may be a hole), or the first of
    // all without one.
    virtual std::optional<qint64> next(std::optional<qint64> after) = 0;
    virtual std::optional<qint64> last() = 0;
    virtual bool empty() { return !next(std::nullopt); }
    virtual int count() = 0;
    // A row added through the recordset joins its end.
    virtual void append(qint64 key) = 0;
    // A row deleted through the recordset or taken back by a rollback;
    // nothing when it was no member.
    virtual void remove(qint64 key) = 0;
    // The member nearest the start (first) or the end matching filter.
    virtual std::optional<qint64> find(bool first, const BoundExpr& filter) = 0;
};

} // namespace dao
