#include "collections_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <cmath>

namespace readermanager {

QChart* makeCollectionsChart(const datacollection::CollectionsChartData& data, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    auto* series = new QStackedBarSeries(chart);
    for (const datacollection::ChartStack& stack : data.stacks) {
        auto* set = new QBarSet(stack.name, series);
        // Bar heights only: the figures themselves stay exact in the table.
        for (const Currency& cash : stack.cash)
            set->append(double(cash.units()) / double(Currency::kUnitsPerDollar));
        series->append(set);
    }
    chart->addSeries(series);

    auto* categories = new QBarCategoryAxis(chart);
    categories->append(data.categories);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* dollars = new QValueAxis(chart);
    const double top = double(data.largestBar.units()) / double(Currency::kUnitsPerDollar);
    dollars->setRange(0, top > 0 ? top * 1.05 : 1);
    dollars->setLabelFormat(QStringLiteral("$%.0f"));
    dollars->applyNiceNumbers();
    chart->addAxis(dollars, Qt::AlignLeft);
    series->attachAxis(dollars);

    chart->legend()->setVisible(data.stacks.size() > 1);
    chart->legend()->setAlignment(Qt::AlignRight);
    if (data.categories.size() > 12)
        categories->setLabelsAngle(-90);
    return chart;
}

} // namespace readermanager
