// The collections report on the server gives what it gives on the file: the
// demo route's year (elapsed cash going backwards, an outage, trouble
// cycles, a double collection), plus rows differing only in letter case and
// a week across the year's end, copied from a file to a server database and
// reported by every grouping on both.
#include "datacollection/collections_export.h"
#include "datacollection/collections_report.h"
#include "laundry/dc_store.h"
#include "laundry/laundry.h"
#include "machines/route_year.h"
#include "platform/db/db_test_support.h"
#include "platform/ui/checked_scripted_ui.h"
#include "services/system_database.h"

#include <QJsonDocument>

namespace {

using datacollection::ReportGrouping;

QByteArray reportJson(CdbDatabase& db, ReportGrouping by, const QDate& from, const QDate& to)
{
    const datacollection::CollectionsRequest request{from, to, by, 30};
    const auto report = datacollection::buildCollectionsReport(db, request, {from, to, to});
    return QJsonDocument(datacollection::collectionsJson(report)).toJson();
}

TEST(CollectionsOnBothEngines, EveryGroupingGivesTheSameReport)
{
    dbtest::TempDatabase server(dbtest::Engine::Postgres);
    DBTEST_REQUIRE(server);
    dbtest::TempDatabase file;
    set_laundry_ui_mode(LAUNDRY_UI_SCRIPTED);
    uitest::CheckedScriptedUi noQuestions;
    systemdb::setDatabasePath(file.path()); // the card holder lookup's
    const QDate lastDay(2026, 12, 6);
    {
        CdbDatabase db = file.open();
        for (const GenericDCRec& record : machines::routeYearRecords(7, lastDay))
            ASSERT_EQ(copy_laundry_dc_struct_to_database(&db, &record), 1);
        CdbRecordset rows = db.OpenRecordset(QStringLiteral("MACHINE DATA"));
        for (const char* when : {"2025-12-29 08:00:00", "2026-01-04 20:00:00"}) {
            rows.AddNew();
            rows.SetField("MACHINEID", "wash01"); // the same machine as WASH01
            rows.SetField("LOCATIONID", "store1");
            rows.SetField("COLLECTION DATE", QDateTime::fromString(when, Qt::ISODate));
            rows.SetField("INT CASH", Currency::fromCents(125).toVariant());
            rows.SetField("ELP CASH", Currency::fromCents(1).toVariant());
            rows.Update();
        }
        db.Close();
    }
    systemdb::setDatabasePath({});
    QString error;
    ASSERT_TRUE(dbhelper::copyDatabase(file.path(), server.path(), true, &error))
        << error.toStdString();

    CdbDatabase onFile = file.open();
    CdbDatabase onServer = server.open();
    for (ReportGrouping by : {ReportGrouping::Machine, ReportGrouping::Location,
                              ReportGrouping::Day, ReportGrouping::Week, ReportGrouping::Month}) {
        for (const auto& [from, to] : {std::pair{lastDay.addDays(-364), lastDay},
                                       std::pair{QDate(2026, 1, 1), QDate(2026, 3, 31)}}) {
            // Ids differing only in letter case are one machine; which
            // spelling names it is the one the engine meets first.
            const QByteArray expected = reportJson(onFile, by, from, to).toLower();
            EXPECT_GT(expected.count("\"cash\""), 3);
            EXPECT_EQ(reportJson(onServer, by, from, to).toLower().toStdString(),
                      expected.toStdString())
                << datacollection::groupingName(by).toStdString();
        }
    }
}

} // namespace
