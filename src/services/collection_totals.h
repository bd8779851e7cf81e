// The stored collections summed by the database engine: per machine and
// period, what the collections report needs, worked out where the rows are
// (over the tables' indexes) instead of reading every row.
//
// Dates are the stored wall-clock texts "YYYY-MM-DD HH:MM:SS"; periods are
// cut from that text, so a daylight-saving day moves no row.
#pragma once

#include "services/dao.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace dbhelper {

enum class CollectionPeriod { Whole, Day, Week, Month }; // a week starts on Monday

// The columns one collections table keeps its figures in.
struct CollectionColumns {
    QString table;
    QString cash;        // interval cash (currency)
    QString cycles;      // interval cycles
    QString elapsedCash; // elapsed, non-resettable cash (currency)
    QStringList trouble; // counters summed as trouble cycles
    QStringList unauthorised;
};

struct CollectionTotalsQuery {
    CollectionColumns columns;
    QDate from; // first day, inclusive; invalid: from the first row
    QDate to;   // last day, inclusive; invalid: to the last row
    CollectionPeriod period = CollectionPeriod::Whole;
    int lateAfterDays = 30; // a collection this many days after the one before is late
};

// One machine (MACHINEID and LOCATIONID) in one period. The collection
// before a machine's first one in the range counts for the differences,
// even when it lies before the range.
struct CollectionTotals {
    QString machine;
    QString location;
    QDate period; // its first day; invalid for CollectionPeriod::Whole
    qint64 collections = 0;
    Currency cash;
    qint64 cycles = 0;
    QString lastCollected; // stored text
    Currency lastElapsed;  // at the last collection
    // The elapsed cash counted up since the collection before the period's
    // first; none when no collection came before.
    std::optional<Currency> elapsedChange;
    qint64 backwards = 0; // collections whose elapsed cash is below the one before
    QString firstBackwards;
    qint64 duplicates = 0; // collections dated as the one before
    QString firstDuplicate;
    qint64 late = 0; // collections more than lateAfterDays after the one before
    QString firstLate;
    int longestGapDays = 0; // calendar days between consecutive collections
    qint64 trouble = 0;
    qint64 unauthorised = 0;
};

// Ordered by machine, location and period. Raises CdbException.
std::vector<CollectionTotals> ReadCollectionTotals(CdbDatabase& database,
                                                   const CollectionTotalsQuery& query);

struct MachineLastCollection {
    QString machine;
    QString location;
    QString lastCollected; // "" when the machine has no collection before the day
    Currency lastElapsed;
};

// Every machine of the table, ordered by machine and location.
std::vector<MachineLastCollection> ReadCollectedMachines(CdbDatabase& database,
                                                         const CollectionColumns& columns);
// The machine's last collection before the day (invalid: its last of all).
MachineLastCollection ReadLastCollection(CdbDatabase& database, const CollectionColumns& columns,
                                         const QString& machine, const QString& location,
                                         const QDate& before);

} // namespace dbhelper
