// What the collections chart shows: cash as bars per period (or per
// machine, per location), each bar stacked by machine or by location. Kept
// apart from the chart widgets so the figures are checked without them.
#pragma once

#include "laundry/laundry_export.h"

#include "collections_report.h"

#include <QStringList>

#include <vector>

namespace datacollection {

enum class ChartStacking { Machine, Location };

struct ChartStack {
    QString name;               // "STORE1", "WASH01 (STORE1)", "Other"
    std::vector<Currency> cash; // one per category
};

struct CollectionsChartData {
    QStringList categories; // the bars: period labels, machines or locations
    std::vector<ChartStack> stacks;
    Currency largestBar;
};

// At most kMaxChartStacks stacks: the ones that took the most, then "Other".
inline constexpr int kMaxChartStacks = 10;
LAUNDRY_EXPORT CollectionsChartData collectionsChartData(const CollectionsReport& report,
                                                         ChartStacking stacking);

} // namespace datacollection
