#include "keyset.h"

#include <algorithm>

namespace dao {

void Keyset::assign(std::vector<qint64> keys, bool ascending)
{
    keys_ = std::move(keys);
    ascending_ = ascending;
    positions_.clear();
    positionsValid_ = false;
}

void Keyset::append(qint64 key)
{
    ascending_ = ascending_ && (keys_.empty() || key > keys_.back());
    keys_.push_back(key);
    if (positionsValid_)
        positions_.insert(key, size() - 1);
}

void Keyset::removeAt(int position)
{
    keys_.erase(keys_.begin() + position);
    positions_.clear();
    positionsValid_ = false;
}

std::optional<int> Keyset::positionOf(qint64 key) const
{
    if (ascending_) {
        const auto it = std::lower_bound(keys_.begin(), keys_.end(), key);
        if (it == keys_.end() || *it != key)
            return std::nullopt;
        return static_cast<int>(it - keys_.begin());
    }
    if (!positionsValid_) {
        positions_.clear();
        positions_.reserve(size());
        for (int i = 0; i < size(); ++i)
            positions_.insert(keys_[size_t(i)], i);
        positionsValid_ = true;
    }
    const auto it = positions_.constFind(key);
    if (it == positions_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace dao
