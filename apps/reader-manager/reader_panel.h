// The virtual reader as the operator sees it: which card file is in it, the
// card's header, and the buttons that change the card.
#pragma once

#include "card_summary.h"

#include <QGroupBox>

class QAction;
class QFormLayout;
class QHBoxLayout;
class QLabel;

namespace readermanager {

class ReaderPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ReaderPanel(QWidget* parent = nullptr);

    // A button for the action, below the card's details.
    void addButton(QAction* action);
    void showCard(const CardSummary& summary);

private:
    QLabel* addRow(const QString& title, const char* objectName);

    QFormLayout* form_ = nullptr;
    QLabel* file_ = nullptr;
    QLabel* type_ = nullptr;
    QLabel* customerId_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* chip_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

} // namespace readermanager
