#include "keyset.h"

namespace dao {

Keyset::Keyset(Connection& connection, const TableInfo& table, const BoundExpr* where,
               std::vector<OrderTerm> order)
    : connection_(connection), table_(table), where_(where), order_(std::move(order))
{
}

void Keyset::reload()
{
    const std::vector<qint64> keys = connection_.backend().selectKeys(table_, where_, order_);
    keys_.clear();
    keys_.reserve(keys.size());
    for (qint64 key : keys)
        keys_.push_back({key, false});
    holes_ = 0;
    positions_.clear();
    positionsValid_ = false;
}

std::optional<size_t> Keyset::positionOf(qint64 key) const
{
    if (!positionsValid_) {
        positions_.clear();
        positions_.reserve(qsizetype(keys_.size()));
        for (size_t i = 0; i < keys_.size(); ++i)
            positions_.insert(keys_[i].key, i);
        positionsValid_ = true;
    }
    const auto it = positions_.constFind(key);
    if (it == positions_.constEnd())
        return std::nullopt;
    return *it;
}

std::optional<qint64> Keyset::memberFrom(size_t position) const
{
    for (; position < keys_.size(); ++position) {
        if (!keys_[position].hole)
            return keys_[position].key;
    }
    return std::nullopt;
}

std::optional<qint64> Keyset::next(std::optional<qint64> after)
{
    if (!after)
        return memberFrom(0);
    const auto position = positionOf(*after);
    return position ? memberFrom(*position + 1) : std::nullopt;
}

std::optional<qint64> Keyset::last()
{
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it) {
        if (!it->hole)
            return it->key;
    }
    return std::nullopt;
}

void Keyset::append(qint64 key)
{
    // A key a rollback took back can come again from the engine: the new row
    // joins the end, the old hole goes.
    if (const auto position = positionOf(key)) {
        holes_ -= keys_[*position].hole ? 1 : 0;
        keys_.erase(keys_.begin() + std::ptrdiff_t(*position));
        positionsValid_ = false;
    }
    keys_.push_back({key, false});
    if (positionsValid_)
        positions_.insert(key, keys_.size() - 1);
}

void Keyset::remove(qint64 key)
{
    const auto position = positionOf(key);
    if (!position || keys_[*position].hole)
        return;
    keys_[*position].hole = true;
    ++holes_;
}

// Every match, mapped to its position; the nearest member wins.
std::optional<qint64> Keyset::find(bool first, const BoundExpr& filter)
{
    std::optional<size_t> best;
    connection_.backend().scanMatches(table_, filter, MatchScan{}, [&](qint64 key) {
        const auto position = positionOf(key);
        if (position && !keys_[*position].hole &&
            (!best || (first ? *position < *best : *position > *best)))
            best = position;
        return true;
    });
    if (!best)
        return std::nullopt;
    return keys_[*best].key;
}

} // namespace dao
