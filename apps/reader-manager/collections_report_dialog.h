// "Reports > Collections...": the collections report of a database as a
// table and a chart, the anomalies highlighted, with Export CSV and Save
// PDF. The figures come from datacollection::collectionsReport; this is the
// window around them.
#pragma once

#include "datacollection/collections_report.h"

#include <QDialog>

#include <functional>
#include <optional>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;

namespace readermanager {

// Asks for a file to save under (title, suggested name, filter): its path,
// or "" when cancelled.
using SaveAsker = std::function<QString(const QString&, const QString&, const QString&)>;

class CollectionsReportDialog : public QDialog {
    Q_OBJECT
public:
    // demo: the database holds made-up demo collections, and says so.
    CollectionsReportDialog(const QString& databasePath, bool demo, SaveAsker askSave,
                            QWidget* parent = nullptr);

    void setRequest(const datacollection::CollectionsRequest& request);
    // Builds the report again from the controls; false after a message.
    bool refresh();
    bool exportCsv(const QString& path);
    bool savePdf(const QString& path);

    const std::optional<datacollection::CollectionsReport>& report() const { return report_; }
    QChartView* chartView() const { return chartView_; }
    bool showsEmptyState() const;

private:
    void createControls(bool demo);
    datacollection::CollectionsRequest request() const;
    void showReport();
    void fillTable(QTableWidget* table, const QStringList& headers, const QList<QStringList>& rows,
                   const std::vector<bool>& marked);
    void chooseCsv();
    void choosePdf();

    QString path_;
    SaveAsker askSave_;
    std::optional<datacollection::CollectionsReport> report_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QComboBox* by_ = nullptr;
    QComboBox* stack_ = nullptr;
    QSpinBox* lateDays_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* totals_ = nullptr;
    QChartView* chartView_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* lines_ = nullptr;
    QTableWidget* anomalies_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* pdf_ = nullptr;
};

} // namespace readermanager
