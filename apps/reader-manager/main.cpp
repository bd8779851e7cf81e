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

// The options Qt's window system takes itself (QApplication removes them
// from the arguments); known here so that checking the arguments before the
// display is opened does not refuse them.
void addQtOptions(QCommandLineParser& parser)
{
    const auto hidden = [&](QCommandLineOption option) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon", "display",
                             "geometry", "style", "stylesheet", "session", "title", "name"})
        hidden({QString::fromLatin1(name), QString(), QStringLiteral("value")});
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        hidden(QCommandLineOption(QString::fromLatin1(name)));
}

// What the command line asks for, read before the window system is started,
// so that --help, --version and a wrong argument are answered without a
// display: an exit status then, else the data folder to open.
struct Arguments {
    std::optional<int> exitStatus;
    QString dataFolder;
};

Arguments readArguments(int argc, char** argv, const QCommandLineOption& data,
                        const QString& defaultFolder)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // Qt's own options have one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addOptions(parser, data);
    addQtOptions(parser);
    if (!parser.parse(args)) {
        QString error = parser.errorText();
        if (error.endsWith('.'))
            error.chop(1);
        std::fprintf(stderr, "reader-manager: %s (see --help)\n", qPrintable(error));
        return {2, {}};
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "reader-manager: unexpected argument %s (see --help)\n",
                     qPrintable(parser.positionalArguments().first()));
        return {2, {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("reader-manager %s\n", LAUNDRY_VERSION);
        return {0, {}};
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"),
                                                        QLatin1String("reader-manager"))),
                   stdout);
        return {0, {}};
    }
    return {std::nullopt, parser.isSet(data) ? parser.value(data) : defaultFolder};
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Laundry"));
    QCoreApplication::setApplicationName(QStringLiteral("reader-manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAUNDRY_VERSION));
    const QString defaultFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QCommandLineOption data = dataOption(defaultFolder);
    const Arguments arguments = readArguments(argc, argv, data, defaultFolder);
    if (arguments.exitStatus)
        return *arguments.exitStatus;

    QApplication app(argc, argv);
    // The window system matches the windows to the installed reader-manager.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("reader-manager"));
    app.setWindowIcon(readermanager::applicationIcon());

    // The library's messages and the window's own are Qt message boxes.
    set_laundry_ui_mode(LAUNDRY_UI_QT);
    promptui::installUi(promptui::UiMode::Qt);

    readermanager::MainWindow window(arguments.dataFolder);
    window.show();
    return app.exec();
}
