// laundrycard profile list | show | export | import: the reader setup
// profiles of a system database, as text for people and JSON for scripts.
// Every row is reached, Tovan2000 Cycle Setup profiles included, which the
// editor never lists.
#include "card/input_file.h"
#include "cli.h"
#include "commands.h"
#include "laundry/profile_table.h"
#include "ordered_json.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace cli {
namespace {

// Profile files are refused above this size (a profile takes a few KiB).
constexpr qint64 kProfileFileMaxBytes = 16 * 1024 * 1024;

// Parses a profile command, whose --db is required; the exit status when
// the command line is refused or asked for help.
std::optional<int> parseWithDb(CommandParser& cmd, const QStringList& args, int minPositional,
                               int maxPositional)
{
    if (auto status = cmd.parse(args, minPositional, maxPositional))
        return status;
    if (!cmd.parser().isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--db is required"));
    return std::nullopt;
}

QString dbPath(CommandParser& cmd)
{
    return cmd.parser().value(QStringLiteral("db"));
}

QString profileJson(const LaundryProfile& profile)
{
    return toOrderedJson(profile.columns, profile.keys);
}

// The table of --db, or an error printed and nullopt.
std::unique_ptr<LaundryProfileTable> openTable(CommandParser& cmd)
{
    auto table = std::make_unique<LaundryProfileTable>();
    if (table->open(dbPath(cmd)))
        return table;
    printError(table->error());
    return nullptr;
}

QString typeText(int code)
{
    const QString listName = LaundryProfileTable::typeName(code);
    return listName.isEmpty() ? QString::number(code) : listName;
}

int profileList(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile list --db DB [--json]"),
                      QStringLiteral("Lists the reader setup profiles: name, type, idle and busy "
                                     "message."));
    cmd.addDbOption();
    cmd.parser().addOption(
        {QStringLiteral("json"),
         QStringLiteral("A JSON array of {name, type, type_name, idle_message, busy_message}.")});
    if (auto status = parseWithDb(cmd, args, 0, 0))
        return *status;

    const auto table = openTable(cmd);
    if (!table)
        return kExitFailed;
    const auto all = table->all();
    if (!all) {
        printError(table->error());
        return kExitFailed;
    }

    // Only the Retrofit and Electromechanical types keep messages.
    const auto message = [](const LaundryProfile& profile, const char* column) {
        return profile.columns.value(QLatin1String(column)).toString();
    };
    if (cmd.parser().isSet(QStringLiteral("json"))) {
        QJsonArray array;
        for (const LaundryProfile& profile : *all)
            array.append(QJsonObject{
                {QStringLiteral("name"), profile.name()},
                {QStringLiteral("type"), profile.type()},
                {QStringLiteral("type_name"), typeText(profile.type())},
                {QStringLiteral("idle_message"), message(profile, "IDLE MESSAGE")},
                {QStringLiteral("busy_message"), message(profile, "BUSY MESSAGE")},
            });
        printOut(toOrderedJson(array, {QStringLiteral("name"), QStringLiteral("type"),
                                       QStringLiteral("type_name"), QStringLiteral("idle_message"),
                                       QStringLiteral("busy_message")}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    QList<QStringList> rows = {{QStringLiteral("PROFILE NAME"), QStringLiteral("PROFILE TYPE"),
                                QStringLiteral("IDLE MESSAGE"), QStringLiteral("BUSY MESSAGE")}};
    for (const LaundryProfile& profile : *all)
        rows << QStringList{profile.name(), typeText(profile.type()),
                            message(profile, "IDLE MESSAGE"), message(profile, "BUSY MESSAGE")};
    printOut(textTable(rows));
    return kExitOk;
}

// One column of a profile as text: money "$1.50", yes/no "Yes"/"No".
QString columnText(const QJsonValue& value, const QString& column)
{
    if (column == QLatin1String("PROFILE TYPE"))
        return QStringLiteral("%1 (%2)").arg(value.toInt()).arg(typeText(value.toInt()));
    return LaundryProfileTable::valueText(column, value);
}

int profileShow(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile show NAME --db DB [--json]"),
                      QStringLiteral("Shows every column of one reader setup profile."));
    cmd.parser().addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Profile name."));
    cmd.addDbOption();
    cmd.parser().addOption(
        {QStringLiteral("json"),
         QStringLiteral("One JSON object keyed by column name, as profile import reads it.")});
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;

    const auto table = openTable(cmd);
    if (!table)
        return kExitFailed;
    const auto profile = table->find(cmd.positional()[0]);
    if (!profile) {
        printError(table->error());
        return kExitFailed;
    }

    if (cmd.parser().isSet(QStringLiteral("json"))) {
        printOut(profileJson(*profile) + QLatin1Char('\n'));
        return kExitOk;
    }
    QList<QStringList> rows;
    for (const QString& column : profile->keys)
        rows << QStringList{column + QLatin1Char(':'),
                            columnText(profile->columns.value(column), column)};
    printOut(textTable(rows));
    return kExitOk;
}

int profileExport(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile export --db DB [NAME...]"),
                      QStringLiteral("Writes reader setup profiles to standard output as a JSON "
                                     "array that profile import reads: the named ones, or every "
                                     "profile when no name is given. One profile a line."));
    cmd.parser().addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Profile names."),
                                       QStringLiteral("[NAME...]"));
    cmd.addDbOption();
    if (auto status = parseWithDb(cmd, args, 0, INT_MAX))
        return *status;

    const auto table = openTable(cmd);
    if (!table)
        return kExitFailed;
    QList<LaundryProfile> chosen;
    if (cmd.positional().isEmpty()) {
        auto all = table->all();
        if (!all) {
            printError(table->error());
            return kExitFailed;
        }
        chosen = std::move(*all);
    }
    for (const QString& name : cmd.positional()) {
        auto profile = table->find(name);
        if (!profile) {
            printError(table->error());
            return kExitFailed;
        }
        chosen << *profile;
    }

    QStringList lines;
    for (const LaundryProfile& profile : chosen)
        lines << profileJson(profile);
    printOut(jsonLines(lines));
    return kExitOk;
}

int profileImport(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile import FILE --db DB"),
                      QStringLiteral("Adds the profiles of a JSON file (as profile export writes "
                                     "it) to the database. Every profile is checked as the "
                                     "profile editor checks it; when any is refused, every "
                                     "refusal is listed and none is stored. An existing profile "
                                     "is never overwritten."));
    cmd.parser().addPositionalArgument(QStringLiteral("FILE"),
                                       QStringLiteral("JSON file with an array of profiles."));
    cmd.addDbOption();
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;

    const QString path = cmd.positional()[0];
    const auto bytes = readImportFile(QStringLiteral("profile file"), path, kProfileFileMaxBytes);
    if (!bytes)
        return kExitFailed;
    const auto table = openTable(cmd);
    if (!table)
        return kExitFailed;
    return reportImport(path, table->import(*bytes));
}

} // namespace

int runProfileCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("profile"),
                    {{"list", "list the profiles of a database (--json for scripts)", &profileList},
                     {"show", "show every column of one profile", &profileShow},
                     {"export", "write profiles as a JSON array", &profileExport},
                     {"import", "add the profiles of a JSON file, all or none", &profileImport}},
                    args);
}

} // namespace cli
