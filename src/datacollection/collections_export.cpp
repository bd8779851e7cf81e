#include "collections_export.h"

#include "collections_text.h"

#include <QBuffer>
#include <QJsonArray>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <functional>

namespace datacollection {
namespace {

// One column of the lines table: its header, its text for people and for
// spreadsheets.
struct Column {
    QString header;
    std::function<QString(const ReportLine&)> shown;
    std::function<QString(const ReportLine&)> plain;
};

QString count(qint64 n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

QString number(qint64 n)
{
    return QString::number(n);
}

Column counterColumn(const QString& header, qint64 ReportLine::*member)
{
    return {header, [member](const ReportLine& l) { return count(l.*member); },
            [member](const ReportLine& l) { return number(l.*member); }};
}

Column moneyColumn(const QString& header, std::optional<Currency> (*value)(const ReportLine&))
{
    return {header,
            [value](const ReportLine& l) { return value(l) ? dollars(*value(l)) : QString(); },
            [value](const ReportLine& l) { return value(l) ? plainMoney(*value(l)) : QString(); }};
}

std::vector<Column> columns(ReportGrouping by)
{
    std::vector<Column> out;
    const auto text = [](QString ReportLine::*member) {
        return [member](const ReportLine& l) { return l.*member; };
    };
    const auto machines =
        Column{QStringLiteral("Machines"), [](const ReportLine& l) { return count(l.machines); },
               [](const ReportLine& l) { return number(l.machines); }};
    switch (by) {
    case ReportGrouping::Machine:
        out.push_back(
            {QStringLiteral("Location"), text(&ReportLine::location), text(&ReportLine::location)});
        out.push_back(
            {QStringLiteral("Machine"), text(&ReportLine::machine), text(&ReportLine::machine)});
        break;
    case ReportGrouping::Location:
        out.push_back(
            {QStringLiteral("Location"), text(&ReportLine::location), text(&ReportLine::location)});
        out.push_back(machines);
        break;
    case ReportGrouping::Day:
    case ReportGrouping::Week:
    case ReportGrouping::Month: {
        const QString header = by == ReportGrouping::Day    ? QStringLiteral("Day")
                               : by == ReportGrouping::Week ? QStringLiteral("Week")
                                                            : QStringLiteral("Month");
        out.push_back({header, [by](const ReportLine& l) { return periodLabel(by, l.period); },
                       [](const ReportLine& l) { return isoDay(l.period); }});
        out.push_back(machines);
        break;
    }
    }
    out.push_back(counterColumn(QStringLiteral("Collections"), &ReportLine::collections));
    out.push_back(moneyColumn(QStringLiteral("Interval cash"),
                              [](const ReportLine& l) { return std::optional<Currency>(l.cash); }));
    out.push_back(counterColumn(QStringLiteral("Interval cycles"), &ReportLine::cycles));
    if (by == ReportGrouping::Machine)
        out.push_back(moneyColumn(QStringLiteral("Elapsed cash"),
                                  [](const ReportLine& l) { return l.lastElapsed; }));
    out.push_back(moneyColumn(QStringLiteral("Elapsed change"),
                              [](const ReportLine& l) { return l.elapsedChange; }));
    if (by == ReportGrouping::Machine)
        out.push_back({QStringLiteral("Last collected"),
                       [](const ReportLine& l) { return usDateTime(l.lastCollected); },
                       text(&ReportLine::lastCollected)});
    out.push_back(counterColumn(QStringLiteral("Trouble cycles"), &ReportLine::trouble));
    out.push_back(
        counterColumn(QStringLiteral("Unauthorized openings"), &ReportLine::unauthorised));
    out.push_back({QStringLiteral("Anomalies"),
                   [](const ReportLine& l) { return count(l.anomalies); },
                   [](const ReportLine& l) { return number(l.anomalies); }});
    const auto note = [](const ReportLine& l) {
        return l.nothingCollected() ? QStringLiteral("Nothing collected in the period") : QString();
    };
    out.push_back({QStringLiteral("Note"), note, note});
    return out;
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString anomalyKey(AnomalyKind kind)
{
    switch (kind) {
    case AnomalyKind::ElapsedBackwards:
        return QStringLiteral("elapsed_backwards");
    case AnomalyKind::NotCollected:
        return QStringLiteral("not_collected");
    case AnomalyKind::DuplicateDate:
        return QStringLiteral("duplicate_date");
    case AnomalyKind::TroubleCycles:
        return QStringLiteral("trouble_cycles");
    case AnomalyKind::UnauthorisedOpenings:
        break;
    }
    return QStringLiteral("unauthorized_openings");
}

QJsonValue moneyOrNull(const std::optional<Currency>& amount)
{
    return amount ? QJsonValue(plainMoney(*amount)) : QJsonValue();
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject jsonLine(ReportGrouping by, const ReportLine& l)
{
    QJsonObject line;
    if (by == ReportGrouping::Machine || by == ReportGrouping::Location)
        line[QStringLiteral("location")] = l.location;
    if (by == ReportGrouping::Machine) {
        line[QStringLiteral("machine")] = l.machine;
        line[QStringLiteral("elapsed_cash")] = moneyOrNull(l.lastElapsed);
        line[QStringLiteral("last_collected")] = textOrNull(l.lastCollected);
    } else {
        line[QStringLiteral("machines")] = l.machines;
    }
    if (l.period.isValid())
        line[QStringLiteral("period")] = isoDay(l.period);
    line[QStringLiteral("collections")] = l.collections;
    line[QStringLiteral("cash")] = plainMoney(l.cash);
    line[QStringLiteral("cycles")] = l.cycles;
    line[QStringLiteral("elapsed_change")] = moneyOrNull(l.elapsedChange);
    line[QStringLiteral("trouble_cycles")] = l.trouble;
    line[QStringLiteral("unauthorized_openings")] = l.unauthorised;
    line[QStringLiteral("anomalies")] = l.anomalies;
    line[QStringLiteral("nothing_collected")] = l.nothingCollected();
    return line;
}

QString htmlTable(const ReportTable& table, const std::vector<bool>& marked)
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const QString& header : table.headers)
        html += QStringLiteral("<th bgcolor=\"#dddddd\">%1</th>").arg(header.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (qsizetype r = 0; r < table.shown.size(); ++r) {
        const bool mark = size_t(r) < marked.size() && marked[size_t(r)];
        html += mark ? QStringLiteral("<tr bgcolor=\"#ffe0b2\">") : QStringLiteral("<tr>");
        for (const QString& cell : table.shown[r])
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

ReportTable reportTable(const CollectionsReport& report)
{
    ReportTable table;
    const std::vector<Column> cols = columns(report.request.by);
    for (const Column& c : cols)
        table.headers << c.header;
    for (const ReportLine& line : report.lines) {
        QStringList shown, plain;
        for (const Column& c : cols) {
            shown << c.shown(line);
            plain << c.plain(line);
        }
        table.shown << shown;
        table.plain << plain;
    }
    return table;
}

ReportTable anomalyTable(const CollectionsReport& report)
{
    ReportTable table;
    table.headers = {QStringLiteral("Location"), QStringLiteral("Machine"), QStringLiteral("Date"),
                     QStringLiteral("Anomaly"), QStringLiteral("Details")};
    for (const Anomaly& a : report.anomalies) {
        const QString shownDate =
            a.date.size() > 10 ? usDateTime(a.date) : usDate(storedDay(a.date));
        table.shown << QStringList{a.location, a.machine, shownDate, anomalyTitle(a.kind),
                                   a.detail};
        table.plain << QStringList{a.location, a.machine, a.date, anomalyKey(a.kind), a.detail};
    }
    return table;
}

QByteArray collectionsCsv(const CollectionsReport& report)
{
    const ReportTable table = reportTable(report);
    QString csv;
    const auto row = [&csv](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted << csvField(field);
        csv += quoted.join(u',') + QStringLiteral("\r\n");
    };
    row(table.headers);
    for (const QStringList& line : table.plain)
        row(line);
    return csv.toUtf8();
}

QJsonObject collectionsJson(const CollectionsReport& report)
{
    const ReportGrouping by = report.request.by;
    QJsonArray lines;
    for (const ReportLine& line : report.lines)
        lines.append(jsonLine(by, line));
    QJsonArray anomalies;
    for (const Anomaly& a : report.anomalies)
        anomalies.append(QJsonObject{{QStringLiteral("kind"), anomalyKey(a.kind)},
                                     {QStringLiteral("location"), a.location},
                                     {QStringLiteral("machine"), a.machine},
                                     {QStringLiteral("date"), a.date},
                                     {QStringLiteral("detail"), a.detail}});
    const QJsonObject totals{{QStringLiteral("collections"), report.collections},
                             {QStringLiteral("cash"), plainMoney(report.cash)},
                             {QStringLiteral("cycles"), report.cycles},
                             {QStringLiteral("machines_known"), report.machinesKnown},
                             {QStringLiteral("machines_collected"), report.machinesCollected}};
    return {{QStringLiteral("from"), isoDay(report.period.from)},
            {QStringLiteral("to"), isoDay(report.period.to)},
            {QStringLiteral("by"), groupingName(by)},
            {QStringLiteral("late_after_days"), report.request.lateAfterDays},
            {QStringLiteral("currency"), QStringLiteral("USD")},
            {QStringLiteral("totals"), totals},
            {QStringLiteral("lines"), lines},
            {QStringLiteral("anomalies"), anomalies}};
}

QStringList collectionsJsonKeyOrder()
{
    return {QStringLiteral("from"),
            QStringLiteral("to"),
            QStringLiteral("by"),
            QStringLiteral("late_after_days"),
            QStringLiteral("currency"),
            QStringLiteral("totals"),
            QStringLiteral("lines"),
            QStringLiteral("period"),
            QStringLiteral("location"),
            QStringLiteral("machine"),
            QStringLiteral("machines"),
            QStringLiteral("kind"),
            QStringLiteral("date"),
            QStringLiteral("collections"),
            QStringLiteral("cash"),
            QStringLiteral("cycles"),
            QStringLiteral("elapsed_cash"),
            QStringLiteral("elapsed_change"),
            QStringLiteral("last_collected"),
            QStringLiteral("trouble_cycles"),
            QStringLiteral("unauthorized_openings"),
            QStringLiteral("anomalies"),
            QStringLiteral("nothing_collected"),
            QStringLiteral("machines_known"),
            QStringLiteral("machines_collected"),
            QStringLiteral("detail")};
}

QString collectionsTitle(const CollectionsReport& report)
{
    return QStringLiteral("Collections by %1, %2 to %3")
        .arg(groupingName(report.request.by), usDate(report.period.from), usDate(report.period.to));
}

QString collectionsTotalText(const CollectionsReport& report)
{
    return QStringLiteral("Total: %1 collections, %2, %3 cycles; %4 of %5 machines collected")
        .arg(count(report.collections), dollars(report.cash), count(report.cycles),
             count(report.machinesCollected), count(report.machinesKnown));
}

QByteArray collectionsPdf(const CollectionsReport& report, const QImage& chart)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(collectionsTitle(report));
    writer.setCreator(QStringLiteral("Reader Manager"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    const ReportTable lines = reportTable(report);
    std::vector<bool> marked;
    for (const ReportLine& line : report.lines)
        marked.push_back(line.anomalies > 0);
    QString html = QStringLiteral("<h2>%1</h2><p>%2</p>")
                       .arg(collectionsTitle(report).toHtmlEscaped(),
                            collectionsTotalText(report).toHtmlEscaped());
    QTextDocument document;
    if (!chart.isNull()) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("chart")), chart);
        html += QStringLiteral("<p><img src=\"chart\" width=\"900\"></p>");
    }
    html += htmlTable(lines, marked);
    const ReportTable anomalies = anomalyTable(report);
    html += QStringLiteral("<h3>Anomalies</h3>");
    html += anomalies.shown.isEmpty()
                ? QStringLiteral("<p>None.</p>")
                : htmlTable(anomalies, std::vector<bool>(size_t(anomalies.shown.size()), false));
    document.setHtml(html);
    document.print(&writer);
    return bytes;
}

} // namespace datacollection
