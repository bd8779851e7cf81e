// laundrycard report collections
#include "card/atomic_file.h"
#include "cli.h"
#include "commands.h"
#include "datacollection/collections_export.h"
#include "datacollection/collections_report.h"
#include "ordered_json.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>

#include <algorithm>

namespace cli {
namespace {

using datacollection::CollectionsRequest;

// A YYYY-MM-DD option, or a usage error printed and false.
bool dayOption(CommandParser& cmd, const QString& option, QDate* day)
{
    if (!cmd.parser().isSet(option))
        return true;
    const QString text = cmd.value(option);
    *day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (day->isValid() && text.size() == 10)
        return true;
    cmd.usageError(QStringLiteral("--%1 takes a day as YYYY-MM-DD, not '%2'").arg(option, text));
    return false;
}

QString textReport(const datacollection::CollectionsReport& report)
{
    using namespace datacollection;
    QString out = collectionsTitle(report) + QStringLiteral("\n\n");
    if (report.databaseEmpty())
        return out + QStringLiteral("No collections are stored in this database.\n");
    const ReportTable lines = reportTable(report);
    out += textTable(QList<QStringList>{lines.headers} + lines.shown);
    out += u'\n' + collectionsTotalText(report) + QStringLiteral("\n\n");
    const ReportTable anomalies = anomalyTable(report);
    if (anomalies.shown.isEmpty())
        return out + QStringLiteral("Anomalies: none\n");
    return out + QStringLiteral("Anomalies (%1):\n").arg(anomalies.shown.size()) +
           textTable(QList<QStringList>{anomalies.headers} + anomalies.shown);
}

int reportCollections(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("report collections --db DB [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
                       "[--by machine|location|day|week|month] [--late-days N] [--csv|--json] "
                       "[--pdf FILE [--force]]"),
        QStringLiteral("What the stored collections took in over a period (default: the year up "
                       "to today), by machine, location, day, week or month (default month): "
                       "interval cash and cycles, collections, the elapsed cash and its change "
                       "since the collection before, the machines that reported nothing, and "
                       "the anomalies (elapsed cash going backwards, machines not collected for "
                       "more than N days, duplicate collection dates, trouble cycles, "
                       "unauthorized openings). Money in U.S. dollars."));
    auto& p = cmd.parser();
    cmd.addDbOption();
    p.addOption({QStringLiteral("from"), QStringLiteral("First day of the period."),
                 QStringLiteral("YYYY-MM-DD")});
    p.addOption({QStringLiteral("to"), QStringLiteral("Last day of the period (default today)."),
                 QStringLiteral("YYYY-MM-DD")});
    p.addOption({QStringLiteral("by"),
                 QStringLiteral("Grouping: machine, location, day, week (from Monday) or month."),
                 QStringLiteral("GROUPING")});
    p.addOption({QStringLiteral("late-days"),
                 QStringLiteral("A machine not collected for more than N days is an anomaly "
                                "(default %1).")
                     .arg(datacollection::kDefaultLateAfterDays),
                 QStringLiteral("N")});
    p.addOption(
        {QStringLiteral("csv"), QStringLiteral("Print the lines as CSV with a header row.")});
    p.addOption({QStringLiteral("json"), QStringLiteral("Print the report as JSON.")});
    p.addOption({QStringLiteral("pdf"), QStringLiteral("Also write the report as a PDF file."),
                 QStringLiteral("FILE")});
    cmd.addForceOption();
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--db is required"));
    if (p.isSet(QStringLiteral("csv")) && p.isSet(QStringLiteral("json")))
        return cmd.usageError(QStringLiteral("give --csv or --json, not both"));

    CollectionsRequest request;
    if (!dayOption(cmd, QStringLiteral("from"), &request.from) ||
        !dayOption(cmd, QStringLiteral("to"), &request.to))
        return kExitUsage;
    if (p.isSet(QStringLiteral("by"))) {
        const auto by = datacollection::groupingFromName(cmd.value(QStringLiteral("by")));
        if (!by)
            return cmd.usageError(
                QStringLiteral("--by takes machine, location, day, week or month, not '%1'")
                    .arg(cmd.value(QStringLiteral("by"))));
        request.by = *by;
    }
    bool bad = false;
    const auto lateDays =
        cmd.number(QStringLiteral("late-days"), 36500, datacollection::kDefaultLateAfterDays, &bad);
    if (bad)
        return kExitUsage;
    request.lateAfterDays = int(*lateDays);
    QString error;
    if (!datacollection::resolvePeriod(request, QDate::currentDate(), &error))
        return cmd.usageError(error);
    const QString pdfPath = cmd.value(QStringLiteral("pdf"));
    if (!pdfPath.isEmpty() && !cmd.mayWrite(pdfPath))
        return kExitFailed;

    const auto report = datacollection::collectionsReport(cmd.value(QStringLiteral("db")), request,
                                                          QDate::currentDate(), &error);
    if (!report) {
        printError(error);
        return kExitFailed;
    }
    if (!pdfPath.isEmpty()) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            printError(QStringLiteral("no PDF written: fonts are not available"));
            return kExitFailed;
        }
        if (const QString saveError = card::saveFileAtomically(
                QStringLiteral("PDF"), pdfPath, datacollection::collectionsPdf(*report));
            !saveError.isEmpty()) {
            printError(saveError);
            return kExitFailed;
        }
    }
    if (p.isSet(QStringLiteral("csv")))
        printOut(QString::fromUtf8(datacollection::collectionsCsv(*report)));
    else if (p.isSet(QStringLiteral("json")))
        printOut(toOrderedJson(datacollection::collectionsJson(*report),
                               datacollection::collectionsJsonKeyOrder()) +
                 u'\n');
    else
        printOut(textReport(*report));
    return kExitOk;
}

} // namespace

bool reportNeedsFonts(const QStringList& args)
{
    return args.contains(QLatin1String("report")) &&
           std::any_of(args.begin(), args.end(), [](const QString& arg) {
               return arg == QLatin1String("--pdf") || arg.startsWith(QLatin1String("--pdf="));
           });
}

int runReportCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("report"),
                    {{"collections", "what the stored collections took in, with anomalies",
                      &reportCollections}},
                    args);
}

} // namespace cli
