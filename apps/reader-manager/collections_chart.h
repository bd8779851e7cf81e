// The collections chart: the chart data as Qt Charts bars, stacked by
// machine or location, dollars on the value axis.
#pragma once

#include "datacollection/collections_chart_data.h"

#include <QChart>

namespace readermanager {

// A new chart (the caller owns it) of the data, titled.
QChart* makeCollectionsChart(const datacollection::CollectionsChartData& data,
                             const QString& title);

} // namespace readermanager
