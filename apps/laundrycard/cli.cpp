#include "cli.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "card/input_file.h"
#include "card/virtual_reader.h"
#include "services/prompt.h"
#include "services/ui_mode.h"

#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace cli {

std::optional<uint32_t> parseNumber(const QString& text, uint32_t max)
{
    bool ok = false;
    const QString t = text.trimmed();
    const qulonglong value = t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                 ? t.mid(2).toULongLong(&ok, 16)
                                 : t.toULongLong(&ok, 10);
    if (!ok || value > max)
        return std::nullopt;
    return static_cast<uint32_t>(value);
}

void printError(const QString& message)
{
    // One line each, so scripts can read them line by line: the line breaks
    // of the editor's messages become blanks.
    static const QRegularExpression lineBreak(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString line = message;
    line.replace(lineBreak, QStringLiteral(" "));
    QTextStream err(stderr);
    err << "laundrycard: " << line.trimmed() << Qt::endl;
}

void printOut(const QString& text)
{
    QTextStream out(stdout);
    out << text;
    out.flush();
}

CommandParser::CommandParser(const QString& usage, const QString& description) : usage_(usage)
{
    parser_.setApplicationDescription(description);
    // Not addHelpOption(): it adds --help-all, which lists Qt's own options.
    parser_.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser_.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
}

std::optional<int> CommandParser::parse(const QStringList& args, int minPositional,
                                        int maxPositional)
{
    // args[0] is the command's name, as QCommandLineParser expects.
    if (!parser_.parse(args))
        return usageError(parser_.errorText());
    if (parser_.isSet(QStringLiteral("help"))) {
        printOut(QStringLiteral("Usage: laundrycard %1\n\n").arg(usage_) +
                 parser_.helpText().section('\n', 1));
        return kExitOk;
    }
    const int count = int(parser_.positionalArguments().size());
    if (count < minPositional)
        return usageError(QStringLiteral("missing argument"));
    if (count > maxPositional)
        return usageError(QStringLiteral("unexpected argument \"%1\"")
                              .arg(parser_.positionalArguments().value(maxPositional)));
    return std::nullopt;
}

int CommandParser::usageError(const QString& message) const
{
    printError(message);
    printError(QStringLiteral("usage: laundrycard %1 (see --help)").arg(usage_));
    return kExitUsage;
}

void CommandParser::addReaderOption()
{
    parser_.addOption({QStringLiteral("reader"),
                       QStringLiteral("Card image file to put in the virtual reader."),
                       QStringLiteral("CARD")});
}

void CommandParser::addCardArgument()
{
    parser_.addPositionalArgument(QStringLiteral("PATH"),
                                  QStringLiteral("Card image file (or give it as --reader)."),
                                  QStringLiteral("[PATH]"));
    addReaderOption();
}

std::optional<QString> CommandParser::cardArgument() const
{
    const bool positional = !parser_.positionalArguments().isEmpty();
    if (positional == parser_.isSet(QStringLiteral("reader"))) {
        usageError(QStringLiteral("give the card file once, as PATH or as --reader CARD"));
        return std::nullopt;
    }
    return positional ? parser_.positionalArguments().constFirst()
                      : parser_.value(QStringLiteral("reader"));
}

void CommandParser::addDbOption()
{
    parser_.addOption({QStringLiteral("db"),
                       QStringLiteral("The system database to use: a file (manager.mdb) or a "
                                      "postgresql://user@host/database URI."),
                       QStringLiteral("DB")});
}

void CommandParser::addAnswerOptions()
{
    parser_.addOption({QStringLiteral("yes"), QStringLiteral("Answer Yes to every question.")});
    parser_.addOption({QStringLiteral("no"), QStringLiteral("Answer No to every question.")});
}

bool CommandParser::applyAnswer() const
{
    const bool yes = parser_.isSet(QStringLiteral("yes"));
    const bool no = parser_.isSet(QStringLiteral("no"));
    if (yes && no) {
        usageError(QStringLiteral("give at most one of --yes and --no"));
        return false;
    }
    if (yes || no)
        promptui::setConsoleAnswer(yes ? promptui::IDYES : promptui::IDNO);
    return true;
}

std::optional<QByteArray> readImportFile(const QString& what, const QString& path, qint64 maxBytes)
{
    QByteArray bytes;
    if (const QString error = card::readInputFile(what, path, {maxBytes}, &bytes);
        !error.isEmpty()) {
        printError(error);
        return std::nullopt;
    }
    return bytes;
}

void CommandParser::addForceOption()
{
    parser_.addOption({QStringLiteral("force"), QStringLiteral("Replace the file if it exists.")});
}

bool CommandParser::mayWrite(const QString& path) const
{
    if (parser_.isSet(QStringLiteral("force")) || !QFileInfo::exists(path))
        return true;
    printError(QStringLiteral("%1 exists; give --force to replace it").arg(path));
    return false;
}

QString textTable(const QList<QStringList>& rows)
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

bool insertReaderCard(const QString& path)
{
    QString error;
    if (card::insertCardFile(path, &error))
        return true;
    printError(error);
    return false;
}

std::optional<uint32_t> CommandParser::number(const QString& option, uint32_t max,
                                              uint32_t fallback, bool* bad) const
{
    if (!parser_.isSet(option))
        return fallback;
    const auto value = parseNumber(parser_.value(option), max);
    if (!value) {
        usageError(QStringLiteral("--%1: \"%2\" is not a number from 0 to %3")
                       .arg(option, parser_.value(option))
                       .arg(max));
        *bad = true;
    }
    return value;
}

int runGroup(const QString& group, std::initializer_list<Verb> verbs, const QStringList& args)
{
    const QString verb = args.value(0);
    for (const Verb& v : verbs)
        if (verb == QLatin1String(v.name))
            return v.run(args);
    if (verb.isEmpty() || verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        QString help =
            QStringLiteral("Usage: laundrycard %1 COMMAND [--help]\n\nCommands:\n").arg(group);
        for (const Verb& v : verbs)
            help += QStringLiteral("  %1  %2\n")
                        .arg(QLatin1String(v.name), -8)
                        .arg(QLatin1String(v.summary));
        printOut(help);
        return verb.isEmpty() ? kExitUsage : kExitOk;
    }
    printError(
        QStringLiteral("unknown command \"%1 %2\" (see laundrycard %1 --help)").arg(group, verb));
    return kExitUsage;
}

} // namespace cli
