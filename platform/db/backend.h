// What the DAO layer needs from a storage engine: tables described by their
// columns, rows named by a 64-bit key, filters handed over as bound trees.
// The DAO behaviour (cursor, edit buffer, states, NoMatch, error numbers)
// lives above this line; an engine only stores and finds rows.
#pragma once

#include "bound_filter.h"
#include "dao_error.h"
#include "services/collection_totals.h"
#include "sql_value.h"
#include "table_info.h"

#include <functional>
#include <optional>
#include <vector>

namespace dao {

// The keys above `above` and at most `atMost`; an empty side is open.
struct KeyRange {
    std::optional<qint64> above;
    std::optional<qint64> atMost;
};

// How scanMatches hands back the keys of matching rows.
struct MatchScan {
    enum class Order { Unordered, Ascending, Descending } order = Order::Unordered;
    KeyRange range;
    const BoundExpr* also = nullptr; // a second filter rows must meet (a recordset's own)
};

// The table's highest key and the first match of a scan, read together.
struct TopAndMatch {
    std::optional<qint64> top;   // none: the table is empty
    std::optional<qint64> match; // none: no row matches
};

// Rows read or written together, each the values of the columns asked for.
using RowPage = std::vector<std::vector<SqlValue>>;

// Hands rows read one by one to a visitor a page at a time.
class RowPager {
public:
    RowPager(int pageRows, const std::function<bool(RowPage&)>& visit)
        : pageRows_(pageRows < 1 ? 1 : pageRows), visit_(visit)
    {
    }
    // False once the visitor has asked to stop.
    bool add(std::vector<SqlValue> row)
    {
        page_.push_back(std::move(row));
        if (int(page_.size()) < pageRows_)
            return true;
        const bool more = visit_(page_);
        page_.clear();
        return more;
    }
    // The last, shorter page.
    void finish()
    {
        if (!page_.empty())
            visit_(page_);
        page_.clear();
    }

private:
    int pageRows_;
    const std::function<bool(RowPage&)>& visit_;
    RowPage page_;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual QString fileName() const = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;

    // Raises 3078 when there is no such table.
    virtual TableInfo describeTable(const QString& name) = 0;

    // Keys of the rows matching where (every row when null), in order and
    // then by key.
    virtual std::vector<qint64> selectKeys(const TableInfo& table, const BoundExpr* where,
                                           const std::vector<OrderTerm>& order) = 0;

    // At most limit keys of the rows matching where (every row when null)
    // within range, ascending or descending: a page of a key-ordered cursor.
    virtual std::vector<qint64> pageKeys(const TableInfo& table, const BoundExpr* where,
                                         const KeyRange& range, bool descending, int limit) = 0;
    // The highest key of the table; none when it is empty. Read at every
    // open of a recordset in key order, so an engine may do it its own way.
    virtual std::optional<qint64> highestKey(const TableInfo& table)
    {
        const std::vector<qint64> top = pageKeys(table, nullptr, {}, true, 1);
        return top.empty() ? std::nullopt : std::optional<qint64>(top.front());
    }
    virtual qint64 countRows(const TableInfo& table, const BoundExpr* where,
                             const KeyRange& range) = 0;

    // The stored values of the given columns of one row; false when the row
    // is gone.
    virtual bool readRow(const TableInfo& table, const std::vector<int>& columns, qint64 key,
                         std::vector<SqlValue>& values) = 0;

    // Every row of the table in key order, the given columns of each,
    // handed to visit in pages of at most pageRows rows (visit may take the
    // rows out of the page) until it returns false. Here one read per row;
    // an engine reads many rows a statement.
    virtual void readRowsInKeyOrder(const TableInfo& table, const std::vector<int>& columns,
                                    int pageRows, const std::function<bool(RowPage&)>& visit)
    {
        RowPager pager(pageRows, visit);
        std::vector<SqlValue> values;
        for (qint64 key : selectKeys(table, nullptr, {})) {
            if (!readRow(table, columns, key, values))
                continue; // deleted since the keys were read
            if (!pager.add(values))
                return;
        }
        pager.finish();
    }

    // Transactions nest; each level is committed or rolled back on its own.
    // Outside one, each write is a transaction of its own; inside, a write
    // joins it, and a failed write leaves it open for the caller to end.
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;

    // insertRow returns the new key; updateRow and deleteRow return false
    // when the row is gone.
    virtual qint64 insertRow(const TableInfo& table, const std::vector<int>& columns,
                             const std::vector<SqlValue>& values) = 0;
    // Adds the rows, each the values of columns. Rows given their keys keep
    // them, and the key counter goes past them as insertRow does. All go in
    // or none: outside a transaction the rows are one of their own, inside
    // a failure leaves the caller's transaction to end. Here one insertRow
    // a row; an engine writes many rows a statement.
    virtual void insertRows(const TableInfo& table, const std::vector<int>& columns,
                            const RowPage& rows)
    {
        beginTransaction();
        try {
            for (const std::vector<SqlValue>& row : rows)
                insertRow(table, columns, row);
        } catch (...) {
            rollbackTransaction();
            throw;
        }
        commitTransaction();
    }
    virtual bool updateRow(const TableInfo& table, qint64 key, const std::vector<int>& columns,
                           const std::vector<SqlValue>& values) = 0;
    virtual bool deleteRow(const TableInfo& table, qint64 key) = 0;
    virtual qint64 deleteRows(const TableInfo& table, const BoundExpr* where) = 0;

    // Calls visit with the key of each row matching filter until it returns
    // false.
    virtual void scanMatches(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan,
                             const std::function<bool(qint64)>& visit) = 0;

    // The collections report's sums (services/collection_totals.h), worked
    // out by the engine.
    virtual std::vector<dbhelper::CollectionTotals>
    collectionTotals(const dbhelper::CollectionTotalsQuery& query) = 0;
    virtual std::vector<dbhelper::MachineLastCollection>
    collectedMachines(const dbhelper::CollectionColumns& columns) = 0;
    virtual dbhelper::MachineLastCollection
    lastCollection(const dbhelper::CollectionColumns& columns, const QString& machine,
                   const QString& location, const QDate& before) = 0;

    // The highest key and the first key scan finds at most that high: a
    // key-order recordset's first find after open. An engine that can read
    // both in one statement saves the second read.
    virtual TopAndMatch highestKeyAndMatch(const TableInfo& table, const BoundExpr& filter,
                                           MatchScan scan)
    {
        TopAndMatch read;
        read.top = highestKey(table);
        if (read.top) {
            // Rows added between the two reads lie above the top and stay out.
            scan.range.atMost = read.top;
            scanMatches(table, filter, scan, [&](qint64 key) {
                read.match = key;
                return false;
            });
        }
        return read;
    }
};

} // namespace dao
