// laundrycard specials import | list | export | card: the price special and
// door access profiles of a system database, and their cards.
#include "card/input_file.h"
#include "card/virtual_reader.h"
#include "cli.h"
#include "commands.h"
#include "laundry/laundry.h"
#include "ordered_json.h"

#include <QJsonArray>

#include <climits>
#include <optional>

namespace cli {
namespace {

// A specials file of a few hundred profiles takes well under a MiB.
constexpr qint64 kSpecialsFileMaxBytes = 16 * 1024 * 1024;

const QString kDoor = QStringLiteral("door");

void addDoorOption(CommandParser& cmd, const char* text)
{
    cmd.parser().addOption({kDoor, QString::fromLatin1(text)});
}

std::optional<int> parseWithDb(CommandParser& cmd, const QStringList& args, int minPositional,
                               int maxPositional)
{
    if (auto status = cmd.parse(args, minPositional, maxPositional))
        return status;
    if (!cmd.parser().isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--db is required"));
    return std::nullopt;
}

std::unique_ptr<LaundryPriceSpecials> openSpecials(CommandParser& cmd)
{
    auto specials = std::make_unique<LaundryPriceSpecials>();
    if (specials->open(cmd.value(QStringLiteral("db"))))
        return specials;
    printError(specials->error());
    return nullptr;
}

QString orderedJson(const QJsonValue& value)
{
    return toOrderedJson(value, LaundryPriceSpecials::jsonKeyOrder());
}

int specialsImport(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("specials import FILE --db DB"),
        QStringLiteral(
            "Adds the price special and door access profiles of a JSON file (an array as "
            "specials export writes it) to the database. Every profile is checked as the Price "
            "Special Profiles dialog checks it; when any is refused, every refusal is listed and "
            "none is stored. An existing profile is never overwritten."));
    cmd.parser().addPositionalArgument(QStringLiteral("FILE"),
                                       QStringLiteral("JSON file with an array of profiles."));
    cmd.addDbOption();
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;
    const QString path = cmd.positional()[0];
    const auto bytes = readImportFile(QStringLiteral("specials file"), path, kSpecialsFileMaxBytes);
    if (!bytes)
        return kExitFailed;
    const auto specials = openSpecials(cmd);
    if (!specials)
        return kExitFailed;
    return reportImport(path, specials->import(*bytes));
}

int specialsList(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("specials list --db DB [--door] [--json]"),
                      QStringLiteral("Lists the price special profiles (door access profiles "
                                     "with --door) and how many entries each has."));
    cmd.addDbOption();
    addDoorOption(cmd, "List the door access profiles.");
    cmd.parser().addOption(
        {QStringLiteral("json"),
         QStringLiteral("A JSON array of {name, kind, vend_price, topoff_price, topoff_time, "
                        "entry_count}; door access profiles carry no prices.")});
    if (auto status = parseWithDb(cmd, args, 0, 0))
        return *status;
    const auto specials = openSpecials(cmd);
    if (!specials)
        return kExitFailed;
    const bool door = cmd.parser().isSet(kDoor);
    const auto profiles = specials->profiles(door);
    if (!profiles) {
        printError(specials->error());
        return kExitFailed;
    }
    if (cmd.parser().isSet(QStringLiteral("json"))) {
        QJsonArray array;
        for (QJsonObject profile : *profiles) {
            profile.insert(QStringLiteral("entry_count"),
                           profile.take(QStringLiteral("entries")).toArray().size());
            array.append(profile);
        }
        QStringList keys = LaundryPriceSpecials::jsonKeyOrder();
        keys.insert(keys.indexOf(QStringLiteral("entries")), QStringLiteral("entry_count"));
        printOut(toOrderedJson(array, keys) + QLatin1Char('\n'));
        return kExitOk;
    }
    QList<QStringList> rows;
    if (door)
        rows << QStringList{QStringLiteral("PROFILE NAME"), QStringLiteral("ENTRIES")};
    else
        rows << QStringList{QStringLiteral("PROFILE NAME"), QStringLiteral("VEND PRICE"),
                            QStringLiteral("TOPOFF PRICE"), QStringLiteral("TOPOFF TIME"),
                            QStringLiteral("ENTRIES")};
    for (const QJsonObject& p : *profiles) {
        const QString count = QString::number(p.value(QStringLiteral("entries")).toArray().size());
        const QString name = p.value(QStringLiteral("name")).toString();
        if (door)
            rows << QStringList{name, count};
        else
            rows << QStringList{name, QLatin1Char('$') + p.value("vend_price").toString(),
                                QLatin1Char('$') + p.value("topoff_price").toString(),
                                QString::number(p.value("topoff_time").toInt()), count};
    }
    printOut(textTable(rows));
    return kExitOk;
}

int specialsExport(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("specials export --db DB [--door] [NAME...]"),
                      QStringLiteral("Writes price special profiles (door access profiles with "
                                     "--door) to standard output as the JSON array that "
                                     "specials import reads: the named ones, or all of the kind "
                                     "when no name is given. One profile a line."));
    cmd.parser().addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Profile names."),
                                       QStringLiteral("[NAME...]"));
    cmd.addDbOption();
    addDoorOption(cmd, "Export door access profiles.");
    if (auto status = parseWithDb(cmd, args, 0, INT_MAX))
        return *status;
    const auto specials = openSpecials(cmd);
    if (!specials)
        return kExitFailed;
    const auto profiles = specials->profiles(cmd.parser().isSet(kDoor), cmd.positional());
    if (!profiles) {
        printError(specials->error());
        return kExitFailed;
    }
    QStringList lines;
    for (const QJsonObject& profile : *profiles)
        lines << orderedJson(profile);
    printOut(jsonLines(lines));
    return kExitOk;
}

int specialsCard(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("specials card NAME --db DB --reader CARD --cust ID [--door] [--clear] "
                       "[--yes|--no]"),
        QStringLiteral("Writes the price special card of profile NAME (the restriction time card "
                       "of a door access profile with --door) onto the card in the reader, as "
                       "the dialog's Create Card button does; --clear writes the clear card "
                       "(Create a Clear Card). A card of another type is erased only when the "
                       "question is answered yes."));
    auto& p = cmd.parser();
    p.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Profile name."));
    cmd.addDbOption();
    cmd.addReaderOption();
    p.addOption({QStringLiteral("cust"), QStringLiteral("Customer id this host works with."),
                 QStringLiteral("ID")});
    addDoorOption(cmd, "The profile is a door access profile: write a restriction time card.");
    p.addOption({QStringLiteral("clear"),
                 QStringLiteral("Write the clear card: the profile's prices and one neutral "
                                "entry.")});
    cmd.addAnswerOptions();
    if (auto status = parseWithDb(cmd, args, 1, 1))
        return *status;
    if (!p.isSet(QStringLiteral("reader")))
        return cmd.usageError(QStringLiteral("--reader is required"));
    if (!p.isSet(QStringLiteral("cust")))
        return cmd.usageError(QStringLiteral("--cust is required"));
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    if (bad)
        return kExitUsage;
    if (!cmd.applyAnswer())
        return kExitUsage;
    if (!insertReaderCard(p.value(QStringLiteral("reader"))))
        return kExitFailed;
    set_laundry_database_path(p.value(QStringLiteral("db")).toUtf8().constData());
    const uint8_t written = write_laundry_price_special_card(
        cmd.positional()[0].toUtf8().constData(), uint16_t(*custId), p.isSet(kDoor) ? 1 : 0,
        p.isSet(QStringLiteral("clear")) ? 1 : 0);
    card::eject();
    return written ? kExitOk : kExitFailed;
}

} // namespace

int runSpecialsCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("specials"),
                    {{"import", "add the profiles of a JSON file, all or none", &specialsImport},
                     {"list", "list the price special (or --door access) profiles", &specialsList},
                     {"export", "write profiles as a JSON array", &specialsExport},
                     {"card", "write a profile's card onto the card in the reader", &specialsCard}},
                    args);
}

} // namespace cli
