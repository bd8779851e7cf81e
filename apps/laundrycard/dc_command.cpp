// laundrycard dc new | simulate | read | count
#include "card/card_images.h"
#include "card/card_state.h"
#include "card/card_status.h"
#include "card/dc_area.h"
#include "card/input_file.h"
#include "card/virtual_reader.h"
#include "cli.h"
#include "commands.h"
#include "dc_input.h"
#include "demo_route.h"
#include "laundry/dc_cards.h"
#include "laundry/dc_store.h"
#include "machines/dc_simulation.h"
#include "ordered_json.h"
#include "services/cardcore.h"
#include "services/dc_record_text.h"
#include "services/readerio.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

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
    cmd.addReaderOption();
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

// A records file is a few hundred bytes a record; a card holds 27.
constexpr qint64 kRecordsFileMaxBytes = 1 << 20;

// dc simulate --random year: a year of a small route into a database.
int simulateYear(CommandParser& cmd)
{
    QCommandLineParser& p = cmd.parser();
    for (const char* option : {"reader", "cust", "records", "family"})
        if (p.isSet(QLatin1String(option)))
            return cmd.usageError(
                QStringLiteral("--%1 does not go with --random year").arg(QLatin1String(option)));
    if (!p.isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--random year needs --db DB"));
    bool bad = false;
    const auto seed = cmd.number(QStringLiteral("seed"), 0xFFFFFFFF, 1, &bad);
    if (bad)
        return kExitUsage;
    QDate lastDay = QDate::currentDate();
    if (p.isSet(QStringLiteral("to"))) {
        lastDay = QDate::fromString(p.value(QStringLiteral("to")), QStringLiteral("yyyy-MM-dd"));
        if (!lastDay.isValid() || lastDay.year() < 1982 || lastDay.year() > 2080)
            return cmd.usageError(
                QStringLiteral("--to takes a day from 1982-01-01 to 2080-12-31 as YYYY-MM-DD, "
                               "not '%1'")
                    .arg(p.value(QStringLiteral("to"))));
    }
    QString error;
    const std::optional<int> stored =
        demo::storeDemoRoute(p.value(QStringLiteral("db")), *seed, lastDay, &error);
    if (!stored) {
        printError(error);
        return kExitFailed;
    }
    printOut(QStringLiteral("Stored %1 collections of a simulated route (seed %2) in %3\n")
                 .arg(*stored)
                 .arg(*seed)
                 .arg(dbhelper::shownDatabaseName(p.value(QStringLiteral("db")))));
    return kExitOk;
}

int dcSimulate(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("dc simulate --reader CARD [--cust ID] (--records FILE | --random N "
                       "[--seed S] [--family F])\n"
                       "  dc simulate --random year --db DB [--seed S] [--to YYYY-MM-DD]"),
        QStringLiteral("Lets laundry machines write their audit records onto the data collection "
                       "card in the reader, as their readers would: the records of a JSON file "
                       "(an array of {\"family\", \"machine_id\", \"location_id\", "
                       "\"collected\": \"YYYY-MM-DD HH:MM\", \"block\": hex}), or N "
                       "machines' plausible records. All records are written or none. "
                       "--random year instead stores a made-up year of collections of a small "
                       "route (11 machines in 3 stores, up to --to, default today) into DB, a "
                       "database of its own (created when missing; one that holds collections "
                       "is refused), to try the collections report on."));
    auto& p = cmd.parser();
    cmd.addReaderOption();
    p.addOption({QStringLiteral("cust"),
                 QStringLiteral("Customer id the machines' readers are set up for (default: the "
                                "card's own); they write onto their customer's cards only."),
                 QStringLiteral("ID")});
    p.addOption({QStringLiteral("records"), QStringLiteral("JSON file of the records to write."),
                 QStringLiteral("FILE")});
    p.addOption({QStringLiteral("random"),
                 QStringLiteral("Number of machines whose made-up records to write, or 'year'."),
                 QStringLiteral("N")});
    p.addOption({QStringLiteral("seed"),
                 QStringLiteral("Seed of the made-up records (default 1): the same seed gives "
                                "the same records."),
                 QStringLiteral("S")});
    p.addOption({QStringLiteral("family"),
                 QStringLiteral("Record family of the made-up records (3, 4, 5, 6, 8 or 13; "
                                "default: what suits the card)."),
                 QStringLiteral("F")});
    cmd.addDbOption();
    p.addOption({QStringLiteral("to"),
                 QStringLiteral("With --random year: the last day of the year (default today)."),
                 QStringLiteral("YYYY-MM-DD")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (p.value(QStringLiteral("random")) == QLatin1String("year"))
        return simulateYear(cmd);
    if (p.isSet(QStringLiteral("db")) || p.isSet(QStringLiteral("to")))
        return cmd.usageError(QStringLiteral("--db and --to go with --random year only"));
    if (!p.isSet(QStringLiteral("reader")))
        return cmd.usageError(QStringLiteral("--reader is required"));
    const bool fromFile = p.isSet(QStringLiteral("records"));
    if (fromFile == p.isSet(QStringLiteral("random")))
        return cmd.usageError(QStringLiteral("give exactly one of --records and --random"));
    if (fromFile && (p.isSet(QStringLiteral("seed")) || p.isSet(QStringLiteral("family"))))
        return cmd.usageError(QStringLiteral("--seed and --family go with --random only"));
    bool bad = false;
    const auto machines = cmd.number(QStringLiteral("random"), 27, 0, &bad);
    const auto seed = cmd.number(QStringLiteral("seed"), 0xFFFFFFFF, 1, &bad);
    const auto family = cmd.number(QStringLiteral("family"), 255, 0, &bad);
    const auto readerCust = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    if (bad)
        return kExitUsage;

    std::vector<GenericDCRec> records;
    if (fromFile) {
        QByteArray json;
        QString error =
            card::readInputFile(QStringLiteral("records file"), p.value(QStringLiteral("records")),
                                {kRecordsFileMaxBytes}, &json);
        std::optional<std::vector<GenericDCRec>> parsed;
        if (error.isEmpty() && !(parsed = machines::parseSimulatedRecords(json, &error)))
            error = QStringLiteral("%1: %2").arg(p.value(QStringLiteral("records")), error);
        if (!error.isEmpty()) {
            printError(error);
            return kExitFailed;
        }
        records = std::move(*parsed);
    }
    if (!insertReaderCard(p.value(QStringLiteral("reader"))))
        return kExitFailed;
    const uint8_t type = card::insertedCard()->cardType();
    const uint16_t owner =
        p.isSet(QStringLiteral("cust")) ? uint16_t(*readerCust) : card::insertedCard()->custId();
    if (!fromFile)
        records = machines::randomRecords(
            type, int(*machines), *seed, QDate::currentDate(),
            p.isSet(QStringLiteral("family")) ? std::optional(uint8_t(*family)) : std::nullopt);
    for (std::size_t i = 0; i < records.size() && card::isDcCardType(type); ++i)
        if (!card::dcCardHolds(type, records[i].record_family)) {
            printError(QStringLiteral("no record written: record %1 is of family %2, which a "
                                      "card of type %3 does not take")
                           .arg(i + 1)
                           .arg(records[i].record_family)
                           .arg(type));
            card::eject();
            return kExitFailed;
        }
    readerio::PowerCard(readerio::POWER_ON);
    // The machines' readers write to their owner's cards only.
    const uint8_t status = machines::appendDcRecords(owner, records);
    readerio::PowerCard(readerio::POWER_OFF);
    const QString saveError = card::lastSaveError();
    card::eject();
    if (status != 0) {
        printError(QStringLiteral("no record written: %1")
                       .arg(saveError.isEmpty() ? card::statusText(status) : saveError));
        return kExitFailed;
    }
    printOut(QStringLiteral("Wrote %1 records\n").arg(records.size()));
    return kExitOk;
}

int dcRead(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("dc read --reader CARD --cust ID [--db DB] [--json]"),
                      QStringLiteral("Reads every data collection card image of the card file in "
                                     "the reader (types 210, 215 and 217) for customer ID and "
                                     "prints its records; with --db, each marked duplicate when "
                                     "it is already stored there."));
    auto& p = cmd.parser();
    addDcCardOptions(cmd);
    cmd.addDbOption();
    p.addOption({QStringLiteral("json"), QStringLiteral("Print the records as JSON.")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("cust")))
        return cmd.usageError(QStringLiteral("--reader and --cust are required"));
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
    if (bad)
        return kExitUsage;

    CdbDatabase database;
    if (p.isSet(QStringLiteral("db")) &&
        !openSystemDatabase(cmd.value(QStringLiteral("db")), database))
        return kExitFailed;
    GenericDC records;
    if (!readDcRecords(cmd.value(QStringLiteral("reader")), uint16_t(*custId), records))
        return kExitFailed;
    if (database.IsOpen() && mark_duplicate_laundry_dc_record(&database, &records) != 1)
        return kExitFailed;

    QJsonArray list;
    QList<QStringList> rows{{"NO", "FAMILY", "MACHINE", "LOCATION", "COLLECTED", "DUP"}};
    for (int i = 0; i < records.GetNumRecs(); ++i) {
        const GenericDCRec& r = *records.GetRec(i);
        const QByteArray block(reinterpret_cast<const char*>(r.familyData()), r.family_data_size);
        const QString machine = cardcore::dcIdText(r.machine_id);
        const QString location = cardcore::dcIdText(r.location_id);
        const QString collected = cardcore::dcCollectTimeText(r.collect_time);
        const bool duplicate = r.duplicate_flag == 1;
        list.append(QJsonObject{{"number", i},
                                {"family", r.record_family},
                                {"machine_id", machine},
                                {"location_id", location},
                                {"collected", collected},
                                {"duplicate", duplicate},
                                {"block", QString::fromLatin1(block.toHex())}});
        rows << QStringList{QString::number(i),
                            QString::number(r.record_family),
                            machine,
                            location,
                            collected,
                            duplicate ? QStringLiteral("yes") : QStringLiteral("no")};
    }
    if (p.isSet(QStringLiteral("json")))
        printOut(toOrderedJson(QJsonObject{{"records", list}},
                               {"records", "number", "family", "machine_id", "location_id",
                                "collected", "duplicate", "block"}) +
                 QLatin1Char('\n'));
    else
        printOut(textTable(rows));
    return kExitOk;
}

int dcCount(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("dc count --reader CARD"),
                      QStringLiteral("Reads the used length of a reader data collection card "
                                     "(type 210) and prints it with the number of records: "
                                     "\"length L records N\"."));
    cmd.addReaderOption();
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
         {"simulate", "let machines write their records onto a DC card", &dcSimulate},
         {"read", "read and print the records of DC cards", &dcRead},
         {"store", "store the records of a DC card in the database", &dcStore},
         {"view", "print what the record viewer shows for one record", &dcView},
         {"count", "print the used length and record count of a reader DC card", &dcCount}},
        args);
}

} // namespace cli
