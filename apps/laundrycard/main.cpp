// laundrycard: the command-line host of the laundry library, for scripting,
// automation and machines without a display.
#include "cli.h"
#include "commands.h"
#include "laundry/laundry.h"
#include "services/cardcore.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace {

const char kHelp[] =
    "Usage: laundrycard [--tokens on|off] GROUP COMMAND [options]\n"
    "\n"
    "Smart-card work for coin-laundry machines from the command line.\n"
    "\n"
    "Groups:\n"
    "  card      card image files: new, dump, describe\n"
    "  setup     reader setup cards: write, read\n"
    "  profile   reader setup profiles: list, show, export, import\n"
    "  dc        data collection cards: new, simulate, read, store, view, count\n"
    "  db        the system database: init, copy\n"
    "  report    reports over the stored collections: collections\n"
    "  holder    service persons' cards for the audit lookup: add, list, remove\n"
    "  specials  price special and door access profiles and their cards: import,\n"
    "            list, export, card\n"
    "\n"
    "Options:\n"
    "  --tokens on|off  whether tokens are in use in this installation (default on)\n"
    "  -h, --help       this help; every group and command has its own\n"
    "  --version        the program's version\n"
    "\n"
    "Exit status: 0 success, 1 refused or failed, 2 bad usage.\n";

} // namespace

int main(int argc, char** argv)
{
    // A PDF needs fonts, which need a GUI application; it never opens a window.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> application;
    if (cli::reportNeedsFonts(raw)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("laundrycard"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAUNDRY_VERSION));
    // Messages go to stderr, questions are answered by --yes/--no or the terminal.
    set_laundry_ui_mode(LAUNDRY_UI_CONSOLE);

    QStringList args = app.arguments().mid(1);
    while (!args.isEmpty() && args.first().startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            cli::printOut(QString::fromLatin1(kHelp));
            return cli::kExitOk;
        }
        if (option == QLatin1String("--version")) {
            cli::printOut(QStringLiteral("laundrycard %1\n").arg(LAUNDRY_VERSION));
            return cli::kExitOk;
        }
        if (option == QLatin1String("--tokens")) {
            const QString value = args.isEmpty() ? QString() : args.takeFirst();
            if (value != QLatin1String("on") && value != QLatin1String("off")) {
                cli::printError(QStringLiteral("--tokens takes on or off"));
                return cli::kExitUsage;
            }
            cardcore::SetTokensEnabled(value == QLatin1String("on"));
            continue;
        }
        cli::printError(QStringLiteral("unknown option %1 (see laundrycard --help)").arg(option));
        return cli::kExitUsage;
    }

    const QString group = args.isEmpty() ? QString() : args.takeFirst();
    if (group == QLatin1String("card"))
        return cli::runCardCommand(args);
    if (group == QLatin1String("setup"))
        return cli::runSetupCommand(args);
    if (group == QLatin1String("db"))
        return cli::runDbCommand(args);
    if (group == QLatin1String("profile"))
        return cli::runProfileCommand(args);
    if (group == QLatin1String("dc"))
        return cli::runDcCommand(args);
    if (group == QLatin1String("report"))
        return cli::runReportCommand(args);
    if (group == QLatin1String("holder"))
        return cli::runHolderCommand(args);
    if (group == QLatin1String("specials"))
        return cli::runSpecialsCommand(args);
    if (group.isEmpty()) {
        cli::printError(QStringLiteral("no command given"));
        cli::printOut(QString::fromLatin1(kHelp));
        return cli::kExitUsage;
    }
    cli::printError(QStringLiteral("unknown group \"%1\" (see laundrycard --help)").arg(group));
    return cli::kExitUsage;
}
