// The Reports menu: the collections report over the system database or over
// the demo database, and the first run's offer of demo data.
#include "../laundrycard/demo_route.h"
#include "collections_report_dialog.h"
#include "host_messages.h"
#include "main_window.h"
#include "services/dialog_runner.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStatusBar>

namespace readermanager {

QString MainWindow::demoDatabasePath() const
{
    return QDir(data_.folder).filePath(QString::fromLatin1(demo::kDemoDatabaseFileName));
}

void MainWindow::offerDemoData()
{
    demoOffer_ = new QWidget(this);
    demoOffer_->setObjectName(QStringLiteral("demoOffer"));
    auto* layout = new QHBoxLayout(demoOffer_);
    // Kept apart from the action message to its left.
    layout->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(new QLabel(tr("New here?"), demoOffer_));
    auto* button = new QPushButton(tr("Show Demo Collections"), demoOffer_);
    button->setObjectName(QStringLiteral("demoOfferButton"));
    button->setToolTip(tr("Makes a year of a simulated route in %1, apart from your own "
                          "database, and shows its Collections report.")
                           .arg(QString::fromLatin1(demo::kDemoDatabaseFileName)));
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, &MainWindow::openDemoCollections);
    // Beside the database's name, where the action messages never cover it.
    statusBar()->insertPermanentWidget(0, demoOffer_);
}

bool MainWindow::makeDemoData()
{
    QString error;
    const quint32 seed = QRandomGenerator::global()->bounded(1u, 100000u);
    const std::optional<int> stored =
        demo::storeDemoRoute(demoDatabasePath(), seed, QDate::currentDate(), &error);
    // The library's own database is the host's again.
    useProfileDatabase();
    if (!stored) {
        showError(error);
        return report(false, {}, tr("No demo data made."));
    }
    return report(true,
                  tr("Demo data: %1 collections of a simulated route in %2.")
                      .arg(*stored)
                      .arg(QString::fromLatin1(demo::kDemoDatabaseFileName)),
                  {});
}

void MainWindow::openDemoCollections()
{
    if (!QFileInfo::exists(demoDatabasePath()) && !makeDemoData())
        return;
    if (demoOffer_) {
        statusBar()->removeWidget(demoOffer_);
        demoOffer_->deleteLater();
        demoOffer_ = nullptr;
    }
    showCollections(demoDatabasePath(), true);
}

void MainWindow::openCollectionsReport()
{
    showCollections(data_.databasePath, false);
}

void MainWindow::showCollections(const QString& path, bool demo)
{
    CollectionsReportDialog dialog(
        path, demo,
        [this](const QString& title, const QString& name, const QString& filter) {
            return askSaveFile(title, name, filter);
        },
        this);
    if (!dialog.refresh()) {
        report(false, {}, tr("No collections report."));
        return;
    }
    promptui::runDialog(dialog);
    report(true, tr("Collections report closed."), {});
}

} // namespace readermanager
