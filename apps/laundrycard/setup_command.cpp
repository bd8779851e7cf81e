// laundrycard setup write | read
#include "card/card_images.h"
#include "card/setup_record_file.h"
#include "card/virtual_reader.h"
#include "cli.h"
#include "commands.h"
#include "laundry/laundry.h"
#include "services/prompt.h"
#include "services/ui_mode.h"

#include <optional>

namespace cli {
namespace {

bool readRecord(const QString& path, STRUCT_laundry_setup* record)
{
    QString error;
    const std::optional<STRUCT_laundry_setup> read = card::readSetupRecordFile(path, &error);
    if (!read) {
        printError(error);
        return false;
    }
    *record = *read;
    return true;
}

// The record of a named profile, converted as the profile editor's Select
// converts it, with the customer id in word_02 as the desktop host puts it.
bool profileRecord(const QString& name, const QString& database, uint16_t custId,
                   STRUCT_laundry_setup* record)
{
    clear_laundry_setup_struct(record);
    record->word_02 = custId;
    set_laundry_database_path(database.toUtf8().constData());
    return load_laundry_setup_profile(name.toUtf8().constData(), record) == 1;
}

int setupWrite(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("setup write (--record REC | --profile NAME --db DB) "
                       "(--reader CARD | --file CARD) [--cust ID] [--yes|--no]"),
        QStringLiteral("Writes a setup record as a reader setup card onto the card in the "
                       "reader (--reader) or into a setup file (--file, created when missing). "
                       "The record comes from a record file (--record) or from a profile of a "
                       "database (--profile), converted as the profile editor's Select does."));
    auto& p = cmd.parser();
    p.addOption({QStringLiteral("record"), QStringLiteral("File with the setup record bytes."),
                 QStringLiteral("REC")});
    p.addOption({QStringLiteral("profile"),
                 QStringLiteral("Name of the reader setup profile to write (with --db)."),
                 QStringLiteral("NAME")});
    p.addOption({QStringLiteral("db"),
                 QStringLiteral("The system database (manager.mdb) holding the profile."),
                 QStringLiteral("DB")});
    cmd.addReaderOption();
    p.addOption(
        {QStringLiteral("file"), QStringLiteral("Setup file to write."), QStringLiteral("CARD")});
    p.addOption({QStringLiteral("cust"),
                 QStringLiteral("Customer id this host works with (default: the record's; "
                                "0 with --profile)."),
                 QStringLiteral("ID")});
    cmd.addAnswerOptions();
    if (auto status = cmd.parse(args, 0, 0))
        return *status;

    const bool fromProfile = p.isSet(QStringLiteral("profile"));
    if (fromProfile == p.isSet(QStringLiteral("record")))
        return cmd.usageError(QStringLiteral("give exactly one of --record and --profile"));
    if (fromProfile != p.isSet(QStringLiteral("db")))
        return cmd.usageError(QStringLiteral("--db goes with --profile, and only with it"));
    const bool toReader = p.isSet(QStringLiteral("reader"));
    if (toReader == p.isSet(QStringLiteral("file")))
        return cmd.usageError(QStringLiteral("give exactly one of --reader and --file"));
    if (!cmd.applyAnswer())
        return kExitUsage;

    STRUCT_laundry_setup record{};
    std::optional<uint32_t> custId;
    bool bad = false;
    if (fromProfile) {
        custId = cmd.number(QStringLiteral("cust"), 0xFFFF, 0, &bad);
        if (bad)
            return kExitUsage;
        if (!profileRecord(p.value(QStringLiteral("profile")), p.value(QStringLiteral("db")),
                           uint16_t(*custId), &record))
            return kExitFailed;
    } else {
        if (!readRecord(p.value(QStringLiteral("record")), &record))
            return kExitFailed;
        custId = cmd.number(QStringLiteral("cust"), 0xFFFF, record.word_02, &bad);
        if (bad)
            return kExitUsage;
    }

    uint8_t written = 0;
    if (toReader) {
        if (!insertReaderCard(p.value(QStringLiteral("reader"))))
            return kExitFailed;
        card::RexaCard image;
        written = create_laundry_setup_card(&image, uint16_t(*custId), &record, 0);
        card::eject();
        if (!written && !image.lastError().isEmpty())
            printError(image.lastError());
    } else {
        card::RexaFile image;
        if (!image.InitForWrite(p.value(QStringLiteral("file")))) {
            printError(image.lastError());
            return kExitFailed;
        }
        written = create_laundry_setup_card(&image, uint16_t(*custId), &record, 0);
        if (!written && !image.lastError().isEmpty())
            printError(image.lastError());
    }
    return written ? kExitOk : kExitFailed;
}

int setupRead(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("setup read --reader CARD --record OUT [--force]"),
                      QStringLiteral("Reads a Retrofit (184) or Maytag Gen2 (187) setup card in "
                                     "the reader back into a setup record and writes the record's "
                                     "bytes to OUT."));
    auto& p = cmd.parser();
    cmd.addReaderOption();
    p.addOption({QStringLiteral("record"), QStringLiteral("File to write the record bytes to."),
                 QStringLiteral("OUT")});
    cmd.addForceOption();
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("record")))
        return cmd.usageError(QStringLiteral("--reader and --record are required"));
    if (!cmd.mayWrite(p.value(QStringLiteral("record"))))
        return kExitFailed;

    if (!insertReaderCard(p.value(QStringLiteral("reader"))))
        return kExitFailed;
    // Zeroed first: the clear sets only some fields, and the record file
    // must not carry whatever the stack held in the others.
    STRUCT_laundry_setup record{};
    clear_laundry_setup_struct(&record);
    uint8_t version = 0;
    const uint8_t read = read_laundry_setup_record(&record, &version);
    card::eject();
    if (!read) {
        printError(QStringLiteral("the card in the reader is not a readable Retrofit or Maytag "
                                  "Gen2 setup card"));
        return kExitFailed;
    }

    if (const QString error = card::writeSetupRecordFile(p.value(QStringLiteral("record")), record);
        !error.isEmpty()) {
        printError(error);
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

int runSetupCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("setup"),
                    {{"write", "write a setup record or a profile onto a card or into a setup file",
                      &setupWrite},
                     {"read", "read a Retrofit or Gen2 setup card into a record file", &setupRead}},
                    args);
}

} // namespace cli
