// The collections report on a small hand-made set of stored rows: exact
// cents, rows on the edges of the period and its months and weeks, elapsed
// cash going backwards, a machine with nothing in the period, the empty
// database, and the CSV and JSON shapes.
#include "datacollection/collections_export.h"
#include "datacollection/collections_report.h"
#include "dc_store_fixture.h"

#include "db/connection.h"
#include "db/sqlite/sqlite_backend.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <ctime>

namespace {

using datacollection::AnomalyKind;
using datacollection::CollectionsReport;
using datacollection::CollectionsRequest;
using datacollection::ReportGrouping;

Currency cents(qint64 n)
{
    return Currency::fromCents(n);
}

class CollectionsReportTest : public DcStore {
protected:
    void machineRow(const char* machine, const char* location, const QString& when,
                    qint64 cashCents, qint64 elapsedCents, int trouble = 0, int vault = 0)
    {
        addRow("MACHINE DATA", {{"MACHINEID", machine},
                                {"LOCATIONID", location},
                                {"COLLECTION DATE", QDateTime::fromString(when, Qt::ISODate)},
                                {"INT CASH", cents(cashCents).toVariant()},
                                {"INT CYCLES", int(cashCents / 25)},
                                {"ELP CASH", cents(elapsedCents).toVariant()},
                                {"INT WASHER TROUBLE CYCLE", trouble},
                                {"INT UNAUTH COIN VAULT OPNS", vault}});
    }

    // Q1 2026. M1 (L1) is collected before the period, on both sides of the
    // January/February edge, then with its elapsed cash below the one before
    // and a second time in the same second; M2 (L1) last in June 2025; M3
    // (L2) on the period's last second and just after it; A1 (L2) an
    // Advanteck audit.
    void fill()
    {
        machineRow("M1", "L1", "2025-12-31T18:00:00", 500, 9000);
        machineRow("M1", "L1", "2026-01-31T23:59:59", 1000, 10000);
        machineRow("M1", "L1", "2026-02-01T00:00:00", 250, 10250);
        machineRow("M1", "L1", "2026-02-15T10:00:00", 1, 5000);
        machineRow("M1", "L1", "2026-02-15T10:00:00", 0, 5000);
        machineRow("M2", "L1", "2025-06-01T09:00:00", 300, 700);
        machineRow("M3", "L2", "2026-03-31T23:59:59", 777, 777, 2, 1);
        machineRow("M3", "L2", "2026-04-01T00:00:00", 99999, 100776);
        addRow("ADVANTECK AUDIT", {{"MACHINEID", "A1"},
                                   {"LOCATIONID", "L2"},
                                   {"COLLECTION DATE", QDateTime(QDate(2026, 2, 10), QTime(9, 0))},
                                   {"INT CASH", cents(333).toVariant()},
                                   {"INT CYCLES", 9},
                                   {"ELP CASH", cents(333).toVariant()}});
    }

    CollectionsReport run(ReportGrouping by, int lateAfterDays = 31)
    {
        const CollectionsRequest request{QDate(2026, 1, 1), QDate(2026, 3, 31), by, lateAfterDays};
        QString error;
        const auto period = datacollection::resolvePeriod(request, QDate(2026, 12, 6), &error);
        EXPECT_TRUE(period) << error.toStdString();
        return datacollection::buildCollectionsReport(db, request, *period);
    }

    static int count(const CollectionsReport& r, AnomalyKind kind, const char* machine)
    {
        return int(std::count_if(r.anomalies.begin(), r.anomalies.end(), [&](const auto& a) {
            return a.kind == kind && a.machine == QLatin1String(machine);
        }));
    }
};

TEST_P(CollectionsReportTest, MonthsSumExactCentsOnTheEdgesWithElapsedChangesFromTheRowBefore)
{
    fill();
    const CollectionsReport r = run(ReportGrouping::Month);
    ASSERT_EQ(r.lines.size(), 3u);
    struct Expected {
        QDate month;
        int machines;
        qint64 collections;
        Currency cash;
        std::optional<Currency> change;
    };
    const Expected expected[] = {
        // 100.00 - 90.00 since the December collection before the period
        {QDate(2026, 1, 1), 1, 1, cents(1000), cents(1000)},
        // M1 2.50 + 0.01 + 0.00 and A1 3.33; M1's elapsed 102.50 -> 50.00 -> 50.00
        {QDate(2026, 2, 1), 2, 4, cents(584), cents(250 - 5250)},
        {QDate(2026, 3, 1), 1, 1, cents(777), std::nullopt}, // M3 has no row before
    };
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(r.lines[i].period, expected[i].month);
        EXPECT_EQ(r.lines[i].machines, expected[i].machines);
        EXPECT_EQ(r.lines[i].collections, expected[i].collections);
        EXPECT_EQ(r.lines[i].cash, expected[i].cash);
        EXPECT_EQ(r.lines[i].elapsedChange, expected[i].change);
    }
    EXPECT_EQ(r.cash, cents(2361));
    EXPECT_EQ(r.collections, 6);
    EXPECT_EQ(r.machinesKnown, 4);
    EXPECT_EQ(r.machinesCollected, 3);

    EXPECT_EQ(count(r, AnomalyKind::ElapsedBackwards, "M1"), 1);
    EXPECT_EQ(count(r, AnomalyKind::DuplicateDate, "M1"), 1);
    EXPECT_EQ(count(r, AnomalyKind::TroubleCycles, "M3"), 1);
    EXPECT_EQ(count(r, AnomalyKind::UnauthorisedOpenings, "M3"), 1);
    // Not collected by 3/31: M1 since 2/15, A1 since 2/10, M2 since 6/1/2025;
    // M1's 31 days from 12/31 to 1/31 are not more than 31.
    EXPECT_EQ(count(r, AnomalyKind::NotCollected, "M1"), 1);
    EXPECT_EQ(count(r, AnomalyKind::NotCollected, "A1"), 1);
    EXPECT_EQ(count(r, AnomalyKind::NotCollected, "M2"), 1);
    EXPECT_EQ(count(r, AnomalyKind::NotCollected, "M3"), 0);
    EXPECT_EQ(r.anomalies.size(), 7u);
    EXPECT_EQ(count(run(ReportGrouping::Month, 30), AnomalyKind::NotCollected, "M1"), 2);
    // Each in the month of its date; M2's lies before the period.
    EXPECT_EQ((std::vector<int>{r.lines[0].anomalies, r.lines[1].anomalies, r.lines[2].anomalies}),
              (std::vector<int>{0, 4, 2}));
}

TEST_P(CollectionsReportTest, MachinesLocationsAndWeeksGroupTheSameRows)
{
    fill();
    const CollectionsReport machines = run(ReportGrouping::Machine);
    ASSERT_EQ(machines.lines.size(), 4u); // L1 M1, L1 M2, L2 A1, L2 M3
    const auto& m1 = machines.lines[0];
    EXPECT_EQ(m1.machine, "M1");
    EXPECT_EQ(m1.cash, cents(1251));
    EXPECT_EQ(m1.lastElapsed, cents(5000));
    EXPECT_EQ(m1.elapsedChange, cents(5000 - 9000));
    const auto& m2 = machines.lines[1];
    EXPECT_EQ(m2.machine, "M2");
    EXPECT_TRUE(m2.nothingCollected());
    EXPECT_EQ(m2.lastCollected, "2025-06-01 09:00:00");
    EXPECT_EQ(m2.anomalies, 1);
    EXPECT_EQ(m1.anomalies, 3);
    EXPECT_EQ(machines.lines[2].machine, "A1");
    EXPECT_EQ(machines.lines[3].lastCollected, "2026-03-31 23:59:59");

    const CollectionsReport locations = run(ReportGrouping::Location);
    ASSERT_EQ(locations.lines.size(), 2u);
    EXPECT_EQ(locations.lines[0].machines, 1);
    EXPECT_EQ(locations.lines[0].cash, cents(1251));
    EXPECT_EQ(locations.lines[1].machines, 2);
    EXPECT_EQ(locations.lines[1].cash, cents(1110));

    // Saturday 1/31 and Sunday 2/1 are the week of Monday 1/26.
    const CollectionsReport weeks = run(ReportGrouping::Week);
    ASSERT_EQ(weeks.lines.front().period, QDate(2025, 12, 29));
    const auto week = std::find_if(weeks.lines.begin(), weeks.lines.end(),
                                   [](const auto& l) { return l.period == QDate(2026, 1, 26); });
    ASSERT_NE(week, weeks.lines.end());
    EXPECT_EQ(week->collections, 2);
    EXPECT_EQ(week->cash, cents(1250));
    EXPECT_EQ(weeks.cash, cents(2361));
    EXPECT_EQ(run(ReportGrouping::Day).lines.size(), 90u);
}

// Rows stored on the nights clocks change in New York keep their day,
// whatever zone the program runs in: periods are cut from the stored text.
TEST_P(CollectionsReportTest, DaylightSavingNightsKeepTheirRowsOnTheirDays)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "America/New_York");
    tzset();
    dbtest::RawDb raw(path_);
    for (const char* when : {"2026-03-08 02:30:00", "2026-11-01 01:30:00", "2026-11-01 23:59:59"})
        raw.exec(QStringLiteral("INSERT INTO [MACHINE DATA] ([MACHINEID], [LOCATIONID], "
                                "[COLLECTION DATE], [INT CASH]) VALUES ('M9', 'L9', '%1', 10000)")
                     .arg(QLatin1String(when)));
    const CollectionsRequest request{QDate(2026, 3, 8), QDate(2026, 11, 1), ReportGrouping::Day,
                                     400};
    const CollectionsReport days =
        datacollection::buildCollectionsReport(db, request, {request.from, request.to, request.to});
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
    ASSERT_EQ(days.lines.size(), 239u);
    EXPECT_EQ(days.lines.front().collections, 1);
    EXPECT_EQ(days.lines.back().collections, 2);
    EXPECT_EQ(days.lines.back().cash, cents(200));
}

TEST_P(CollectionsReportTest, CsvAndJsonShapes)
{
    fill();
    const CollectionsReport r = run(ReportGrouping::Machine);
    const QList<QByteArray> csv = datacollection::collectionsCsv(r).split('\n');
    ASSERT_EQ(csv.size(), 6); // header, four machines, the empty piece after the last CRLF
    EXPECT_EQ(csv[0], "Location,Machine,Collections,Interval cash,Interval cycles,Elapsed cash,"
                      "Elapsed change,Last collected,Trouble cycles,Unauthorized openings,"
                      "Anomalies,Note\r");
    EXPECT_EQ(csv[1], "L1,M1,4,12.51,50,50.00,-40.00,2026-02-15 10:00:00,0,0,3,\r");
    EXPECT_EQ(csv[2],
              "L1,M2,0,0.00,0,,,2025-06-01 09:00:00,0,0,1,Nothing collected in the period\r");

    const QJsonObject json = datacollection::collectionsJson(r);
    EXPECT_EQ(json["from"], "2026-01-01");
    EXPECT_EQ(json["by"], "machine");
    EXPECT_EQ(json["totals"]["cash"], "23.61");
    const QJsonObject first = json["lines"][0].toObject();
    EXPECT_EQ(first["cash"], "12.51");
    EXPECT_EQ(first["elapsed_change"], "-40.00");
    EXPECT_TRUE(json["lines"][1]["elapsed_change"].isNull());
    EXPECT_EQ(json["lines"][1]["nothing_collected"], true);
    EXPECT_EQ(json["anomalies"].toArray().size(), 7);
    EXPECT_EQ(json["anomalies"][0]["kind"], "elapsed_backwards");
    EXPECT_EQ(json["anomalies"][0]["date"], "2026-02-15 10:00:00");
    // Each key once, in the documented order.
    const QStringList order = datacollection::collectionsJsonKeyOrder();
    EXPECT_EQ(order.size(), QSet<QString>(order.begin(), order.end()).size());
    EXPECT_LT(order.indexOf("lines"), order.indexOf("anomalies"));
}

TEST_P(CollectionsReportTest, AnEmptyDatabaseGivesEmptyPeriodsAndAHeaderOnlyForMachines)
{
    const CollectionsReport months = run(ReportGrouping::Month);
    EXPECT_TRUE(months.databaseEmpty());
    EXPECT_EQ(months.lines.size(), 3u);
    EXPECT_EQ(months.cash, Currency());
    EXPECT_TRUE(months.anomalies.empty());
    const CollectionsReport machines = run(ReportGrouping::Machine);
    EXPECT_TRUE(machines.lines.empty());
    EXPECT_EQ(datacollection::collectionsCsv(machines).count("\r\n"), 1);
}

TEST_P(CollectionsReportTest, RequestsAreCheckedAndTheSumsUseTheDateIndex)
{
    QString error;
    EXPECT_FALSE(datacollection::resolvePeriod(
        {QDate(2026, 3, 1), QDate(2026, 2, 1), ReportGrouping::Month, 30}, QDate(2026, 12, 6),
        &error));
    EXPECT_EQ(error, "the period starts (2026-03-01) after it ends (2026-02-01)");
    const auto defaults = datacollection::resolvePeriod({}, QDate(2026, 12, 6), &error);
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->from, QDate(2025, 12, 7));
    EXPECT_EQ(defaults->to, QDate(2026, 12, 6));
    EXPECT_EQ(datacollection::groupingFromName(u"WEEK"), ReportGrouping::Week);
    EXPECT_FALSE(datacollection::groupingFromName(u"year"));

    EXPECT_FALSE(
        datacollection::collectionsReport(file_.missing(), {}, QDate(2026, 12, 6), &error));
    EXPECT_TRUE(error.startsWith("Cannot open ")) << error.toStdString();

    if (GetParam() != dbtest::Engine::Sqlite)
        return; // the plan is SQLite's (the server's speed: docs/performance.md)
    auto& backend = static_cast<dao::SqliteBackend&>(dao::connectionOf(db).backend());
    const dbhelper::CollectionTotalsQuery query{
        {"MACHINE DATA", "INT CASH", "INT CYCLES", "ELP CASH", {}, {}},
        QDate(2026, 1, 1),
        QDate(2026, 12, 31),
        dbhelper::CollectionPeriod::Month,
        30};
    EXPECT_TRUE(backend.collectionTotalsPlan(query).join('\n').contains(
        "USING INDEX MACHINE DATA BY COLLECTION DATE"))
        << backend.collectionTotalsPlan(query).join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothEngines, CollectionsReportTest, dbtest::kBothEngines,
                         dbtest::engineName);

} // namespace
