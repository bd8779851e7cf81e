// The records read from a data collection card, one row a record, as the
// window shows them below the card's details.
#pragma once

#include "services/dc_records.h"

#include <QGroupBox>
#include <QStringList>

class QPushButton;
class QTableWidget;

namespace readermanager {

// Machine, location, collection date and family of a record, as the table
// shows them: ids without their blank padding, the date from the card's BCD
// time (years above 80 are 19yy).
QStringList describeDcRecord(const GenericDCRec& record);

// Whether the records' duplicate flags say anything: they are marked only
// when the database was searched.
enum class DuplicatesMarked { No, Yes };

class DcRecordsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DcRecordsPanel(QWidget* parent = nullptr);

    void showRecords(const GenericDC& records, DuplicatesMarked marked);

signals:
    // A double-click on the row of the record at that index.
    void recordActivated(int index);
    void storeRequested();

private:
    QTableWidget* table_ = nullptr;
    QPushButton* store_ = nullptr;
};

} // namespace readermanager
