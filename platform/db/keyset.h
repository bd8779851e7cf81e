// The position order of a sorted recordset: every key the query selected,
// read at open in the query's order, with added rows after them. Removed keys
// stay in place as holes until the next reload.
#pragma once

#include "connection.h"
#include "row_order.h"

#include <QHash>

#include <vector>

namespace dao {

class Keyset : public RowOrder {
public:
    Keyset(Connection& connection, const TableInfo& table, const BoundExpr* where,
           std::vector<OrderTerm> order);

    void reload() override;
    std::optional<qint64> next(std::optional<qint64> after) override;
    std::optional<qint64> last() override;
    int count() override { return static_cast<int>(keys_.size()) - holes_; }
    void append(qint64 key) override;
    void remove(qint64 key) override;
    std::optional<qint64> find(bool first, const BoundExpr& filter) override;

private:
    struct Entry {
        qint64 key;
        bool hole;
    };
    std::optional<size_t> positionOf(qint64 key) const;
    std::optional<qint64> memberFrom(size_t position) const;

    Connection& connection_;
    const TableInfo& table_;
    const BoundExpr* where_;
    std::vector<OrderTerm> order_;
    std::vector<Entry> keys_;
    int holes_ = 0;
    mutable QHash<qint64, size_t> positions_;
    mutable bool positionsValid_ = false;
};

} // namespace dao
