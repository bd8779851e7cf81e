// Reports > Collections...: the chart of a demo route offscreen, the empty
// state of a new database, and the first run's offer of demo data, which
// goes into a file of its own.
#include "../apps/laundrycard/demo_route.h"
#include "collections_report_dialog.h"
#include "datacollection/collections_chart_data.h"
#include "reader_manager_fixture.h"

#include "services/dialog_runner.h"

#include <QAction>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>

namespace {

using datacollection::ReportGrouping;

class ReaderManagerReportsTest : public ReaderManagerTest {
protected:
    QString demoDatabase()
    {
        const QString file = path("route.mdb");
        QString error;
        EXPECT_TRUE(demo::storeDemoRoute(file, 7, QDate(2026, 12, 6), &error))
            << error.toStdString();
        return file;
    }

    // The cash of every bar of the chart, in cents.
    static std::vector<qint64> barCents(QChart* chart)
    {
        auto* series = qobject_cast<QStackedBarSeries*>(chart->series().value(0));
        std::vector<qint64> bars(size_t(series ? series->barSets().value(0)->count() : 0));
        for (QBarSet* set : series->barSets())
            for (int i = 0; i < set->count(); ++i)
                bars[size_t(i)] += qRound64(set->at(i) * 100);
        return bars;
    }
};

TEST_F(ReaderManagerReportsTest, TheChartStacksEachPeriodsCashByLocationOrMachine)
{
    const QString route = demoDatabase();
    readermanager::CollectionsReportDialog dialog(route, true, {});
    dialog.setRequest({QDate(2025, 12, 7), QDate(2026, 12, 6), ReportGrouping::Month, 30});
    ASSERT_TRUE(dialog.refresh());
    ASSERT_FALSE(dialog.showsEmptyState());
    const datacollection::CollectionsReport& report = *dialog.report();
    QChart* chart = dialog.chartView()->chart();
    auto* series = qobject_cast<QStackedBarSeries*>(chart->series().value(0));
    ASSERT_TRUE(series);
    EXPECT_EQ(series->count(), 3); // STORE1 to STORE3
    const std::vector<qint64> bars = barCents(chart);
    ASSERT_EQ(bars.size(), report.lines.size()); // 13 months
    for (size_t i = 0; i < bars.size(); ++i)
        EXPECT_EQ(bars[i], report.lines[i].cash.units() / 100) << i;

    // Stacked by machine: the ten that took most and "Other" of the eleven.
    dialog.findChild<QComboBox*>("stackBox")->setCurrentIndex(1);
    series = qobject_cast<QStackedBarSeries*>(dialog.chartView()->chart()->series().value(0));
    ASSERT_EQ(series->count(), datacollection::kMaxChartStacks);
    EXPECT_EQ(series->barSets().back()->label(), "Other");
    EXPECT_EQ(barCents(dialog.chartView()->chart()), bars);

    // Export CSV and Save PDF write the files the operator names.
    const QString csv = path("collections.csv");
    const QString pdf = path("collections.pdf");
    readermanager::CollectionsReportDialog saving(
        route, true, [&](const QString& title, const QString&, const QString&) {
            return title == "Export CSV" ? csv : pdf;
        });
    ASSERT_TRUE(saving.refresh());
    saving.findChild<QPushButton*>("exportCsvButton")->click();
    saving.findChild<QPushButton*>("savePdfButton")->click();
    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csvFile.readLine().startsWith("Month,Machines,Collections,Interval cash"));
    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray pdfBytes = pdfFile.readAll();
    EXPECT_TRUE(pdfBytes.startsWith("%PDF-"));
    EXPECT_TRUE(pdfBytes.contains("/Subtype /Image")); // the chart
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();

    // The anomalies of the route's year are listed and their lines marked.
    auto* anomalies = dialog.findChild<QTableWidget*>("anomaliesTable");
    EXPECT_EQ(anomalies->rowCount(), int(report.anomalies.size()));
    EXPECT_GT(anomalies->rowCount(), 4);
}

TEST_F(ReaderManagerReportsTest, ANewDatabaseShowsTheEmptyStateAndTheDemoGoesIntoItsOwnFile)
{
    const auto window = makeWindow();
    auto* offer = window->findChild<QPushButton*>("demoOfferButton");
    ASSERT_TRUE(offer); // a first run

    bool emptyShown = false;
    promptui::setDialogRunner([&](QDialog& dialog) {
        auto& report = static_cast<readermanager::CollectionsReportDialog&>(dialog);
        emptyShown = report.showsEmptyState() &&
                     !dialog.findChild<QPushButton*>("exportCsvButton")->isEnabled();
        return int(QDialog::Rejected);
    });
    window->action("collectionsReportAction")->trigger();
    EXPECT_TRUE(emptyShown);

    int demoLines = 0;
    QString title;
    promptui::setDialogRunner([&](QDialog& dialog) {
        auto& report = static_cast<readermanager::CollectionsReportDialog&>(dialog);
        demoLines = int(report.report()->collections);
        title = dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    offer->click();
    promptui::setDialogRunner({});
    EXPECT_TRUE(script().messages().empty()) << script().messageTexts().join(" | ").toStdString();
    EXPECT_GT(demoLines, 500);
    EXPECT_EQ(title, "Collections - Demo Data");
    EXPECT_TRUE(QFile::exists(QDir(dataFolder()).filePath("demo-collections.mdb")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window->findChild<QPushButton*>("demoOfferButton")); // offered once

    // The system database still holds no collection.
    CdbDBEngine engine;
    CdbDatabase db = engine.OpenDatabase(window->databasePath(), true);
    EXPECT_EQ(db.OpenRecordset("MACHINE DATA").GetRecordCount(), 0);
    db.Close();
    // And the demo refuses a database holding collections.
    QString error;
    EXPECT_FALSE(demo::storeDemoRoute(QDir(dataFolder()).filePath("demo-collections.mdb"), 1,
                                      QDate(2026, 12, 6), &error));
    EXPECT_TRUE(error.endsWith("the demo year goes into a database of its own"));
}

} // namespace
