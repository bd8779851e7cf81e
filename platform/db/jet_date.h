// Dates as Jet writes them in filters: U.S. month/day/year whatever the
// machine's locale, with an optional time of day in 12- or 24-hour form.
#pragma once

#include <QDateTime>
#include <QStringView>

#include <optional>

namespace dao {

// "3/5/2020", "3/5/2020 1:02:03 PM", "3/5/2020 13:02", "2020-03-05 13:02:03".
// Two-digit years 30-99 are 19yy, 00-29 20yy. The date is held as UTC, a
// time without a zone: a filter only writes it out again as written.
std::optional<QDateTime> parseJetDate(QStringView text);

// "3/5/2020 1:02:03 PM", or only "3/5/2020" when the time is midnight.
QString usDateText(const QDateTime& value);

} // namespace dao
