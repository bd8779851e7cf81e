// The collections report's statements: one pass over the rows of the range
// (the date index), consecutive collections of a machine compared by a
// window, the collection before the range read by an index seek per machine.
#include "sqlite_collection_totals.h"

#include "sqlite_backend.h"

#include <QScopeGuard>

namespace dao {
namespace {

using dbhelper::CollectionColumns;
using dbhelper::CollectionPeriod;

constexpr char kDateFormat[] = "yyyy-MM-dd";

QString q(const QString& name)
{
    return quoteIdentifier(name);
}

// A sum of counters, NULL counted as 0; "0" when there are none.
QString counterSum(const QStringList& columns)
{
    if (columns.isEmpty())
        return QStringLiteral("0");
    QStringList terms;
    for (const QString& column : columns)
        terms << QStringLiteral("coalesce(%1, 0)").arg(q(column));
    return terms.join(QStringLiteral(" + "));
}

// The first day of a row's period, cut from the stored text "YYYY-MM-DD
// HH:MM:SS" without any time zone.
QString periodExpression(CollectionPeriod period)
{
    switch (period) {
    case CollectionPeriod::Day:
        return QStringLiteral("substr(d, 1, 10)");
    case CollectionPeriod::Week: // the Sunday ending the week, back to its Monday
        return QStringLiteral("date(d, 'weekday 0', '-6 days')");
    case CollectionPeriod::Month:
        return QStringLiteral("substr(d, 1, 7) || '-01'");
    case CollectionPeriod::Whole:
        break;
    }
    return QStringLiteral("''");
}

// The stored text bounds of a range of days: from its first second to
// before the day after it.
QString lowerBound(const QDate& from)
{
    return from.isValid() ? from.toString(QLatin1String(kDateFormat)) + QStringLiteral(" 00:00:00")
                          : QString();
}

QString upperBound(const QDate& to)
{
    return to.isValid()
               ? to.addDays(1).toString(QLatin1String(kDateFormat)) + QStringLiteral(" 00:00:00")
               : QStringLiteral("9999");
}

// The date and elapsed cash (date || cash: the dates are of one width) of
// the collection before the row's, read where the window has none: the last
// one before the range, one index seek per machine.
QString priorCollection(const CollectionColumns& c)
{
    const QString date = q(QStringLiteral("COLLECTION DATE"));
    return QStringLiteral("(SELECT p.%1 || coalesce(p.%2, 0) FROM %3 p WHERE p.MACHINEID = "
                          "t.MACHINEID AND p.LOCATIONID = t.LOCATIONID AND p.%1 < ?1 ORDER BY "
                          "p.%1 DESC LIMIT 1)")
        .arg(date, q(c.elapsedCash), q(c.table));
}

// The first day of a period as the statement gives it, "YYYY-MM-DD" (or
// "" for the whole range), read by hand: QDate::fromString with a format
// costs more than the rest of a row.
QDate periodDay(const SqlValue& value)
{
    const QString* text = std::get_if<QString>(&value);
    if (!text || text->size() != 10)
        return {};
    const QStringView day(*text);
    return QDate(day.mid(0, 4).toInt(), day.mid(5, 2).toInt(), day.mid(8, 2).toInt());
}

} // namespace

QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query)
{
    const CollectionColumns& c = query.columns;
    const QString date = q(QStringLiteral("COLLECTION DATE"));
    const QString window =
        QStringLiteral("(PARTITION BY MACHINEID, LOCATIONID ORDER BY %1, rowid)").arg(date);
    const QString rows =
        QStringLiteral(
            "SELECT MACHINEID AS m, LOCATIONID AS l, %1 AS d, coalesce(%2, 0) AS cash, "
            "coalesce(%3, 0) AS cycles, coalesce(%4, 0) AS elp, %5 AS trouble, %6 AS unauth, "
            "coalesce(lag(%1 || coalesce(%4, 0)) OVER w, %7) AS prior "
            "FROM %8 t WHERE %1 >= ?1 AND %1 < ?2 WINDOW w AS %9")
            .arg(date, q(c.cash), q(c.cycles), q(c.elapsedCash), counterSum(c.trouble),
                 counterSum(c.unauthorised), priorCollection(c), q(c.table), window);
    // max(d || elp) is the elapsed cash of the last collection: the date
    // texts are of one width, so the largest is the latest.
    return QStringLiteral("WITH r AS (%1), g AS (SELECT *, substr(prior, 1, 19) AS pd, "
                          "CAST(substr(prior, 20) AS INTEGER) AS pelp, "
                          "julianday(substr(d, 1, 10)) - julianday(substr(prior, 1, 10)) AS gap "
                          "FROM r) "
                          "SELECT %2 AS period, m, l, count(*), sum(cash), sum(cycles), max(d), "
                          "substr(max(d || elp), 20), sum(elp - pelp), "
                          "sum(elp < pelp), min(CASE WHEN elp < pelp THEN d END), "
                          "sum(d = pd), min(CASE WHEN d = pd THEN d END), "
                          "sum(gap > ?3), min(CASE WHEN gap > ?3 THEN d END), max(gap), "
                          "sum(trouble), sum(unauth) "
                          "FROM g GROUP BY m, l, period ORDER BY m, l, period")
        .arg(rows, periodExpression(query.period));
}

std::vector<SqlValue> collectionTotalsParams(const dbhelper::CollectionTotalsQuery& query)
{
    return {lowerBound(query.from), upperBound(query.to), qint64{query.lateAfterDays}};
}

std::vector<dbhelper::CollectionTotals>
SqliteBackend::collectionTotals(const dbhelper::CollectionTotalsQuery& query)
{
    // The statement sorts every row of the range twice: in memory, as the
    // sorter's temporary files would cost more than the sort. Only a speed-up:
    // where the setting cannot change, the statement runs as it is.
    sqlite3* db = connection();
    sqlite3_exec(db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    const auto restore = qScopeGuard(
        [db] { sqlite3_exec(db, "PRAGMA temp_store = DEFAULT", nullptr, nullptr, nullptr); });
    StatementUse statement = use(collectionTotalsSql(query));
    statement.bindAll(collectionTotalsParams(query));
    std::vector<dbhelper::CollectionTotals> totals;
    while (statement.step()) {
        dbhelper::CollectionTotals t;
        t.period = periodDay(statement.column(0));
        t.machine = statement.columnText(1);
        t.location = statement.columnText(2);
        t.collections = statement.columnInt(3);
        t.cash = Currency(statement.columnInt(4));
        t.cycles = statement.columnInt(5);
        t.lastCollected = statement.columnText(6);
        t.lastElapsed = Currency(statement.columnText(7).toLongLong());
        if (!isNull(statement.column(8)))
            t.elapsedChange = Currency(statement.columnInt(8));
        t.backwards = statement.columnInt(9);
        t.firstBackwards = statement.columnText(10);
        t.duplicates = statement.columnInt(11);
        t.firstDuplicate = statement.columnText(12);
        t.late = statement.columnInt(13);
        t.firstLate = statement.columnText(14);
        t.longestGapDays = int(statement.columnInt(15));
        t.trouble = statement.columnInt(16);
        t.unauthorised = statement.columnInt(17);
        totals.push_back(std::move(t));
    }
    return totals;
}

QStringList SqliteBackend::collectionTotalsPlan(const dbhelper::CollectionTotalsQuery& query)
{
    StatementUse statement =
        use(QStringLiteral("EXPLAIN QUERY PLAN ") + collectionTotalsSql(query));
    statement.bindAll(collectionTotalsParams(query));
    QStringList lines;
    while (statement.step())
        lines << statement.columnText(3);
    return lines;
}

// Machine by machine along the machine index, each step one seek: the next
// location of the machine, or else the first of the next machine. A pair
// travels as one text, the ids apart by char(1) (ids are printable).
std::vector<dbhelper::MachineLastCollection>
SqliteBackend::collectedMachines(const dbhelper::CollectionColumns& columns)
{
    const QString machine = QStringLiteral("substr(k.n, 1, instr(k.n, char(1)) - 1)");
    const QString location = QStringLiteral("substr(k.n, instr(k.n, char(1)) + 1)");
    const QString pair = QStringLiteral("x.MACHINEID || char(1) || x.LOCATIONID");
    const QString sql =
        QStringLiteral(
            "WITH RECURSIVE k(n) AS (SELECT * FROM (SELECT MACHINEID || char(1) || LOCATIONID "
            "FROM %1 ORDER BY MACHINEID, LOCATIONID LIMIT 1) "
            "UNION ALL SELECT coalesce("
            "(SELECT %2 FROM %1 x WHERE x.MACHINEID = %3 AND x.LOCATIONID > %4 ORDER BY "
            "x.LOCATIONID LIMIT 1), "
            "(SELECT %2 FROM %1 x WHERE x.MACHINEID > %3 ORDER BY x.MACHINEID, x.LOCATIONID "
            "LIMIT 1)) FROM k WHERE k.n IS NOT NULL) "
            "SELECT substr(n, 1, instr(n, char(1)) - 1), substr(n, instr(n, char(1)) + 1) "
            "FROM k WHERE n IS NOT NULL")
            .arg(q(columns.table), pair, machine, location);
    StatementUse statement = use(sql);
    std::vector<dbhelper::MachineLastCollection> machines;
    while (statement.step())
        machines.push_back({statement.columnText(0), statement.columnText(1), {}, {}});
    return machines;
}

dbhelper::MachineLastCollection
SqliteBackend::lastCollection(const dbhelper::CollectionColumns& columns, const QString& machine,
                              const QString& location, const QDate& before)
{
    const QString date = q(QStringLiteral("COLLECTION DATE"));
    StatementUse statement =
        use(QStringLiteral("SELECT %1, coalesce(%2, 0) FROM %3 WHERE MACHINEID = ?1 AND "
                           "LOCATIONID = ?2 AND %1 < ?3 ORDER BY %1 DESC LIMIT 1")
                .arg(date, q(columns.elapsedCash), q(columns.table)));
    statement.bindAll({machine, location, before.isValid() ? lowerBound(before) : upperBound({})});
    dbhelper::MachineLastCollection last{machine, location, {}, {}};
    if (statement.step()) {
        last.lastCollected = statement.columnText(0);
        last.lastElapsed = Currency(statement.columnInt(1));
    }
    return last;
}

} // namespace dao
