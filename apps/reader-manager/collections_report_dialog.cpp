#include "collections_report_dialog.h"

#include "card/atomic_file.h"
#include "collections_chart.h"
#include "datacollection/collections_export.h"
#include "host_messages.h"

#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace readermanager {
namespace {

using datacollection::ReportGrouping;

const QColor kAnomalyColor(255, 224, 178);

constexpr ReportGrouping kGroupings[] = {ReportGrouping::Month, ReportGrouping::Week,
                                         ReportGrouping::Day, ReportGrouping::Machine,
                                         ReportGrouping::Location};

QString groupingCaption(ReportGrouping by)
{
    switch (by) {
    case ReportGrouping::Machine:
        return QObject::tr("Machine");
    case ReportGrouping::Location:
        return QObject::tr("Location");
    case ReportGrouping::Day:
        return QObject::tr("Day");
    case ReportGrouping::Week:
        return QObject::tr("Week");
    case ReportGrouping::Month:
        break;
    }
    return QObject::tr("Month");
}

QDateEdit* dayEdit(QWidget* parent)
{
    auto* edit = new QDateEdit(parent);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    return edit;
}

} // namespace

CollectionsReportDialog::CollectionsReportDialog(const QString& databasePath, bool demo,
                                                 SaveAsker askSave, QWidget* parent)
    : QDialog(parent), path_(databasePath), askSave_(std::move(askSave))
{
    setObjectName(QStringLiteral("collectionsReportDialog"));
    setWindowTitle(demo ? tr("Collections - Demo Data") : tr("Collections"));
    createControls(demo);
    const QDate today = QDate::currentDate();
    to_->setDate(today);
    from_->setDate(today.addYears(-1).addDays(1));
    resize(900, 620);
}

void CollectionsReportDialog::createControls(bool demo)
{
    auto* layout = new QVBoxLayout(this);
    if (demo) {
        auto* banner = new QLabel(tr("DEMO DATA: a made-up year of a simulated route, kept in %1. "
                                     "Your own collections are not in it.")
                                      .arg(QFileInfo(path_).fileName()),
                                  this);
        banner->setObjectName(QStringLiteral("demoBanner"));
        banner->setWordWrap(true);
        banner->setStyleSheet(QStringLiteral(
            "QLabel { background: #fff3a0; border: 1px solid #c9a800; padding: 4px; }"));
        layout->addWidget(banner);
    }

    auto* controls = new QHBoxLayout;
    from_ = dayEdit(this);
    to_ = dayEdit(this);
    by_ = new QComboBox(this);
    by_->setObjectName(QStringLiteral("groupingBox"));
    for (ReportGrouping g : kGroupings)
        by_->addItem(groupingCaption(g), int(g));
    stack_ = new QComboBox(this);
    stack_->setObjectName(QStringLiteral("stackBox"));
    stack_->addItem(tr("Location"), int(datacollection::ChartStacking::Location));
    stack_->addItem(tr("Machine"), int(datacollection::ChartStacking::Machine));
    lateDays_ = new QSpinBox(this);
    lateDays_->setRange(1, 3650);
    lateDays_->setValue(datacollection::kDefaultLateAfterDays);
    lateDays_->setSuffix(tr(" days"));
    const auto labelled = [&](const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        label->setMinimumWidth(label->sizeHint().width());
        controls->addWidget(label);
        controls->addWidget(field);
    };
    labelled(tr("&From"), from_);
    labelled(tr("&To"), to_);
    labelled(tr("&Group by"), by_);
    labelled(tr("&Stack by"), stack_);
    labelled(tr("&Late after"), lateDays_);
    auto* refresh = new QPushButton(tr("&Refresh"), this);
    refresh->setObjectName(QStringLiteral("refreshButton"));
    controls->addWidget(refresh);
    controls->addStretch();
    layout->addLayout(controls);
    connect(refresh, &QPushButton::clicked, this, [this] { this->refresh(); });
    connect(by_, &QComboBox::currentIndexChanged, this, [this] { this->refresh(); });
    connect(stack_, &QComboBox::currentIndexChanged, this, [this] { showReport(); });

    pages_ = new QStackedWidget(this);
    empty_ = new QLabel(this);
    empty_->setObjectName(QStringLiteral("emptyState"));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    pages_->addWidget(empty_);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    chartView_ = new QChartView(splitter);
    chartView_->setObjectName(QStringLiteral("collectionsChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(220);
    tabs_ = new QTabWidget(splitter);
    lines_ = new QTableWidget(tabs_);
    lines_->setObjectName(QStringLiteral("linesTable"));
    anomalies_ = new QTableWidget(tabs_);
    anomalies_->setObjectName(QStringLiteral("anomaliesTable"));
    tabs_->addTab(lines_, tr("Report"));
    tabs_->addTab(anomalies_, tr("Anomalies"));
    splitter->addWidget(chartView_);
    splitter->addWidget(tabs_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    pages_->addWidget(splitter);
    layout->addWidget(pages_, 1);

    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("totalsLabel"));
    layout->addWidget(totals_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    csv_ = buttons->addButton(tr("Export &CSV..."), QDialogButtonBox::ActionRole);
    csv_->setObjectName(QStringLiteral("exportCsvButton"));
    pdf_ = buttons->addButton(tr("Save &PDF..."), QDialogButtonBox::ActionRole);
    pdf_->setObjectName(QStringLiteral("savePdfButton"));
    connect(csv_, &QPushButton::clicked, this, &CollectionsReportDialog::chooseCsv);
    connect(pdf_, &QPushButton::clicked, this, &CollectionsReportDialog::choosePdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CollectionsReportDialog::setRequest(const datacollection::CollectionsRequest& request)
{
    const QSignalBlocker block(by_);
    if (request.from.isValid())
        from_->setDate(request.from);
    if (request.to.isValid())
        to_->setDate(request.to);
    by_->setCurrentIndex(by_->findData(int(request.by)));
    lateDays_->setValue(request.lateAfterDays);
}

datacollection::CollectionsRequest CollectionsReportDialog::request() const
{
    return {from_->date(), to_->date(), ReportGrouping(by_->currentData().toInt()),
            lateDays_->value()};
}

bool CollectionsReportDialog::refresh()
{
    QString error;
    std::optional<datacollection::CollectionsReport> report =
        datacollection::collectionsReport(path_, request(), QDate::currentDate(), &error);
    if (!report) {
        showError(error);
        return false;
    }
    report_ = std::move(report);
    showReport();
    return true;
}

bool CollectionsReportDialog::showsEmptyState() const
{
    return pages_->currentWidget() == empty_;
}

void CollectionsReportDialog::showReport()
{
    if (!report_)
        return;
    const datacollection::CollectionsReport& report = *report_;
    csv_->setEnabled(!report.databaseEmpty());
    pdf_->setEnabled(!report.databaseEmpty());
    stack_->setEnabled(report.request.by != ReportGrouping::Machine &&
                       report.request.by != ReportGrouping::Location);
    if (report.databaseEmpty()) {
        empty_->setText(
            tr("No collections are stored in %1 yet.\n\nRead data collection cards and store "
               "their records (Data Collection menu), or look at the demo data "
               "(Reports > Collections of the Demo Route...).")
                .arg(QFileInfo(path_).fileName()));
        totals_->clear();
        pages_->setCurrentWidget(empty_);
        return;
    }
    pages_->setCurrentIndex(1);
    const auto stacking = datacollection::ChartStacking(stack_->currentData().toInt());
    QChart* old = chartView_->chart();
    chartView_->setChart(
        makeCollectionsChart(datacollection::collectionsChartData(report, stacking),
                             datacollection::collectionsTitle(report)));
    delete old;

    const datacollection::ReportTable lines = datacollection::reportTable(report);
    std::vector<bool> marked;
    for (const datacollection::ReportLine& line : report.lines)
        marked.push_back(line.anomalies > 0);
    fillTable(lines_, lines.headers, lines.shown, marked);
    const datacollection::ReportTable anomalies = datacollection::anomalyTable(report);
    fillTable(anomalies_, anomalies.headers, anomalies.shown,
              std::vector<bool>(size_t(anomalies.shown.size()), true));
    tabs_->setTabText(1, tr("Anomalies (%1)").arg(anomalies.shown.size()));
    totals_->setText(datacollection::collectionsTotalText(report));
}

void CollectionsReportDialog::fillTable(QTableWidget* table, const QStringList& headers,
                                        const QList<QStringList>& rows,
                                        const std::vector<bool>& marked)
{
    table->clear();
    table->setColumnCount(int(headers.size()));
    table->setRowCount(int(rows.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            if (marked[size_t(r)])
                item->setBackground(kAnomalyColor);
            table->setItem(int(r), int(c), item);
        }
    table->resizeColumnsToContents();
}

bool CollectionsReportDialog::exportCsv(const QString& path)
{
    if (!report_)
        return false;
    if (const QString error = card::saveFileAtomically(tr("CSV file"), path,
                                                       datacollection::collectionsCsv(*report_));
        !error.isEmpty()) {
        showError(error);
        return false;
    }
    return true;
}

bool CollectionsReportDialog::savePdf(const QString& path)
{
    if (!report_)
        return false;
    const QImage chart = chartView_->grab().toImage();
    if (const QString error = card::saveFileAtomically(
            tr("PDF file"), path, datacollection::collectionsPdf(*report_, chart));
        !error.isEmpty()) {
        showError(error);
        return false;
    }
    return true;
}

void CollectionsReportDialog::chooseCsv()
{
    const QString path = askSave_(tr("Export CSV"), QStringLiteral("collections.csv"),
                                  tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void CollectionsReportDialog::choosePdf()
{
    const QString path = askSave_(tr("Save PDF"), QStringLiteral("collections.pdf"),
                                  tr("PDF files (*.pdf);;All files (*)"));
    if (!path.isEmpty())
        savePdf(path);
}

} // namespace readermanager
