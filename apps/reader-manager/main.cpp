// reader-manager: the operator's desktop program over the laundry library.
#include "app_icon.h"
#include "laundry/laundry.h"
#include "main_window.h"
#include "services/ui_mode.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

QCommandLineOption dataOption(const QString& defaultFolder)
{
    return {QStringLiteral("data"),
            QStringLiteral("Folder of the installation: manager.mdb, the reader's card file "
                           "and the settings in reader-manager.ini (default: %1).")
                .arg(QDir::toNativeSeparators(defaultFolder)),
            QStringLiteral("DIR")};
}

void addOptions(QCommandLineParser& parser, const QCommandLineOption& data)
{
    parser.setApplicationDescription(
        QStringLiteral("Reader Manager: smart cards for coin-laundry machines."));
    // Not addHelpOption(): its --help-all lists Qt's own options.
    parser.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Displays this help.")});
    parser.addVersionOption();
    parser.addOption(data);
}

// --help and --version answer without a display, before the window system
// is started; 0 when one was answered, nothing otherwise.
std::optional<int> answerWithoutDisplay(int argc, char** argv, const QCommandLineOption& data)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const bool asked = std::any_of(args.begin() + 1, args.end(), [](const QString& arg) {
        return arg == u"-h" || arg == u"--help" || arg == u"-v" || arg == u"--version";
    });
    if (!asked)
        return std::nullopt;
    QCommandLineParser parser;
    addOptions(parser, data);
    parser.parse(args);
    if (parser.isSet(QStringLiteral("version")))
        std::printf("reader-manager %s\n", LAUNDRY_VERSION);
    else
        std::fputs(qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"),
                                                        QLatin1String("reader-manager"))),
                   stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Laundry"));
    QCoreApplication::setApplicationName(QStringLiteral("reader-manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAUNDRY_VERSION));
    const QString defaultFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QCommandLineOption data = dataOption(defaultFolder);
    if (const std::optional<int> answered = answerWithoutDisplay(argc, argv, data))
        return *answered;

    QApplication app(argc, argv);
    // The window system matches the windows to the installed reader-manager.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("reader-manager"));
    app.setWindowIcon(readermanager::applicationIcon());
    QCommandLineParser parser;
    addOptions(parser, data);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "reader-manager: unexpected argument %s (see --help)\n",
                     qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    // The library's messages and the window's own are Qt message boxes.
    set_laundry_ui_mode(LAUNDRY_UI_QT);
    promptui::installUi(promptui::UiMode::Qt);

    readermanager::MainWindow window(parser.isSet(data) ? parser.value(data) : defaultFolder);
    window.show();
    return app.exec();
}
