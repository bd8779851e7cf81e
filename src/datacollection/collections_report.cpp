#include "collections_report.h"

#include "collections_text.h"
#include "services/open_table.h"

#include <QHash>
#include <QScopeGuard>

#include <algorithm>
#include <map>

namespace datacollection {
namespace {

using dbhelper::CollectionColumns;
using dbhelper::CollectionTotals;

// Where each collections table keeps the report's figures. Family-13 rows
// carry INT CASH, INT CYCLES and ELP CASH among their generic columns too.
const std::vector<CollectionColumns>& collectionTables()
{
    static const std::vector<CollectionColumns> kTables = {
        {QStringLiteral("MACHINE DATA"),
         QStringLiteral("INT CASH"),
         QStringLiteral("INT CYCLES"),
         QStringLiteral("ELP CASH"),
         {QStringLiteral("INT TROUBLE CYCLES"), QStringLiteral("INT DRYER TROUBLE CYCLE"),
          QStringLiteral("INT WASHER TROUBLE CYCLE")},
         {QStringLiteral("INT UNAUTH SRV OPENINGS"), QStringLiteral("INT UNAUTH COIN VAULT OPNS")}},
        {QStringLiteral("ADVANTECK AUDIT"),
         QStringLiteral("INT CASH"),
         QStringLiteral("INT CYCLES"),
         QStringLiteral("ELP CASH"),
         {},
         {}},
    };
    return kTables;
}

dbhelper::CollectionPeriod sqlPeriod(ReportGrouping by)
{
    switch (by) {
    case ReportGrouping::Day:
        return dbhelper::CollectionPeriod::Day;
    case ReportGrouping::Week:
        return dbhelper::CollectionPeriod::Week;
    case ReportGrouping::Month:
        return dbhelper::CollectionPeriod::Month;
    case ReportGrouping::Machine:
    case ReportGrouping::Location:
        break;
    }
    return dbhelper::CollectionPeriod::Whole;
}

bool byPeriod(ReportGrouping by)
{
    return sqlPeriod(by) != dbhelper::CollectionPeriod::Whole;
}

QString machineKey(const QString& machine, const QString& location)
{
    return location.toUpper() + u'\n' + machine.toUpper();
}

struct Machine {
    QString machine;
    QString location;
    std::size_t table = 0; // in collectionTables()
    QString lastCollected;
};

std::optional<Currency> plus(std::optional<Currency> a, std::optional<Currency> b)
{
    if (!a)
        return b;
    return b ? std::optional(*a + *b) : a;
}

// The anomalies of one machine in one period.
void addAnomalies(const CollectionTotals& t, int lateAfterDays, std::vector<Anomaly>& out)
{
    const auto add = [&](AnomalyKind kind, const QString& date, const QString& detail) {
        out.push_back({kind, t.machine, t.location, date, detail});
    };
    const QString periodDay = t.period.isValid() ? isoDay(t.period) : t.lastCollected.left(10);
    if (t.backwards > 0)
        add(AnomalyKind::ElapsedBackwards, t.firstBackwards,
            t.backwards == 1
                ? QStringLiteral("Elapsed cash below the collection before on %1 (counter reset "
                                 "or reader swapped)")
                      .arg(usDateTime(t.firstBackwards))
                : QStringLiteral("Elapsed cash below the collection before at %1 collections, "
                                 "first on %2 (counter reset or reader swapped)")
                      .arg(t.backwards)
                      .arg(usDateTime(t.firstBackwards)));
    if (t.duplicates > 0)
        add(AnomalyKind::DuplicateDate, t.firstDuplicate,
            QStringLiteral("%1 collection(s) dated as the one before, first %2")
                .arg(t.duplicates)
                .arg(usDateTime(t.firstDuplicate)));
    if (t.late > 0)
        add(AnomalyKind::NotCollected, t.firstLate,
            QStringLiteral("Collected %1 days after the collection before (more than %2), on %3")
                .arg(t.longestGapDays)
                .arg(lateAfterDays)
                .arg(usDateTime(t.firstLate)));
    if (t.trouble > 0)
        add(AnomalyKind::TroubleCycles, periodDay,
            QStringLiteral("%1 trouble cycle(s)").arg(t.trouble));
    if (t.unauthorised > 0)
        add(AnomalyKind::UnauthorisedOpenings, periodDay,
            QStringLiteral("%1 unauthorized opening(s) of the service door or coin vault")
                .arg(t.unauthorised));
}

// The lines by machine or by location.
std::vector<ReportLine> placeLines(const std::map<QString, Machine>& machines,
                                   const QHash<QString, std::vector<CollectionTotals>>& cells,
                                   bool byLocation)
{
    std::map<QString, ReportLine> lines;
    for (const auto& [key, m] : machines) {
        const QString lineKey = byLocation ? m.location.toUpper() : key;
        ReportLine& line = lines[lineKey];
        line.location = m.location;
        if (!byLocation) {
            line.machine = m.machine;
            line.lastCollected = m.lastCollected;
        }
        const auto found = cells.constFind(key);
        if (found == cells.constEnd())
            continue;
        ++line.machines;
        for (const CollectionTotals& t : *found) {
            line.collections += t.collections;
            line.cash = line.cash + t.cash;
            line.cycles += t.cycles;
            line.elapsedChange = plus(line.elapsedChange, t.elapsedChange);
            line.trouble += t.trouble;
            line.unauthorised += t.unauthorised;
            if (!byLocation)
                line.lastElapsed = t.lastElapsed;
        }
    }
    std::vector<ReportLine> out;
    for (auto& [key, line] : lines)
        out.push_back(std::move(line));
    return out;
}

std::vector<ReportLine> periodLines(ReportGrouping by, const ReportPeriod& period,
                                    const QHash<QString, std::vector<CollectionTotals>>& cells)
{
    std::map<QDate, ReportLine> lines;
    for (QDate day = periodStart(by, period.from); day <= period.to; day = nextPeriod(by, day))
        lines[day].period = day;
    for (const std::vector<CollectionTotals>& machineCells : cells)
        for (const CollectionTotals& t : machineCells) {
            ReportLine& line = lines[t.period];
            line.period = t.period;
            ++line.machines;
            line.collections += t.collections;
            line.cash = line.cash + t.cash;
            line.cycles += t.cycles;
            line.elapsedChange = plus(line.elapsedChange, t.elapsedChange);
            line.trouble += t.trouble;
            line.unauthorised += t.unauthorised;
        }
    std::vector<ReportLine> out;
    for (auto& [day, line] : lines)
        out.push_back(std::move(line));
    return out;
}

// The key of the line an anomaly belongs to, the same for the line itself:
// the machine, the location, or the period's first day as a day number.
QString lineKey(ReportGrouping by, const QString& machine, const QString& location,
                const QDate& day)
{
    switch (by) {
    case ReportGrouping::Machine:
        return machineKey(machine, location);
    case ReportGrouping::Location:
        return location.toUpper();
    case ReportGrouping::Day:
    case ReportGrouping::Week:
    case ReportGrouping::Month:
        break;
    }
    return QString::number(periodStart(by, day).toJulianDay());
}

// Counts each anomaly on its line, in one pass over each.
void countAnomalies(ReportGrouping by, std::vector<ReportLine>& lines,
                    const std::vector<Anomaly>& anomalies)
{
    QHash<QString, ReportLine*> byKey;
    for (ReportLine& line : lines)
        byKey.insert(lineKey(by, line.machine, line.location, line.period), &line);
    for (const Anomaly& a : anomalies)
        if (ReportLine* line = byKey.value(lineKey(by, a.machine, a.location, storedDay(a.date))))
            ++line->anomalies;
}

bool byPlace(const Anomaly& a, const Anomaly& b)
{
    if (const int c = a.location.compare(b.location, Qt::CaseInsensitive))
        return c < 0;
    return a.machine.compare(b.machine, Qt::CaseInsensitive) < 0;
}

} // namespace

QString groupingName(ReportGrouping grouping)
{
    switch (grouping) {
    case ReportGrouping::Machine:
        return QStringLiteral("machine");
    case ReportGrouping::Location:
        return QStringLiteral("location");
    case ReportGrouping::Day:
        return QStringLiteral("day");
    case ReportGrouping::Week:
        return QStringLiteral("week");
    case ReportGrouping::Month:
        break;
    }
    return QStringLiteral("month");
}

std::optional<ReportGrouping> groupingFromName(QStringView name)
{
    for (ReportGrouping g : {ReportGrouping::Machine, ReportGrouping::Location, ReportGrouping::Day,
                             ReportGrouping::Week, ReportGrouping::Month})
        if (name.compare(groupingName(g), Qt::CaseInsensitive) == 0)
            return g;
    return std::nullopt;
}

QString anomalyTitle(AnomalyKind kind)
{
    switch (kind) {
    case AnomalyKind::ElapsedBackwards:
        return QStringLiteral("Elapsed cash went backwards");
    case AnomalyKind::NotCollected:
        return QStringLiteral("Not collected");
    case AnomalyKind::DuplicateDate:
        return QStringLiteral("Duplicate collection date");
    case AnomalyKind::TroubleCycles:
        return QStringLiteral("Trouble cycles");
    case AnomalyKind::UnauthorisedOpenings:
        break;
    }
    return QStringLiteral("Unauthorized openings");
}

std::optional<ReportPeriod> resolvePeriod(const CollectionsRequest& request, const QDate& today,
                                          QString* error)
{
    ReportPeriod period{request.from, request.to.isValid() ? request.to : today, {}};
    if (!period.from.isValid())
        period.from = period.to.addYears(-1).addDays(1);
    if (period.from > period.to) {
        *error = QStringLiteral("the period starts (%1) after it ends (%2)")
                     .arg(isoDay(period.from), isoDay(period.to));
        return std::nullopt;
    }
    if (request.lateAfterDays < 1) {
        *error = QStringLiteral("the days after which a machine counts as not collected must be "
                                "at least 1");
        return std::nullopt;
    }
    period.asOf = std::min(period.to, today);
    return period;
}

CollectionsReport buildCollectionsReport(CdbDatabase& database, const CollectionsRequest& request,
                                         const ReportPeriod& period)
{
    CollectionsReport report;
    report.request = request;
    report.period = period;
    const ReportGrouping by = request.by;

    std::map<QString, Machine> machines;
    QHash<QString, std::vector<CollectionTotals>> cells; // by machine key
    const std::vector<CollectionColumns>& tables = collectionTables();
    for (std::size_t i = 0; i < tables.size(); ++i) {
        for (const auto& m : dbhelper::ReadCollectedMachines(database, tables[i]))
            machines.try_emplace(machineKey(m.machine, m.location),
                                 Machine{m.machine, m.location, i, {}});
        dbhelper::CollectionTotalsQuery query{tables[i], period.from, period.to, sqlPeriod(by),
                                              request.lateAfterDays};
        for (CollectionTotals& t : dbhelper::ReadCollectionTotals(database, query)) {
            addAnomalies(t, request.lateAfterDays, report.anomalies);
            const QString key = machineKey(t.machine, t.location);
            Machine& m = machines[key];
            if (m.machine.isEmpty())
                m = {t.machine, t.location, i, {}};
            m.lastCollected = std::max(m.lastCollected, t.lastCollected);
            cells[key].push_back(std::move(t));
        }
    }
    report.machinesKnown = int(machines.size());
    report.machinesCollected = int(cells.size());

    // A machine whose last collection is too long ago by the end of the
    // period (or today, when that comes first).
    const QDate asOf = period.asOf;
    for (auto& [key, m] : machines) {
        if (!cells.contains(key))
            m.lastCollected = dbhelper::ReadLastCollection(database, tables[m.table], m.machine,
                                                           m.location, period.from)
                                  .lastCollected;
        const QDate last = storedDay(m.lastCollected);
        if (last.isValid() && last.daysTo(asOf) > request.lateAfterDays)
            report.anomalies.push_back(
                {AnomalyKind::NotCollected, m.machine, m.location, m.lastCollected,
                 QStringLiteral("Not collected since %1: %2 days by %3 (more than %4)")
                     .arg(usDateTime(m.lastCollected))
                     .arg(last.daysTo(asOf))
                     .arg(usDate(asOf))
                     .arg(request.lateAfterDays)});
    }

    report.lines = byPeriod(by) ? periodLines(by, period, cells)
                                : placeLines(machines, cells, by == ReportGrouping::Location);
    countAnomalies(by, report.lines, report.anomalies);
    for (const ReportLine& line : report.lines) {
        report.collections += line.collections;
        report.cash = report.cash + line.cash;
        report.cycles += line.cycles;
    }
    for (const std::vector<CollectionTotals>& machineCells : std::as_const(cells))
        for (const CollectionTotals& t : machineCells)
            report.cells.push_back({t.machine, t.location, t.period, t.cash});
    std::stable_sort(report.anomalies.begin(), report.anomalies.end(), byPlace);
    return report;
}

std::optional<CollectionsReport> collectionsReport(const QString& path,
                                                   const CollectionsRequest& request,
                                                   const QDate& today, QString* error)
{
    const std::optional<ReportPeriod> period = resolvePeriod(request, today, error);
    if (!period)
        return std::nullopt;
    CdbDBEngine engine;
    CdbDatabase database;
    if (!dbhelper::Connect_To_Database(path, &database, &engine, 1)) {
        *error = dbhelper::openFailureText(path);
        return std::nullopt;
    }
    const auto closer = qScopeGuard([&database] { database.Close(); });
    try {
        return buildCollectionsReport(database, request, *period);
    } catch (const CdbException& e) {
        *error = QStringLiteral("The collections of %1 cannot be read.\nError %2 : %3")
                     .arg(dbhelper::shownDatabaseName(path))
                     .arg(e.errorNumber())
                     .arg(e.description());
        return std::nullopt;
    }
}

} // namespace datacollection
