#include "dc_records_panel.h"

#include "services/dc_record_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
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
    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("dcRecordsTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Machine"), tr("Location"), tr("Collection Date"), tr("Family"), tr("Stored")});
    table_->setToolTip(tr("Double-click a record to view it"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    // One line a record: a card holds many.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    layout->addWidget(table_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    store_ = new QPushButton(tr("Store Records"), this);
    store_->setObjectName(QStringLiteral("storeDcRecordsButton"));
    store_->setToolTip(tr("Store the records not stored yet in the database"));
    buttons->addWidget(store_);
    layout->addLayout(buttons);
    connect(store_, &QPushButton::clicked, this, &DcRecordsPanel::storeRequested);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit recordActivated(row); });
}

void DcRecordsPanel::showRecords(const GenericDC& records, DuplicatesMarked marked)
{
    table_->setRowCount(records.GetNumRecs());
    int stored = 0;
    for (int row = 0; row < records.GetNumRecs(); ++row) {
        QStringList cells = describeDcRecord(*records.GetRec(row));
        const bool duplicate = records.GetRec(row)->duplicate_flag != 0;
        stored += duplicate;
        cells << (marked == DuplicatesMarked::No ? QString() : duplicate ? tr("yes") : tr("no"));
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    store_->setEnabled(marked == DuplicatesMarked::Yes && stored < records.GetNumRecs());
    setTitle(
        marked == DuplicatesMarked::Yes
            ? tr("Data Collection Records (%1, %2 stored)").arg(records.GetNumRecs()).arg(stored)
            : tr("Data Collection Records (%1)").arg(records.GetNumRecs()));
}

} // namespace readermanager
