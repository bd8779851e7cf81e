// laundrycard setup write
#include "card/card_images.h"
#include "card/virtual_reader.h"
#include "cli.h"
#include "commands.h"
#include "laundry/laundry.h"
#include "services/prompt.h"
#include "services/ui_mode.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace cli {
namespace {

// The record file holds the exact bytes of one setup record.
bool readRecord(const QString& path, STRUCT_laundry_setup* record)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read record file %1: %2").arg(path, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(sizeof(STRUCT_laundry_setup) + 1);
    if (bytes.size() != qsizetype(sizeof(STRUCT_laundry_setup))) {
        printError(QStringLiteral("record file %1 holds %2 bytes; a setup record is %3 bytes")
                       .arg(path)
                       .arg(bytes.size())
                       .arg(sizeof(STRUCT_laundry_setup)));
        return false;
    }
    std::memcpy(record, bytes.constData(), sizeof *record);
    return true;
}

int setupWrite(const QStringList& args)
{
    CommandParser cmd(
        QStringLiteral("setup write --record REC (--reader CARD | --file CARD) [--cust ID] "
                       "[--yes|--no]"),
        QStringLiteral("Writes a setup record as a reader setup card onto the card in the "
                       "reader (--reader) or into a setup file (--file, created when missing)."));
    auto& p = cmd.parser();
    p.addOption({QStringLiteral("record"), QStringLiteral("File with the setup record bytes."),
                 QStringLiteral("REC")});
    p.addOption({QStringLiteral("reader"),
                 QStringLiteral("Card image file to put in the virtual reader."),
                 QStringLiteral("CARD")});
    p.addOption({QStringLiteral("file"), QStringLiteral("Setup file to write."),
                 QStringLiteral("CARD")});
    p.addOption({QStringLiteral("cust"),
                 QStringLiteral("Customer id this host works with (default: the record's)."),
                 QStringLiteral("ID")});
    p.addOption({QStringLiteral("yes"), QStringLiteral("Answer Yes to every question.")});
    p.addOption({QStringLiteral("no"), QStringLiteral("Answer No to every question.")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;

    if (!p.isSet(QStringLiteral("record")))
        return cmd.usageError(QStringLiteral("--record is required"));
    const bool toReader = p.isSet(QStringLiteral("reader"));
    if (toReader == p.isSet(QStringLiteral("file")))
        return cmd.usageError(QStringLiteral("give exactly one of --reader and --file"));
    if (p.isSet(QStringLiteral("yes")) && p.isSet(QStringLiteral("no")))
        return cmd.usageError(QStringLiteral("give at most one of --yes and --no"));

    STRUCT_laundry_setup record;
    if (!readRecord(p.value(QStringLiteral("record")), &record))
        return kExitFailed;
    bool bad = false;
    const auto custId = cmd.number(QStringLiteral("cust"), 0xFFFF, record.word_02, &bad);
    if (bad)
        return kExitUsage;

    if (p.isSet(QStringLiteral("yes")))
        promptui::setConsoleAnswer(promptui::IDYES);
    else if (p.isSet(QStringLiteral("no")))
        promptui::setConsoleAnswer(promptui::IDNO);

    uint8_t written = 0;
    if (toReader) {
        QString error;
        if (!card::insertCardFile(p.value(QStringLiteral("reader")), &error)) {
            printError(error);
            return kExitFailed;
        }
        card::RexaCard image;
        written = create_laundry_setup_card(&image, uint16_t(*custId), &record, 0);
        card::eject();
    } else {
        card::RexaFile image;
        if (!image.InitForWrite(p.value(QStringLiteral("file")))) {
            printError(image.lastError());
            return kExitFailed;
        }
        written = create_laundry_setup_card(&image, uint16_t(*custId), &record, 0);
        if (written && !image.lastError().isEmpty()) {
            printError(image.lastError());
            return kExitFailed;
        }
    }
    return written ? kExitOk : kExitFailed;
}

int setupRead(const QStringList& args)
{
    CommandParser cmd(QStringLiteral("setup read --reader CARD --record OUT"),
                      QStringLiteral("Reads a Retrofit (184) or Maytag Gen2 (187) setup card in "
                                     "the reader back into a setup record and writes the record's "
                                     "bytes to OUT."));
    auto& p = cmd.parser();
    p.addOption({QStringLiteral("reader"),
                 QStringLiteral("Card image file to put in the virtual reader."),
                 QStringLiteral("CARD")});
    p.addOption({QStringLiteral("record"), QStringLiteral("File to write the record bytes to."),
                 QStringLiteral("OUT")});
    if (auto status = cmd.parse(args, 0, 0))
        return *status;
    if (!p.isSet(QStringLiteral("reader")) || !p.isSet(QStringLiteral("record")))
        return cmd.usageError(QStringLiteral("--reader and --record are required"));

    QString error;
    if (!card::insertCardFile(p.value(QStringLiteral("reader")), &error)) {
        printError(error);
        return kExitFailed;
    }
    STRUCT_laundry_setup record;
    clear_laundry_setup_struct(&record);
    uint8_t version = 0;
    const uint8_t read = read_laundry_setup_card(&record, &version);
    card::eject();
    if (!read) {
        printError(QStringLiteral("the card in the reader is not a readable Retrofit or Maytag "
                                  "Gen2 setup card"));
        return kExitFailed;
    }

    QSaveFile out(p.value(QStringLiteral("record")));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(&record), sizeof record) != qint64(sizeof record) ||
        !out.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(out.fileName(), out.errorString()));
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

int runSetupCommand(const QStringList& args)
{
    return runGroup(QStringLiteral("setup"),
                    {{"write", "write a setup record onto a card or into a setup file", &setupWrite},
                     {"read", "read a Retrofit or Gen2 setup card into a record file", &setupRead}},
                    args);
}

}  // namespace cli
