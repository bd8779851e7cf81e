// laundrycard dc view: what the record viewer shows for one record, as text.
#include "cli.h"
#include "commands.h"
#include "dc_input.h"
#include "laundry/dc_store.h"
#include "laundry/laundry.h"
#include "ordered_json.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace cli {
namespace {

// The lines of one group: a table group as the dialog lays it out, a row a
// label and a column a heading; any other group a line a field.
void addGroupRows(const QList<LaundryDcViewField>& fields, QList<QStringList>& rows)
{
    QStringList columns;
    for (const LaundryDcViewField& f : fields)
        if (!f.column.isEmpty() && !columns.contains(f.column))
            columns << f.column;
    const QString group = fields.first().group;
    if (!rows.isEmpty())
        rows << QStringList{QString()};
    if (!group.isEmpty() || !columns.isEmpty())
        rows << (QStringList{group} + columns);
    QStringList labels;
    for (const LaundryDcViewField& f : fields) {
        const qsizetype at = labels.indexOf(f.label);
        if (f.column.isEmpty() || at < 0) {
            labels << f.label;
            QStringList row{QStringLiteral("  ") + f.label};
            row.resize(std::max<qsizetype>(columns.size(), 1) + 1);
            row[f.column.isEmpty() ? 1 : columns.indexOf(f.column) + 1] = f.value;
            rows << row;
        } else {
            // The row of this label in the table so far.
            const qsizetype rowIndex = rows.size() - (labels.size() - at);
            rows[rowIndex][columns.indexOf(f.column) + 1] = f.value;
        }
    }
}

QList<QStringList> viewRows(const QList<LaundryDcViewField>& fields)
{
    QList<QStringList> rows;
    for (qsizetype first = 0; first < fields.size();) {
        qsizetype end = first;
        while (end < fields.size() && fields[end].group == fields[first].group)
            ++end;
        addGroupRows(fields.mid(first, end - first), rows);
        first = end;
    }
    return rows;
}

} // namespace

int dcView(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("dc view --reader CARD --cust ID --record N [--db DB] [--json]"),
        QStringLiteral("Prints what the record viewer shows for record N (from 0, as dc read "
                       "numbers them) of the data collection card in the reader: the caption, "
                       "then every visible line with its group, label and value, in the "
                       "dialog's order. An Advanteck record's service person is looked up in "
                       "DB (default manager.mdb)."));
    auto& p = cmd.parser();
    addDcCardOptions(cmd);
    p.addOption({QStringLiteral("record"), QStringLiteral("The record's number, from 0."),
                 QStringLiteral("N")});
    cmd.addDbOption();
    p.addOption({QStringLiteral("json"), QStringLiteral("Print the view as JSON.")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("cust")) ||
        !p.isSet(QStringLiteral("record")))
        return cmd.usageError(QStringLiteral("--reader, --cust and --record are required"));
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    const auto number = cmd.number(QStringLiteral("record"), 0xFFFF, 0, &bad);
    if (bad)
        return kExitUsage;
    if (p.isSet(QStringLiteral("db")))
        set_laundry_database_path(cmd.value(QStringLiteral("db")).toUtf8().constData());

    GenericDC records;
    if (!readDcRecords(cmd.value(QStringLiteral("reader")), uint16_t(*custId), records))
        return kExitFailed;
    const GenericDCRec* record = records.GetRec(int(*number));
    if (!record) {
        printError(QStringLiteral("--record %1: the card holds records 0 to %2")
                       .arg(*number)
                       .arg(records.GetNumRecs() - 1));
        return kExitFailed;
    }
    const auto view = describe_laundry_dc_record(record);
    if (!view) {
        if (record->record_family != 8) // the library said why
            printError(QStringLiteral("record %1 is of family %2, which no view shows")
                           .arg(*number)
                           .arg(record->record_family));
        return kExitFailed;
    }

    if (p.isSet(QStringLiteral("json"))) {
        QJsonArray fields;
        for (const LaundryDcViewField& f : view->fields) {
            // A table's cell is named by its group and column together.
            const QString group = f.column.isEmpty()  ? f.group
                                  : f.group.isEmpty() ? f.column
                                                      : f.group + QStringLiteral(": ") + f.column;
            fields.append(QJsonObject{{"group", group}, {"label", f.label}, {"value", f.value}});
        }
        printOut(toOrderedJson(QJsonObject{{"caption", view->caption}, {"fields", fields}},
                               {"caption", "fields", "group", "label", "value"}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    printOut(view->caption + QLatin1Char('\n') + textTable(viewRows(view->fields)));
    return kExitOk;
}

} // namespace cli
