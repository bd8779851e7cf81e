#include "dc_records_panel.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace readermanager {
namespace {

QString paddedId(const char* id, int size)
{
    while (size > 0 && id[size - 1] == ' ')
        --size;
    return QString::fromLatin1(id, size);
}

// Two decimal digits of a BCD byte, or -1 when a nibble is no digit.
int bcd(uint8_t byte)
{
    const int high = byte >> 4;
    const int low = byte & 0x0F;
    return high > 9 || low > 9 ? -1 : high * 10 + low;
}

QString collectionDate(const uint8_t (&time)[5])
{
    int v[5];
    for (int i = 0; i < 5; ++i) {
        v[i] = bcd(time[i]);
        // A damaged time is shown as the card holds it.
        if (v[i] < 0)
            return QStringLiteral("%1 (BCD)")
                .arg(QString::fromLatin1(
                    QByteArray(reinterpret_cast<const char*>(time), 5).toHex(' ')));
    }
    const int year = v[0] > 80 ? 1900 + v[0] : 2000 + v[0];
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(year)
        .arg(v[1], 2, 10, QLatin1Char('0'))
        .arg(v[2], 2, 10, QLatin1Char('0'))
        .arg(v[3], 2, 10, QLatin1Char('0'))
        .arg(v[4], 2, 10, QLatin1Char('0'));
}

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
    return {paddedId(record.machine_id, sizeof record.machine_id),
            paddedId(record.location_id, sizeof record.location_id),
            collectionDate(record.collect_time), familyName(record.record_family)};
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
