// The keys of a recordset's rows in recordset order, with the position of a
// key found by binary search while the keys ascend, by a hash otherwise.
#pragma once

#include <QHash>

#include <optional>
#include <vector>

namespace dao {

class Keyset {
public:
    void assign(std::vector<qint64> keys, bool ascending);
    int size() const { return static_cast<int>(keys_.size()); }
    qint64 at(int position) const { return keys_[static_cast<size_t>(position)]; }
    void append(qint64 key);
    void removeAt(int position);
    std::optional<int> positionOf(qint64 key) const;
    // Whether position order is key order (no ORDER BY, appends ascending).
    bool ascending() const { return ascending_; }

private:
    std::vector<qint64> keys_;
    bool ascending_ = true;
    mutable QHash<qint64, int> positions_;
    mutable bool positionsValid_ = false;
};

} // namespace dao
