#include "dc_records_panel.h"

#include "services/dc_record_text.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace readermanager {
namespace {

QString familyName(uint8_t family)
{
    switch (family) {
    case 3:
        return QObject::tr("Washer (3)");
    case 4:
        return QObject::tr("Dryer (4)");
    case 5:
        return QObject::tr("Stacked washer (5)");
    case 6:
        return QObject::tr("Stacked dryer (6)");
    case 8:
        return QObject::tr("Advanteck audit (8)");
    case 13:
        return QObject::tr("MDC/Quantum (13)");
    default:
        return QString::number(family);
    }
}

} // namespace

QStringList describeDcRecord(const GenericDCRec& record)
{
    return {cardcore::dcIdText(record.machine_id), cardcore::dcIdText(record.location_id),
            cardcore::dcCollectTimeText(record.collect_time), familyName(record.record_family)};
}

DcRecordsPanel::DcRecordsPanel(QWidget* parent) : QGroupBox(tr("Data Collection Records"), parent)
{
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("dcRecordsTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Machine"), tr("Location"), tr("Collection Date"), tr("Family")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    // One line a record: a card holds many.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    layout->addWidget(table_);
}

void DcRecordsPanel::showRecords(const GenericDC& records)
{
    table_->setRowCount(records.GetNumRecs());
    for (int row = 0; row < records.GetNumRecs(); ++row) {
        const QStringList cells = describeDcRecord(*records.GetRec(row));
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    setTitle(tr("Data Collection Records (%1)").arg(records.GetNumRecs()));
}

} // namespace readermanager
