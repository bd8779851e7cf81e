// reader-manager-screenshots: the main window and the Profile Manager of a
// fresh data folder, and the Collections report of a demo route (seed 7, the
// year up to 12/6/2026, so the picture stays the same), grabbed into PNG files for the README
// (scripts/screenshots.sh runs it under QT_QPA_PLATFORM=offscreen). Says when
// a window does not fit a 1366x768 screen at 150% (910x512).
#include "../laundrycard/demo_route.h"
#include "collections_report_dialog.h"
#include "laundry/laundry.h"
#include "main_window.h"
#include "services/dialog_runner.h"
#include "services/ui_mode.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kFitWidth = 910;
constexpr int kFitHeight = 512;

// Saves the widget as folder/name; false after a message on stderr.
bool grabInto(QWidget& widget, const QString& folder, const char* name)
{
    QApplication::processEvents();
    const QString file = QDir(folder).filePath(QString::fromLatin1(name));
    const QSize size = widget.frameGeometry().size();
    std::printf("%s: %dx%d (at least %dx%d)\n", name, size.width(), size.height(),
                widget.minimumSizeHint().width(), widget.minimumSizeHint().height());
    if (widget.minimumSizeHint().width() > kFitWidth ||
        widget.minimumSizeHint().height() > kFitHeight)
        std::fprintf(stderr, "%s does not fit %dx%d\n", name, kFitWidth, kFitHeight);
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // A fresh home, so that the pictures show the default data folder as an
    // operator's own window does ("~/.local/share/..."), not a temporary path.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(home.errorString()));
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_DATA_HOME");
    QCoreApplication::setOrganizationName(QStringLiteral("Laundry"));
    QCoreApplication::setApplicationName(QStringLiteral("reader-manager"));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: reader-manager-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "could not create %s\n", argv[1]);
        return 1;
    }
    set_laundry_ui_mode(LAUNDRY_UI_QT);
    promptui::installUi(promptui::UiMode::Qt);

    readermanager::MainWindow window(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    window.show();
    bool saved = grabInto(window, out, "reader-manager.png");

    // The Profile Manager is grabbed when it runs, and closed again.
    promptui::setDialogRunner([&](QDialog& dialog) {
        dialog.show();
        // As large as it asks to be: the offscreen screen is only 800x600.
        dialog.resize(dialog.sizeHint());
        saved = grabInto(dialog, out, "profile-manager.png") && saved;
        return int(QDialog::Rejected);
    });
    window.action(QStringLiteral("profileManagerAction"))->trigger();
    promptui::setDialogRunner({});

    const QString demoPath = QDir(home.path()).filePath(QStringLiteral("demo.mdb"));
    QString error;
    if (!demo::storeDemoRoute(demoPath, 7, QDate(2026, 12, 6), &error)) {
        std::fprintf(stderr, "no demo data: %s\n", qPrintable(error));
        return 1;
    }
    readermanager::CollectionsReportDialog collections(demoPath, true, {});
    collections.setRequest(
        {QDate(2025, 12, 7), QDate(2026, 12, 6), datacollection::ReportGrouping::Month, 30});
    saved = collections.refresh() && saved;
    collections.resize(900, 600);
    collections.show();
    saved = grabInto(collections, out, "collections-report.png") && saved;
    return saved ? 0 : 1;
}
