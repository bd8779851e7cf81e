// The position order of a recordset in key order (a table, or a query with
// no ORDER BY), read from the engine a page at a time as the cursor moves,
// so opening, moving and finding cost what they return, not the table.
//
// Members: the rows matching the filter whose key is at most the highest key
// at the first read after open or Requery (the ceiling), less those deleted
// or rolled back through this recordset, then the rows added through it
// (their keys lie above the ceiling, so position order stays key order). An
// add before any read puts the ceiling just below the added key. Rows other
// connections add after the first read lie above the ceiling and stay out. A row added under a key
// at or below the ceiling (a table without AUTOINCREMENT whose last row was deleted) is a member
// while it meets the filter.
#pragma once

#include "connection.h"
#include "row_order.h"

#include <set>
#include <vector>

namespace dao {

class KeyOrderCursor : public RowOrder {
public:
    KeyOrderCursor(Connection& connection, const TableInfo& table, const BoundExpr* where);

    void reload() override;
    std::optional<qint64> next(std::optional<qint64> after) override;
    std::optional<qint64> last() override;
    bool empty() override;
    int count() override;
    void append(qint64 key) override;
    void remove(qint64 key) override;
    std::optional<qint64> find(bool first, const BoundExpr& filter) override;

    // The largest page read at once; the first is small so opening is cheap.
    static constexpr int kMaxPage = 512;

private:
    // Keys of engine members in (above, end]: end is the ceiling once the
    // engine had no more, else the last key read.
    struct Page {
        std::optional<qint64> above;
        std::vector<qint64> keys;
        bool toCeiling = false;
    };

    Backend& backend() { return connection_.backend(); }
    void ensureCeiling();
    bool inPage(std::optional<qint64> after) const;
    void readPage(std::optional<qint64> after);
    std::optional<qint64> nextStored(std::optional<qint64> after);
    std::optional<qint64> lastStored();
    std::optional<qint64> findStored(bool first, const BoundExpr& filter);
    std::optional<qint64> findAppended(bool first, const BoundExpr& filter);
    bool isExcluded(qint64 key) const { return excluded_.count(key) > 0; }

    Connection& connection_;
    const TableInfo& table_;
    const BoundExpr* where_;

    bool ceilingKnown_ = false;
    std::optional<qint64> ceiling_; // none: the table was empty at the first read
    std::set<qint64> excluded_;     // at or below the ceiling, no longer members
    std::vector<qint64> appended_;  // above the ceiling, ascending
    Page page_;
    bool pageValid_ = false;
    int pageSize_ = 16;
    std::optional<int> count_;
};

} // namespace dao
