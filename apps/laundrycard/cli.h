// Shared pieces of the laundrycard commands: exit statuses, number parsing,
// option parsing with --help, and error output.
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace cli {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

// Decimal or 0x-prefixed hexadecimal, within [0, max].
std::optional<uint32_t> parseNumber(const QString& text, uint32_t max);

void printError(const QString& message);
void printOut(const QString& text);

// One subcommand's parser. parse() handles --help and usage errors; when it
// returns a status the command ends with it.
class CommandParser {
public:
    CommandParser(const QString& usage, const QString& description);
    QCommandLineParser& parser() { return parser_; }
    // kExitOk with --help printed, kExitUsage after a usage error, or nothing
    // when the command should run.
    std::optional<int> parse(const QStringList& args, int minPositional, int maxPositional);
    int usageError(const QString& message) const;
    QStringList positional() const { return parser_.positionalArguments(); }
    QString value(const QString& option) const { return parser_.value(option); }

    // --reader CARD: the card image file to put in the virtual reader.
    void addReaderOption();
    // A card taken as PATH or as --reader CARD, the same for every command
    // that reads one card file; parse with 0 to 1 positional arguments.
    void addCardArgument();
    // The card file given, or a usage error printed and nullopt.
    std::optional<QString> cardArgument() const;
    // --db DB: the system database.
    void addDbOption();
    // --yes and --no: the answer the console gives to every question.
    void addAnswerOptions();
    // Sets the console's answer from --yes/--no; false after a usage error
    // (both given).
    bool applyAnswer() const;

    // --force: replace an output file that exists.
    void addForceOption();
    // True when the command may write path: it does not exist, or --force
    // was given; otherwise the refusal is printed.
    bool mayWrite(const QString& path) const;

    // A numeric option's value, or a usage error printed and nullopt.
    std::optional<uint32_t> number(const QString& option, uint32_t max, uint32_t fallback,
                                   bool* bad) const;

private:
    QCommandLineParser parser_;
    QString usage_;
};

// The bytes of an import file of at most maxBytes, or nullopt with the
// reason printed.
std::optional<QByteArray> readImportFile(const QString& what, const QString& path, qint64 maxBytes);

// What an all-or-nothing import of the file at path did (a profile or a
// specials import: fileError, refusals, failed, stored), printed one line
// each; the command's exit status.
template <class Outcome> int reportImport(const QString& path, const Outcome& outcome)
{
    if (!outcome.fileError.isEmpty()) {
        printError(QStringLiteral("%1: %2").arg(path, outcome.fileError));
        return kExitFailed;
    }
    if (!outcome.refusals.isEmpty()) {
        printError(QStringLiteral("nothing imported; %1 refused:").arg(outcome.refusals.size()));
        for (const QString& refusal : outcome.refusals)
            printError(refusal);
        return kExitFailed;
    }
    if (outcome.failed) {
        printError(QStringLiteral("nothing imported"));
        return kExitFailed;
    }
    printOut(
        QStringLiteral("Imported %1 %2\n")
            .arg(outcome.stored)
            .arg(outcome.stored == 1 ? QStringLiteral("profile") : QStringLiteral("profiles")));
    return kExitOk;
}

// Rows as text columns, each as wide as its widest cell plus two blanks;
// a line ends without blanks.
QString textTable(const QList<QStringList>& rows);

// Puts the card image file into the virtual reader; false with the reason
// printed when it cannot.
bool insertReaderCard(const QString& path);

// A command group ("card", "setup", "db"): runs the verb named by args[0],
// or prints the group's help.
struct Verb {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& args);
};
int runGroup(const QString& group, std::initializer_list<Verb> verbs, const QStringList& args);

} // namespace cli
