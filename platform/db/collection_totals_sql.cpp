// One pass over the rows of the range (the date index), consecutive
// collections of a machine compared by a window, the collection before the
// range read by an index seek per machine.
#include "collection_totals_sql.h"

namespace dao {
namespace {

using dbhelper::CollectionColumns;
using dbhelper::CollectionPeriod;

constexpr char kDateFormat[] = "yyyy-MM-dd";

// A sum of counters, NULL counted as 0; "0" when there are none.
QString counterSum(const QStringList& columns, const CollectionSqlDialect& dialect)
{
    if (columns.isEmpty())
        return QStringLiteral("0");
    QStringList terms;
    for (const QString& column : columns)
        terms << QStringLiteral("coalesce(%1, 0)").arg(dialect.quote(column));
    return terms.join(QStringLiteral(" + "));
}

// The first day of a row's period, cut from the stored text "YYYY-MM-DD
// HH:MM:SS" without any time zone.
QString periodExpression(CollectionPeriod period, const CollectionSqlDialect& dialect)
{
    switch (period) {
    case CollectionPeriod::Day:
        return QStringLiteral("substr(d, 1, 10)");
    case CollectionPeriod::Week:
        return dialect.weekMonday;
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
QString priorCollection(const CollectionColumns& c, const CollectionSqlDialect& dialect)
{
    const QString date = dialect.quote(QStringLiteral("COLLECTION DATE"));
    return QStringLiteral("(SELECT p.%1 || coalesce(p.%2, 0) FROM %3 p WHERE p.%5 = t.%5 AND "
                          "p.%6 = t.%6 AND p.%1 < %4 ORDER BY p.%1 DESC LIMIT 1)")
        .arg(date, dialect.quote(c.elapsedCash), dialect.quote(c.table), dialect.param(1, "text"),
             dialect.quote(QStringLiteral("MACHINEID")),
             dialect.quote(QStringLiteral("LOCATIONID")));
}

QString countWhere(const QString& condition)
{
    return QStringLiteral("sum(CASE WHEN %1 THEN 1 ELSE 0 END)").arg(condition);
}

QString firstWhere(const QString& condition)
{
    return QStringLiteral("min(CASE WHEN %1 THEN d END)").arg(condition);
}

// The first day of a period as the statement gives it, "YYYY-MM-DD" (or
// "" for the whole range), read by hand: QDate::fromString with a format
// costs more than the rest of a row.
QDate periodDay(const QString& text)
{
    if (text.size() != 10)
        return {};
    const QStringView day(text);
    return QDate(day.mid(0, 4).toInt(), day.mid(5, 2).toInt(), day.mid(8, 2).toInt());
}

} // namespace

QString collectionTotalsSql(const dbhelper::CollectionTotalsQuery& query,
                            const CollectionSqlDialect& dialect)
{
    const CollectionColumns& c = query.columns;
    const auto q = dialect.quote;
    const QString date = q(QStringLiteral("COLLECTION DATE"));
    const QString machine = q(QStringLiteral("MACHINEID"));
    const QString location = q(QStringLiteral("LOCATIONID"));
    const QString window = QStringLiteral("(PARTITION BY %1, %2 ORDER BY %3, %4)")
                               .arg(machine, location, date, dialect.rowOrder);
    const QString rows =
        QStringLiteral(
            "SELECT %12 AS m, %13 AS l, %1 AS d, coalesce(%2, 0) AS cash, "
            "coalesce(%3, 0) AS cycles, coalesce(%4, 0) AS elp, %5 AS trouble, %6 AS unauth, "
            "coalesce(lag(%1 || coalesce(%4, 0)) OVER w, %7) AS prior "
            "FROM %8 t WHERE %1 >= %9 AND %1 < %10 WINDOW w AS %11")
            .arg(date, q(c.cash), q(c.cycles), q(c.elapsedCash), counterSum(c.trouble, dialect),
                 counterSum(c.unauthorised, dialect), priorCollection(c, dialect), q(c.table),
                 dialect.param(1, "text"))
            .arg(dialect.param(2, "text"), window, machine, location);
    const QString late = QStringLiteral("gap > ") + dialect.param(3, "bigint");
    // max(d || elp) is the elapsed cash of the last collection: the date
    // texts are of one width, so the largest is the latest.
    return QStringLiteral("WITH r AS (%1), g AS (SELECT *, substr(prior, 1, 19) AS pd, "
                          "CAST(substr(prior, 20) AS BIGINT) AS pelp, %2 AS gap FROM r) "
                          "SELECT %3 AS period, m, l, count(*), sum(cash), sum(cycles), max(d), "
                          "substr(max(d || elp), 20), sum(elp - pelp), %4, %5, %6, %7, %8, %9, "
                          "max(gap), sum(trouble), sum(unauth) "
                          "FROM g GROUP BY m, l, period ORDER BY m, l, period")
        .arg(rows, dialect.dayGap, periodExpression(query.period, dialect),
             countWhere(QStringLiteral("elp < pelp")), firstWhere(QStringLiteral("elp < pelp")),
             countWhere(QStringLiteral("d = pd")), firstWhere(QStringLiteral("d = pd")),
             countWhere(late), firstWhere(late));
}

std::vector<SqlValue> collectionTotalsParams(const dbhelper::CollectionTotalsQuery& query)
{
    return {lowerBound(query.from), upperBound(query.to), qint64{query.lateAfterDays}};
}

QString lastCollectionSql(const dbhelper::CollectionColumns& columns,
                          const CollectionSqlDialect& dialect)
{
    const QString date = dialect.quote(QStringLiteral("COLLECTION DATE"));
    return QStringLiteral("SELECT %1, coalesce(%2, 0) FROM %3 WHERE %7 = %4 AND %8 = %5 AND "
                          "%1 < %6 ORDER BY %1 DESC LIMIT 1")
        .arg(date, dialect.quote(columns.elapsedCash), dialect.quote(columns.table),
             dialect.param(1, "text"), dialect.param(2, "text"), dialect.param(3, "text"),
             dialect.quote(QStringLiteral("MACHINEID")),
             dialect.quote(QStringLiteral("LOCATIONID")));
}

SqlValue lastCollectionBound(const QDate& before)
{
    return before.isValid() ? lowerBound(before) : upperBound({});
}

dbhelper::CollectionTotals collectionTotalsFromRow(const ResultRow& row)
{
    dbhelper::CollectionTotals t;
    t.period = periodDay(row.text(0));
    t.machine = row.text(1);
    t.location = row.text(2);
    t.collections = row.integer(3);
    t.cash = Currency(row.integer(4));
    t.cycles = row.integer(5);
    t.lastCollected = row.text(6);
    t.lastElapsed = Currency(row.integer(7));
    if (!row.isNull(8))
        t.elapsedChange = Currency(row.integer(8));
    t.backwards = row.integer(9);
    t.firstBackwards = row.text(10);
    t.duplicates = row.integer(11);
    t.firstDuplicate = row.text(12);
    t.late = row.integer(13);
    t.firstLate = row.text(14);
    t.longestGapDays = int(row.integer(15));
    t.trouble = row.integer(16);
    t.unauthorised = row.integer(17);
    return t;
}

} // namespace dao
