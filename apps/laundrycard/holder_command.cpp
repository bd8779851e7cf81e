// laundrycard holder add | list | remove: the service persons' cards that
// the Advanteck audit lookup names.
#include "cli.h"
#include "commands.h"
#include "laundry/card_holders.h"
#include "ordered_json.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

// The holders of --db, or an error printed and nullptr.
std::unique_ptr<LaundryCardHolders> openHolders(const CommandParser& cmd)
{
    auto holders = std::make_unique<LaundryCardHolders>();
    if (holders->open(cmd.value(QStringLiteral("db"))))
        return holders;
    printError(holders->error());
    return nullptr;
}

int holderAdd(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("holder add --db DB --serial HEX --account ID --first NAME "
                                     "--last NAME"),
                      QStringLiteral("Registers a service person's card: its six-byte serial "
                                     "(12 hexadecimal digits, byte 0 first, pairs optionally "
                                     "separated by blanks or dashes; or the 10 digits an audit "
                                     "record shows) for the account, and the account's names."));
    auto& p = cmd.parser();
    cmd.addDbOption();
    p.addOption({QStringLiteral("serial"), QStringLiteral("The card's serial number."),
                 QStringLiteral("HEX")});
    p.addOption({QStringLiteral("account"), QStringLiteral("The holder's account id."),
                 QStringLiteral("ID")});
    p.addOption({QStringLiteral("first"), QStringLiteral("First name."), QStringLiteral("NAME")});
    p.addOption({QStringLiteral("last"), QStringLiteral("Last name."), QStringLiteral("NAME")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    for (const char* option : {"db", "serial", "account", "first", "last"})
        if (!p.isSet(QString::fromLatin1(option)))
            return cmd.usageError(QStringLiteral("--%1 is required").arg(option));
    auto holders = openHolders(cmd);
    if (!holders)
        return kExitFailed;
    if (!holders->add(cmd.value(QStringLiteral("serial")), cmd.value(QStringLiteral("account")),
                      cmd.value(QStringLiteral("first")), cmd.value(QStringLiteral("last")))) {
        printError(holders->error());
        return kExitFailed;
    }
    return kExitOk;
}

int holderRemove(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("holder remove --db DB --serial HEX"),
                      QStringLiteral("Removes a card's serial, and its account's names when no "
                                     "other card uses the account."));
    cmd.addDbOption();
    cmd.parser().addOption({QStringLiteral("serial"), QStringLiteral("The card's serial number."),
                            QStringLiteral("HEX")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!cmd.parser().isSet(QStringLiteral("db")) || !cmd.parser().isSet(QStringLiteral("serial")))
        return cmd.usageError(QStringLiteral("--db and --serial are required"));
    auto holders = openHolders(cmd);
    if (!holders)
        return kExitFailed;
    if (!holders->remove(cmd.value(QStringLiteral("serial")))) {
        printError(holders->error());
        return kExitFailed;
    }
    return kExitOk;
}

int holderList(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("holder list --db DB [--json]"),
                      QStringLiteral("Prints every registered card serial with its lookup key, "
                                     "account and names."));
    cmd.addDbOption();
    cmd.parser().addOption({QStringLiteral("json"), QStringLiteral("Print the holders as JSON.")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!cmd.parser().isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--db is required"));
    auto holders = openHolders(cmd);
    if (!holders)
        return kExitFailed;
    const auto all = holders->all();
    if (!all) {
        printError(holders->error());
        return kExitFailed;
    }
    QJsonArray list;
    QList<QStringList> rows{{"SERIAL", "KEY", "ACCOUNT", "LAST", "FIRST"}};
    for (const LaundryCardHolder& h : *all) {
        list.append(QJsonObject{{"serial", h.serial},
                                {"key", h.key},
                                {"account", h.account},
                                {"first", h.first},
                                {"last", h.last}});
        rows << QStringList{h.serial, h.key, h.account, h.last, h.first};
    }
    if (cmd.parser().isSet(QStringLiteral("json")))
        printOut(toOrderedJson(QJsonObject{{"holders", list}},
                               {"holders", "serial", "key", "account", "first", "last"}) +
                 QLatin1Char('\n'));
    else
        printOut(textTable(rows));
    return kExitOk;
}

} // namespace

int runHolderCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("holder"),
                    {{"add", "register a service person's card", &holderAdd},
                     {"list", "print the registered cards and their holders", &holderList},
                     {"remove", "remove a registered card", &holderRemove}},
                    args);
}

} // namespace cli
