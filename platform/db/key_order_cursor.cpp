#include "key_order_cursor.h"

#include <algorithm>

namespace dao {

KeyOrderCursor::KeyOrderCursor(Connection& connection, const TableInfo& table,
                               const BoundExpr* where)
    : connection_(connection), table_(table), where_(where)
{
}

// The ceiling is taken at the first read, not here: a recordset opened for
// a find learns it in the find's own statement, one read instead of two.
void KeyOrderCursor::reload()
{
    ceilingKnown_ = false;
    ceiling_.reset();
    excluded_.clear();
    appended_.clear();
    pageValid_ = false;
    pageSize_ = 16;
    count_.reset();
}

void KeyOrderCursor::ensureCeiling()
{
    if (ceilingKnown_)
        return;
    ceiling_ = backend().highestKey(table_);
    ceilingKnown_ = true;
}

bool KeyOrderCursor::inPage(std::optional<qint64> after) const
{
    if (!pageValid_)
        return false;
    if (page_.above && (!after || *after < *page_.above))
        return false;
    if (page_.toCeiling)
        return true;
    return !page_.keys.empty() && (!after || *after < page_.keys.back());
}

// Pages grow as a walk goes on: a find or a first look reads few keys, a
// walk over the table few pages.
void KeyOrderCursor::readPage(std::optional<qint64> after)
{
    const bool following = pageValid_ && !page_.keys.empty() && after == page_.keys.back();
    pageSize_ = following ? std::min(pageSize_ * 4, kMaxPage) : 16;
    page_.above = after;
    page_.keys = backend().pageKeys(table_, where_, KeyRange{after, ceiling_}, false, pageSize_);
    page_.toCeiling = static_cast<int>(page_.keys.size()) < pageSize_;
    pageValid_ = true;
}

std::optional<qint64> KeyOrderCursor::nextStored(std::optional<qint64> after)
{
    ensureCeiling();
    if (!ceiling_ || (after && *after >= *ceiling_))
        return std::nullopt;
    for (;;) {
        if (!inPage(after))
            readPage(after);
        auto it = after ? std::upper_bound(page_.keys.begin(), page_.keys.end(), *after)
                        : page_.keys.begin();
        for (; it != page_.keys.end(); ++it) {
            if (!isExcluded(*it))
                return *it;
        }
        if (page_.toCeiling || page_.keys.empty())
            return std::nullopt;
        after = page_.keys.back();
    }
}

std::optional<qint64> KeyOrderCursor::next(std::optional<qint64> after)
{
    if (const auto stored = nextStored(after))
        return stored;
    const auto it =
        after ? std::upper_bound(appended_.begin(), appended_.end(), *after) : appended_.begin();
    if (it == appended_.end())
        return std::nullopt;
    return *it;
}

std::optional<qint64> KeyOrderCursor::lastStored()
{
    ensureCeiling();
    std::optional<qint64> below = ceiling_;
    while (below) {
        const std::vector<qint64> keys =
            backend().pageKeys(table_, where_, KeyRange{std::nullopt, below}, true, 16);
        for (qint64 key : keys) {
            if (!isExcluded(key))
                return key;
        }
        if (keys.size() < 16)
            return std::nullopt;
        below = keys.back() - 1;
    }
    return std::nullopt;
}

std::optional<qint64> KeyOrderCursor::last()
{
    if (!appended_.empty())
        return appended_.back();
    return lastStored();
}

bool KeyOrderCursor::empty()
{
    if (count_)
        return *count_ == 0;
    return appended_.empty() && !nextStored(std::nullopt);
}

// Counted once when asked, then kept by the recordset's own adds and deletes.
int KeyOrderCursor::count()
{
    if (!count_) {
        ensureCeiling();
        qint64 stored = 0;
        if (ceiling_) {
            stored = backend().countRows(table_, where_, KeyRange{std::nullopt, ceiling_});
            // Excluded keys are mostly gone from the table; those still there
            // (a key the engine gave out again) were counted.
            for (qint64 key : excluded_)
                stored -= qint64(
                    backend().pageKeys(table_, where_, KeyRange{key - 1, key}, false, 1).size());
        }
        count_ = static_cast<int>(stored + qint64(appended_.size()));
    }
    return *count_;
}

void KeyOrderCursor::append(qint64 key)
{
    if (!ceilingKnown_) {
        // Nothing read yet: the members are the rows below the new one.
        ceiling_ = key - 1;
        ceilingKnown_ = true;
    }
    if (ceiling_ && key <= *ceiling_) {
        excluded_.erase(key);
        pageValid_ = false;
        count_.reset();
        return;
    }
    appended_.insert(std::upper_bound(appended_.begin(), appended_.end(), key), key);
    if (count_)
        ++*count_;
}

void KeyOrderCursor::remove(qint64 key)
{
    ensureCeiling();
    if (ceiling_ && key <= *ceiling_) {
        // Whether it was a member is not known without a look: count again.
        if (excluded_.insert(key).second)
            count_.reset();
        return;
    }
    const auto it = std::lower_bound(appended_.begin(), appended_.end(), key);
    if (it == appended_.end() || *it != key)
        return;
    appended_.erase(it);
    if (count_)
        --*count_;
}

std::optional<qint64> KeyOrderCursor::findStored(bool first, const BoundExpr& filter)
{
    MatchScan scan;
    scan.order = first ? MatchScan::Order::Ascending : MatchScan::Order::Descending;
    scan.also = where_;
    if (!ceilingKnown_) {
        // Nothing excluded or added yet: the engine's first match is the answer.
        const TopAndMatch read = backend().highestKeyAndMatch(table_, filter, scan);
        ceiling_ = read.top;
        ceilingKnown_ = true;
        return read.match;
    }
    if (!ceiling_)
        return std::nullopt;
    scan.range.atMost = ceiling_;
    std::optional<qint64> found;
    backend().scanMatches(table_, filter, scan, [&](qint64 key) {
        if (isExcluded(key))
            return true;
        found = key;
        return false;
    });
    return found;
}

// Added rows are members whatever the recordset's own filter says.
std::optional<qint64> KeyOrderCursor::findAppended(bool first, const BoundExpr& filter)
{
    if (appended_.empty())
        return std::nullopt;
    MatchScan scan;
    scan.order = first ? MatchScan::Order::Ascending : MatchScan::Order::Descending;
    scan.range = KeyRange{appended_.front() - 1, appended_.back()};
    std::optional<qint64> found;
    backend().scanMatches(table_, filter, scan, [&](qint64 key) {
        if (!std::binary_search(appended_.begin(), appended_.end(), key))
            return true; // added by another connection
        found = key;
        return false;
    });
    return found;
}

std::optional<qint64> KeyOrderCursor::find(bool first, const BoundExpr& filter)
{
    if (first) {
        if (const auto stored = findStored(true, filter))
            return stored;
        return findAppended(true, filter);
    }
    if (const auto added = findAppended(false, filter))
        return added;
    return findStored(false, filter);
}

} // namespace dao
