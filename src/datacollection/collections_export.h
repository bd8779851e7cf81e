// The collections report written out: one table of lines (the same columns
// in the window, the text, the CSV and the PDF), the anomalies, JSON for
// scripts and a PDF for the office file.
#pragma once

#include "laundry/laundry_export.h"

#include "collections_report.h"

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace datacollection {

struct ReportTable {
    QStringList headers;
    QList<QStringList> shown; // for people: "$1,234.56", "3/9/2026"
    QList<QStringList> plain; // for spreadsheets: "1234.56", "2026-03-09"
};
LAUNDRY_EXPORT ReportTable reportTable(const CollectionsReport& report);

// "Machine", "Location", "Date", "Anomaly", "Details" rows, U.S. dates.
LAUNDRY_EXPORT ReportTable anomalyTable(const CollectionsReport& report);

// A header row, then one row per line; RFC 4180 quoting, CRLF line ends.
LAUNDRY_EXPORT QByteArray collectionsCsv(const CollectionsReport& report);
// {"from", "to", "by", "late_after_days", "currency", "totals", "lines",
// "anomalies"}; money as exact decimal text ("1234.56"), days as ISO text.
LAUNDRY_EXPORT QJsonObject collectionsJson(const CollectionsReport& report);
// The order the keys of collectionsJson read best in.
LAUNDRY_EXPORT QStringList collectionsJsonKeyOrder();
// "Total: 812 collections, $10,512.25, 9,950 cycles; 14 of 15 machines collected"
LAUNDRY_EXPORT QString collectionsTotalText(const CollectionsReport& report);
// "Collections by month, 1/1/2026 to 12/31/2026"
LAUNDRY_EXPORT QString collectionsTitle(const CollectionsReport& report);

// The report as a PDF document on U.S. Letter pages: title, table and
// anomalies, with a chart image above the table when one is given. The host
// saves the bytes (atomically). Needs a QGuiApplication (fonts).
LAUNDRY_EXPORT QByteArray collectionsPdf(const CollectionsReport& report, const QImage& chart = {});

} // namespace datacollection
