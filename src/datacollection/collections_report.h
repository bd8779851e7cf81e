// The collections report: what the stored collections (MACHINE DATA and
// ADVANTECK AUDIT) took in over a period, by machine, location, day, week or
// month, with the elapsed cash compared from one collection of a machine to
// the next, the machines that reported nothing, and what an operator must
// look at (anomalies). Money stays Currency throughout. Both hosts show it,
// so its entry points are exported (LAUNDRY_EXPORT).
#pragma once

#include "laundry/laundry_export.h"

#include "services/collection_totals.h"
#include "services/dao.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace datacollection {

enum class ReportGrouping { Machine, Location, Day, Week, Month };

// "machine", "location", "day", "week", "month".
LAUNDRY_EXPORT QString groupingName(ReportGrouping grouping);
LAUNDRY_EXPORT std::optional<ReportGrouping> groupingFromName(QStringView name);

inline constexpr int kDefaultLateAfterDays = 30;

struct CollectionsRequest {
    QDate from; // invalid: a year up to `to`
    QDate to;   // invalid: today
    ReportGrouping by = ReportGrouping::Month;
    int lateAfterDays = kDefaultLateAfterDays;
};

// The period of a request with its defaults filled in, or the reason it is
// refused ("from after to").
struct ReportPeriod {
    QDate from;
    QDate to;
    QDate asOf; // the end, or today when that comes first: "not collected since" counts to it
};
LAUNDRY_EXPORT std::optional<ReportPeriod> resolvePeriod(const CollectionsRequest& request,
                                                         const QDate& today, QString* error);

// One line of the report: a machine, a location or a period.
struct ReportLine {
    QString machine;  // by machine
    QString location; // by machine and by location
    QDate period;     // by day, week or month: its first day
    int machines = 0; // machines collected (by location and period)
    qint64 collections = 0;
    Currency cash;
    qint64 cycles = 0;
    std::optional<Currency> lastElapsed; // by machine, at its last collection
    std::optional<Currency> elapsedChange;
    QString lastCollected; // by machine: stored date text, "" when never
    qint64 trouble = 0;
    qint64 unauthorised = 0;
    int anomalies = 0;
    bool nothingCollected() const { return collections == 0; }
};

enum class AnomalyKind {
    ElapsedBackwards,
    NotCollected,
    DuplicateDate,
    TroubleCycles,
    UnauthorisedOpenings
};

struct Anomaly {
    AnomalyKind kind;
    QString machine;
    QString location;
    QString date;   // stored date text, or a period's first day "YYYY-MM-DD"
    QString detail; // for the operator
};
// "Elapsed cash went backwards", "Not collected", ...
LAUNDRY_EXPORT QString anomalyTitle(AnomalyKind kind);

// One machine in one period (the whole period when grouped by machine or
// location): the chart's stacks.
struct ReportCell {
    QString machine;
    QString location;
    QDate period;
    Currency cash;
};

struct CollectionsReport {
    CollectionsRequest request;
    ReportPeriod period;
    std::vector<ReportLine> lines;
    std::vector<ReportCell> cells;
    std::vector<Anomaly> anomalies;
    int machinesKnown = 0;     // in the database, at any date
    int machinesCollected = 0; // with a collection in the period
    qint64 collections = 0;
    Currency cash;
    qint64 cycles = 0;
    // Nothing stored at all: the report's empty state.
    bool databaseEmpty() const { return machinesKnown == 0; }
};

// The report over the open database; raises CdbException.
LAUNDRY_EXPORT CollectionsReport buildCollectionsReport(CdbDatabase& database,
                                                        const CollectionsRequest& request,
                                                        const ReportPeriod& period);

// The same for the database file at path: nullopt with *error set to what
// the operator is told (the file and its cause, or the engine's error).
LAUNDRY_EXPORT std::optional<CollectionsReport> collectionsReport(const QString& path,
                                                                  const CollectionsRequest& request,
                                                                  const QDate& today,
                                                                  QString* error);

} // namespace datacollection
