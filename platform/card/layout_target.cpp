#include "card/layout_target.h"

#include "card/reader_slot.h"

#include <algorithm>
#include <vector>

namespace card {

namespace {

// Open targets, oldest first; the reader slot sits below all of them.
std::vector<LayoutTarget*>& openTargets()
{
    static std::vector<LayoutTarget*> targets;
    return targets;
}

} // namespace

LayoutTarget& layoutTarget()
{
    const auto& targets = openTargets();
    if (targets.empty())
        return ReaderSlot::instance();
    return *targets.back();
}

void openLayoutTarget(LayoutTarget& target)
{
    closeLayoutTarget(target);
    openTargets().push_back(&target);
}

void closeLayoutTarget(LayoutTarget& target)
{
    auto& targets = openTargets();
    targets.erase(std::remove(targets.begin(), targets.end(), &target), targets.end());
}

void resetLayoutTargets()
{
    openTargets().clear();
}

} // namespace card
