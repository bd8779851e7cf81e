// Dates, periods and money as the collections report writes them: U.S.
// dollars and month/day/year for people, ISO days and plain decimals for
// spreadsheets and scripts. Periods are whole calendar days (QDate), never
// times in a zone, so daylight saving moves nothing.
#pragma once

#include "collections_report.h"

#include <QDate>
#include <QString>

namespace datacollection {

// "2026-03-09"
QString isoDay(const QDate& day);
// "3/9/2026"
QString usDate(const QDate& day);
// A stored date text "2026-03-09 14:05:00" as "3/9/2026 2:05 PM"; "" stays "".
QString usDateTime(const QString& stored);
// The day of a stored date text (invalid for "").
QDate storedDay(const QString& stored);

// The first day of the period holding day (a week starts on Monday), and the
// first day of the period after it. By machine or location: day itself.
QDate periodStart(ReportGrouping by, const QDate& day);
QDate nextPeriod(ReportGrouping by, const QDate& start);
// "3/9/2026", "Week of 3/9/2026", "Mar 2026".
QString periodLabel(ReportGrouping by, const QDate& start);

// "$1,234.56", "-$0.05"; amounts below a cent keep four decimals.
QString dollars(Currency amount);
// "1234.56", "-0.05": for spreadsheets and JSON.
QString plainMoney(Currency amount);

} // namespace datacollection
