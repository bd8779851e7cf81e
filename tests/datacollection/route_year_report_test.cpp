// The demo route's year stored as collected cards are (families 3, 4, 8 and
// 13), then reported: every event the route is made with shows as its
// anomaly, and the same seed makes the same records.
#include "datacollection/collections_report.h"
#include "dc_store_fixture.h"
#include "machines/route_year.h"

#include <cstring>

namespace {

using datacollection::AnomalyKind;

bool sameRecords(const std::vector<GenericDCRec>& a, const std::vector<GenericDCRec>& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return std::memcmp(&x, &y, sizeof x) == 0;
           });
}

TEST_F(DcStoreTest, TheDemoRoutesYearShowsEachOfItsEventsAsAnAnomaly)
{
    const QDate lastDay(2026, 12, 6);
    const std::vector<GenericDCRec> records = machines::routeYearRecords(7, lastDay);
    EXPECT_TRUE(sameRecords(records, machines::routeYearRecords(7, lastDay)));
    EXPECT_FALSE(sameRecords(records, machines::routeYearRecords(8, lastDay)));
    for (const GenericDCRec& record : records)
        ASSERT_EQ(store(record), 1);

    const datacollection::CollectionsRequest request{lastDay.addDays(-364), lastDay,
                                                     datacollection::ReportGrouping::Machine, 30};
    const auto report =
        datacollection::buildCollectionsReport(db, request, {request.from, request.to, request.to});
    EXPECT_EQ(report.machinesKnown, 11);
    EXPECT_EQ(report.machinesCollected, 11);
    EXPECT_EQ(report.collections, qint64(records.size()));
    const auto has = [&](AnomalyKind kind, const char* machine) {
        return std::any_of(report.anomalies.begin(), report.anomalies.end(), [&](const auto& a) {
            return a.kind == kind && a.machine == QLatin1String(machine);
        });
    };
    EXPECT_TRUE(has(AnomalyKind::ElapsedBackwards, "DRY01")); // the swapped reader
    EXPECT_TRUE(has(AnomalyKind::NotCollected, "WASH12"));    // out of service
    EXPECT_TRUE(has(AnomalyKind::TroubleCycles, "WASH02"));
    EXPECT_TRUE(has(AnomalyKind::UnauthorisedOpenings, "DRY11")); // the coin vault
    EXPECT_TRUE(has(AnomalyKind::DuplicateDate, "WASH01"));       // collected twice
    // Every other machine's elapsed cash grew, by less than the year's cash:
    // the first collection of the year has none before it.
    for (const datacollection::ReportLine& line : report.lines) {
        if (line.machine == "DRY01")
            continue;
        ASSERT_TRUE(line.elapsedChange) << line.machine.toStdString();
        EXPECT_GT(*line.elapsedChange, Currency()) << line.machine.toStdString();
        EXPECT_LT(*line.elapsedChange, line.cash) << line.machine.toStdString();
    }
}

} // namespace
