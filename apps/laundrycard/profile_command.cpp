// laundrycard profile list | show | export | import: the reader setup
// profiles of a system database, as text for people and JSON for scripts.
// Every row is reached, Tovan2000 Cycle Setup profiles included, which the
// editor never lists.
#include "card/input_file.h"
#include "cli.h"
#include "commands.h"
#include "ordered_json.h"
#include "profiles/all_profiles_query.h"
#include "profiles/profile_json.h"
#include "profiles/profile_store.h"
#include "setup/profile_types.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace cli {
namespace {

using profiles::ProfileStore;
using profiles::ProfileValues;

// The database named by --db, open for one command and closed on every path.
class ProfileDatabase {
public:
    ~ProfileDatabase()
    {
        if (database_.IsOpen())
            database_.Close();
    }

    bool open(const QString& path)
    {
        if (dbhelper::Connect_To_Database(path, &database_, &engine_, 0))
            return true;
        const CdbLastOLEError last;
        printError(QStringLiteral("cannot open the database %1: Error %2 : %3")
                       .arg(path)
                       .arg(last.GetResultCode() & 0xFFFF)
                       .arg(last.GetDescription()));
        return false;
    }

    // Opens the file, then every profile row ordered by name.
    std::optional<ProfileStore> openStore(const QString& path)
    {
        if (!open(path))
            return std::nullopt;
        CdbRecordset recordset;
        if (!dbhelper::Connect_To_Recordset(profiles::allProfilesQuery(), &recordset, &database_)) {
            const CdbLastOLEError last;
            printError(QStringLiteral("cannot read the table LAUNDRY SETUP: Error %1 : %2")
                           .arg(last.GetResultCode() & 0xFFFF)
                           .arg(last.GetDescription()));
            return std::nullopt;
        }
        return ProfileStore(recordset);
    }

    CdbDatabase& database() { return database_; }

private:
    CdbDBEngine engine_;
    CdbDatabase database_;
};

void addDbOption(CommandParser& cmd)
{
    cmd.parser().addOption({QStringLiteral("db"),
                            QStringLiteral("The system database (manager.mdb) to use."),
                            QStringLiteral("DB")});
}

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

QString profileJson(const ProfileValues& values)
{
    return toOrderedJson(profiles::profileToJson(values),
                         profiles::profileJsonKeys(values.common.typeCode));
}

// Loads the profile `name` (compared without regard to case); prints an
// error and gives nullopt when there is none.
std::optional<ProfileValues> loadProfile(ProfileStore& store, const QString& name)
{
    bool found = false;
    try {
        found = store.positionOn(name);
    } catch (const CdbException& error) {
        printError(profiles::daoErrorText(error).trimmed());
        return std::nullopt;
    }
    ProfileValues values;
    if (!found) {
        printError(QStringLiteral("no profile named \"%1\"").arg(name));
        return std::nullopt;
    }
    if (!store.loadCurrent(values))
        return std::nullopt;
    return values;
}

// Every row's values, in name order.
std::optional<std::vector<ProfileValues>> loadAll(ProfileStore& store)
{
    std::vector<ProfileValues> all;
    CdbRecordset& rows = store.recordset();
    try {
        if (rows.GetRecordCount() == 0)
            return all;
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
            ProfileValues values;
            if (!store.loadCurrent(values))
                return std::nullopt;
            all.push_back(values);
        }
    } catch (const CdbException& error) {
        printError(profiles::daoErrorText(error).trimmed());
        return std::nullopt;
    }
    return all;
}

QString typeText(int code)
{
    const QString listName = setup::profileTypeListName(code);
    return listName.isEmpty() ? QString::number(code) : listName;
}

QString table(const QList<QStringList>& rows)
{
    std::vector<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), size_t(i + 1)));
            widths[size_t(i)] = std::max(widths[size_t(i)], row[i].size());
        }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += row[i].leftJustified(widths[size_t(i)] + 2);
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

int profileList(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile list --db DB [--json]"),
                      QStringLiteral("Lists the reader setup profiles: name, type, idle and busy "
                                     "message."));
    addDbOption(cmd);
    cmd.parser().addOption(
        {QStringLiteral("json"),
         QStringLiteral("A JSON array of {name, type, type_name, idle_message, busy_message}.")});
    if (auto status = parseWithDb(cmd, args, 0, 0))
        return *status;

    ProfileDatabase db;
    auto store = db.openStore(dbPath(cmd));
    if (!store)
        return kExitFailed;
    const auto all = loadAll(*store);
    if (!all)
        return kExitFailed;

    // Only the Retrofit and Electromechanical types keep messages.
    const auto message = [](const ProfileValues& values, const char* column) {
        return profiles::textValue(values.columns, column);
    };
    if (cmd.parser().isSet(QStringLiteral("json"))) {
        QJsonArray array;
        for (const ProfileValues& values : *all)
            array.append(QJsonObject{
                {QStringLiteral("name"), values.common.name},
                {QStringLiteral("type"), values.common.typeCode},
                {QStringLiteral("type_name"), typeText(values.common.typeCode)},
                {QStringLiteral("idle_message"), message(values, "IDLE MESSAGE")},
                {QStringLiteral("busy_message"), message(values, "BUSY MESSAGE")},
            });
        printOut(toOrderedJson(array, {QStringLiteral("name"), QStringLiteral("type"),
                                       QStringLiteral("type_name"), QStringLiteral("idle_message"),
                                       QStringLiteral("busy_message")}) +
                 QLatin1Char('\n'));
        return kExitOk;
    }
    QList<QStringList> rows = {{QStringLiteral("PROFILE NAME"), QStringLiteral("PROFILE TYPE"),
                                QStringLiteral("IDLE MESSAGE"), QStringLiteral("BUSY MESSAGE")}};
    for (const ProfileValues& values : *all)
        rows << QStringList{values.common.name, typeText(values.common.typeCode),
                            message(values, "IDLE MESSAGE"), message(values, "BUSY MESSAGE")};
    printOut(table(rows));
    return kExitOk;
}

// One column of a profile as text: money "$1.50", yes/no "Yes"/"No".
QString columnText(const QJsonValue& value, const QString& column)
{
    if (column == QLatin1String(profiles::kColProfileType))
        return QStringLiteral("%1 (%2)").arg(value.toInt()).arg(typeText(value.toInt()));
    if (value.isBool())
        return value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    if (value.isDouble())
        return QString::number(value.toInt());
    if (profiles::columnKind(column) == profiles::ColumnKind::Money)
        return dbhelper::fieldText(
            Currency::parse(value.toString()).value_or(Currency{}).toVariant());
    return value.toString();
}

int profileShow(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("profile show NAME --db DB [--json]"),
                      QStringLiteral("Shows every column of one reader setup profile."));
    cmd.parser().addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Profile name."));
    addDbOption(cmd);
    cmd.parser().addOption(
        {QStringLiteral("json"),
         QStringLiteral("One JSON object keyed by column name, as profile import reads it.")});
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;

    ProfileDatabase db;
    auto store = db.openStore(dbPath(cmd));
    if (!store)
        return kExitFailed;
    const auto values = loadProfile(*store, cmd.positional()[0]);
    if (!values)
        return kExitFailed;

    if (cmd.parser().isSet(QStringLiteral("json"))) {
        printOut(profileJson(*values) + QLatin1Char('\n'));
        return kExitOk;
    }
    const QJsonObject object = profiles::profileToJson(*values);
    QList<QStringList> rows;
    for (const QString& column : profiles::profileJsonKeys(values->common.typeCode))
        rows << QStringList{column + QLatin1Char(':'), columnText(object.value(column), column)};
    printOut(table(rows));
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
    addDbOption(cmd);
    if (auto status = parseWithDb(cmd, args, 0, INT_MAX))
        return *status;

    ProfileDatabase db;
    auto store = db.openStore(dbPath(cmd));
    if (!store)
        return kExitFailed;
    std::vector<ProfileValues> chosen;
    if (cmd.positional().isEmpty()) {
        auto all = loadAll(*store);
        if (!all)
            return kExitFailed;
        chosen = std::move(*all);
    }
    for (const QString& name : cmd.positional()) {
        auto values = loadProfile(*store, name);
        if (!values)
            return kExitFailed;
        chosen.push_back(*values);
    }

    QStringList lines;
    for (const ProfileValues& values : chosen)
        lines << profileJson(values);
    printOut(lines.isEmpty() ? QStringLiteral("[]\n")
                             : QStringLiteral("[\n") + lines.join(QStringLiteral(",\n")) +
                                   QStringLiteral("\n]\n"));
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
    addDbOption(cmd);
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;

    const QString path = cmd.positional()[0];
    QByteArray bytes;
    if (QString error = card::readInputFile(QStringLiteral("profile file"), path,
                                            {profiles::kProfileFileMaxBytes}, &bytes);
        !error.isEmpty()) {
        printError(error);
        return kExitFailed;
    }
    QString error;
    const auto array = profiles::parseProfileFile(bytes, &error);
    if (!array) {
        printError(QStringLiteral("%1: %2").arg(path, error));
        return kExitFailed;
    }

    ProfileDatabase db;
    if (!db.open(dbPath(cmd)))
        return kExitFailed;
    const profiles::ImportOutcome outcome = profiles::importProfiles(*array, db.database());
    if (!outcome.refusals.isEmpty()) {
        printError(QStringLiteral("nothing imported; %1 refused:").arg(outcome.refusals.size()));
        for (const profiles::ImportRefusal& refusal : outcome.refusals)
            printError(refusal.text());
        return kExitFailed;
    }
    if (outcome.databaseFailed) {
        printError(QStringLiteral("nothing imported"));
        return kExitFailed;
    }
    printOut(QStringLiteral("Imported %1 profiles\n").arg(outcome.stored));
    return kExitOk;
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
