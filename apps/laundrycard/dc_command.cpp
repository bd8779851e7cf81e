// laundrycard dc new | count
#include "card/virtual_reader.h"
#include "cli.h"
#include "commands.h"
#include "laundry/dc_cards.h"

namespace cli {
namespace {

// The creators by the --kind word, in the order the help lists them.
struct DcKind {
    const char* name;
    uint8_t (*create)(uint16_t custId, uint32_t option);
};
constexpr DcKind kKinds[] = {{"reader", &create_laundry_dc_card},
                             {"complex", &create_complex_laundry_dc_card},
                             {"manual", &create_laundry_manual_dc_card},
                             {"advanteck", &create_adv_dc_card}};

const DcKind* kindNamed(const QString& name)
{
    for (const DcKind& kind : kKinds)
        if (name == QLatin1String(kind.name))
            return &kind;
    return nullptr;
}

int dcNew(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("dc new --reader CARD --cust ID "
                                     "[--kind reader|complex|manual|advanteck] [--option N] "
                                     "[--yes|--no]"),
                      QStringLiteral("Formats the card in the reader as an empty data collection "
                                     "card for customer ID: a reader card (type 210; complex is "
                                     "the same card), a manual card (212) or an Advanteck card "
                                     "(217). Asks before it erases a data collection card or "
                                     "overwrites a card of another type."));
    auto& p = cmd.parser();
    p.addOption({QStringLiteral("reader"),
                 QStringLiteral("Card image file to put in the virtual reader."),
                 QStringLiteral("CARD")});
    p.addOption({QStringLiteral("cust"), QStringLiteral("Customer id the card is made for."),
                 QStringLiteral("ID")});
    p.addOption({QStringLiteral("kind"),
                 QStringLiteral("reader (default), complex, manual or advanteck."),
                 QStringLiteral("KIND"), QStringLiteral("reader")});
    p.addOption({QStringLiteral("option"),
                 QStringLiteral("Data collection option handed to the reader and complex "
                                "creators (default 0)."),
                 QStringLiteral("N")});
    cmd.addAnswerOptions();
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("cust")))
        return cmd.usageError(QStringLiteral("--reader and --cust are required"));
    const DcKind* kind = kindNamed(p.value(QStringLiteral("kind")));
    if (!kind)
        return cmd.usageError(QStringLiteral("--kind: \"%1\" is not reader, complex, manual or "
                                             "advanteck")
                                  .arg(p.value(QStringLiteral("kind"))));
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    const auto option = cmd.number(QStringLiteral("option"), 0xFFFFFFFF, 0, &bad);
    if (bad || !cmd.applyAnswer())
        return kExitUsage;

    if (!insertReaderCard(p.value(QStringLiteral("reader"))))
        return kExitFailed;
    const uint8_t created = kind->create(uint16_t(*custId), *option);
    card::eject();
    return created == 1 ? kExitOk : kExitFailed;
}

int dcCount(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("dc count --reader CARD"),
                      QStringLiteral("Reads the used length of a reader data collection card "
                                     "(type 210) and prints it with the number of records: "
                                     "\"length L records N\"."));
    cmd.parser().addOption({QStringLiteral("reader"),
                            QStringLiteral("Card image file to put in the virtual reader."),
                            QStringLiteral("CARD")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!cmd.parser().isSet(QStringLiteral("reader")))
        return cmd.usageError(QStringLiteral("--reader is required"));
    if (!insertReaderCard(cmd.parser().value(QStringLiteral("reader"))))
        return kExitFailed;
    uint32_t length = 0;
    uint32_t records = 0;
    const uint8_t found = setup_read_laundry_dc_card(&length, &records);
    end_read_laundry_dc_card();
    card::eject();
    if (found != 1)
        return kExitFailed;
    printOut(QStringLiteral("length %1 records %2\n").arg(length).arg(records));
    return kExitOk;
}

} // namespace

int runDcCommand(const QStringList& args)
{
    return runGroup(
        QStringLiteral("dc"),
        {{"new", "format the card in the reader as a data collection card", &dcNew},
         {"count", "print the used length and record count of a reader DC card", &dcCount}},
        args);
}

} // namespace cli
