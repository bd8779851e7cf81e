// laundrycard card new | dump
#include "card/card_dump.h"
#include "card/card_image_file.h"
#include "cli.h"
#include "commands.h"
#include "ordered_json.h"

#include <QJsonObject>

namespace cli {
namespace {

int cardNew(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("card new PATH [--chip N] [--type T] [--cust ID] [--pom] "
                                     "[--images N] [--force]"),
                      QStringLiteral("Makes a new card image file. Without --type or --cust "
                                     "each image is a factory-fresh card (type 0xFF, customer "
                                     "id 0xFFFF); with either it is an initialised card."));
    auto& p = cmd.parser();
    p.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("Card image file to write."));
    p.addOption({QStringLiteral("chip"),
                 QStringLiteral("Chip kind, 0-255: 0 management-capable, 1 and 3 not, "
                                "any other an unknown chip (default 0)."),
                 QStringLiteral("N")});
    p.addOption({QStringLiteral("type"), QStringLiteral("Card type, 0-255."), QStringLiteral("T")});
    p.addOption(
        {QStringLiteral("cust"), QStringLiteral("Customer id, 0-65535."), QStringLiteral("ID")});
    p.addOption({QStringLiteral("pom"), QStringLiteral("Mark the card as one that cannot be a "
                                                       "management card.")});
    p.addOption({QStringLiteral("images"),
                 QStringLiteral("Number of card images in the file, 1-%1 (default 1).")
                     .arg(card::kMaxNewImages),
                 QStringLiteral("N")});
    cmd.addForceOption();
    if (auto status = cmd.parse(args, 1, 1))
        return *status;

    bool bad = false;
    card::NewCardFileOptions options;
    options.chip = uint8_t(cmd.number(QStringLiteral("chip"), 255, 0, &bad).value_or(0));
    options.images =
        int(cmd.number(QStringLiteral("images"), card::kMaxNewImages, 1, &bad).value_or(1));
    options.pom = p.isSet(QStringLiteral("pom"));
    if (p.isSet(QStringLiteral("type")))
        if (auto t = cmd.number(QStringLiteral("type"), 255, 0, &bad))
            options.type = uint8_t(*t);
    if (p.isSet(QStringLiteral("cust")))
        if (auto c = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad))
            options.custId = uint16_t(*c);
    if (bad)
        return kExitUsage;
    if (options.images < 1)
        return cmd.usageError(QStringLiteral("--images must be at least 1"));

    if (!cmd.mayWrite(cmd.positional()[0]))
        return kExitFailed;
    const QString error = card::createCardImageFile(cmd.positional()[0], options);
    if (!error.isEmpty()) {
        printError(error);
        return kExitFailed;
    }
    return kExitOk;
}

int cardDump(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("card dump (PATH | --reader CARD) [--json]"),
                      QStringLiteral("Shows every card image of a card image file."));
    auto& p = cmd.parser();
    cmd.addCardArgument();
    p.addOption({QStringLiteral("json"),
                 QStringLiteral("One JSON object: {\"images\":[{chip, pom, type, cust_id, "
                                "version, header, files}]}.")});
    if (auto status = cmd.parse(args, 0, 1))
        return *status;
    const std::optional<QString> path = cmd.cardArgument();
    if (!path)
        return kExitUsage;

    std::vector<card::CardState> images;
    if (const QString error = card::loadCardImageFile(*path, &images); !error.isEmpty()) {
        printError(error);
        return kExitFailed;
    }
    if (p.isSet(QStringLiteral("json"))) {
        static const QStringList kKeyOrder = {"images",  "chip",    "pom",    "type",
                                              "cust_id", "version", "header", "files"};
        const QJsonObject root{{QStringLiteral("images"), card::cardImagesToJson(images)}};
        printOut(toOrderedJson(root, kKeyOrder) + '\n');
    } else {
        printOut(card::cardImagesToText(images));
    }
    return kExitOk;
}

} // namespace

int runCardCommand(const QStringList& args)
{
    return runGroup(
        QStringLiteral("card"),
        {{"new", "make a new card image file", &cardNew},
         {"dump", "show the card images of a file (--json for scripts)", &cardDump},
         {"describe", "describe the card in the reader (--reader CARD)", &cardDescribe}},
        args);
}

} // namespace cli
