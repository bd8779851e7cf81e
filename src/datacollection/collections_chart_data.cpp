#include "collections_chart_data.h"

#include "collections_text.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace datacollection {
namespace {

QString machineName(const QString& machine, const QString& location)
{
    return QStringLiteral("%1 (%2)").arg(machine, location);
}

// The bar a cell belongs to.
QString categoryOf(ReportGrouping by, const ReportCell& cell)
{
    switch (by) {
    case ReportGrouping::Machine:
        return machineName(cell.machine, cell.location);
    case ReportGrouping::Location:
        return cell.location;
    case ReportGrouping::Day:
    case ReportGrouping::Week:
    case ReportGrouping::Month:
        break;
    }
    return periodLabel(by, cell.period);
}

QString categoryOf(ReportGrouping by, const ReportLine& line)
{
    switch (by) {
    case ReportGrouping::Machine:
        return machineName(line.machine, line.location);
    case ReportGrouping::Location:
        return line.location;
    case ReportGrouping::Day:
    case ReportGrouping::Week:
    case ReportGrouping::Month:
        break;
    }
    return periodLabel(by, line.period);
}

} // namespace

CollectionsChartData collectionsChartData(const CollectionsReport& report, ChartStacking stacking)
{
    const ReportGrouping by = report.request.by;
    CollectionsChartData data;
    QHash<QString, int> categoryIndex;
    for (const ReportLine& line : report.lines) {
        categoryIndex.insert(categoryOf(by, line), int(data.categories.size()));
        data.categories << categoryOf(by, line);
    }
    // By machine the bars are the machines: one stack. By location a bar's
    // stacks are its machines.
    const auto stackOf = [&](const ReportCell& cell) {
        if (by == ReportGrouping::Machine)
            return QStringLiteral("Interval cash");
        if (by == ReportGrouping::Location || stacking == ChartStacking::Machine)
            return machineName(cell.machine, cell.location);
        return cell.location;
    };
    std::map<QString, ChartStack> stacks;
    std::map<QString, Currency> stackTotals;
    for (const ReportCell& cell : report.cells) {
        const auto category = categoryIndex.constFind(categoryOf(by, cell));
        if (category == categoryIndex.constEnd())
            continue;
        ChartStack& stack = stacks[stackOf(cell)];
        if (stack.cash.empty()) {
            stack.name = stackOf(cell);
            stack.cash.resize(size_t(data.categories.size()));
        }
        stack.cash[size_t(*category)] = stack.cash[size_t(*category)] + cell.cash;
        stackTotals[stack.name] = stackTotals[stack.name] + cell.cash;
    }
    std::vector<ChartStack> ordered;
    for (auto& [name, stack] : stacks)
        ordered.push_back(std::move(stack));
    std::stable_sort(ordered.begin(), ordered.end(), [&](const ChartStack& a, const ChartStack& b) {
        return stackTotals[a.name] > stackTotals[b.name];
    });
    if (ordered.size() > size_t(kMaxChartStacks)) {
        ChartStack other{QStringLiteral("Other"),
                         std::vector<Currency>(ordered.front().cash.size())};
        for (size_t i = kMaxChartStacks - 1; i < ordered.size(); ++i)
            for (size_t c = 0; c < other.cash.size(); ++c)
                other.cash[c] = other.cash[c] + ordered[i].cash[c];
        ordered.resize(kMaxChartStacks - 1);
        ordered.push_back(std::move(other));
    }
    data.stacks = std::move(ordered);
    for (qsizetype c = 0; c < data.categories.size(); ++c) {
        Currency bar;
        for (const ChartStack& stack : data.stacks)
            bar = bar + stack.cash[size_t(c)];
        data.largestBar = std::max(data.largestBar, bar);
    }
    return data;
}

} // namespace datacollection
