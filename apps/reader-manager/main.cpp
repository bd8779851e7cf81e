// reader-manager: the operator's desktop program over the laundry library.
#include "laundry/laundry.h"
#include "main_window.h"
#include "services/ui_mode.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Laundry"));
    QCoreApplication::setApplicationName(QStringLiteral("reader-manager"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LAUNDRY_VERSION));

    const QString defaultFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reader Manager: smart cards for coin-laundry machines."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"),
        QStringLiteral("Folder of manager.mdb and the reader's card file (default: %1).")
            .arg(QDir::toNativeSeparators(defaultFolder)),
        QStringLiteral("DIR"));
    parser.addOption(dataOption);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "reader-manager: unexpected argument %s (see --help)\n",
                     qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    // The library's messages and the window's own are Qt message boxes.
    set_laundry_ui_mode(LAUNDRY_UI_QT);
    promptui::installUi(promptui::UiMode::Qt);

    readermanager::MainWindow window(parser.isSet(dataOption) ? parser.value(dataOption)
                                                              : defaultFolder,
                                     std::make_unique<QSettings>());
    window.show();
    return app.exec();
}
