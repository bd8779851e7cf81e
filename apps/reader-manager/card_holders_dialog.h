// "Card Holders...": the service persons' cards whose serials the Advanteck
// audit records carry, with the account and names the lookup gives them.
#pragma once

#include <QDialog>

class LaundryCardHolders;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace readermanager {

class CardHoldersDialog : public QDialog {
    Q_OBJECT
public:
    // `holders` is open on the system database and outlives the dialog.
    CardHoldersDialog(LaundryCardHolders& holders, QWidget* parent = nullptr);

    // Registers a card from the form's fields; false after a message.
    bool addFromForm();
    // Removes the selected card after the operator confirmed it.
    bool removeSelected();
    // Reloads the table from the database; false after a message.
    bool reload();

private:
    void updateEnabled();

    LaundryCardHolders& holders_;
    QTableWidget* table_ = nullptr;
    QLineEdit* serial_ = nullptr;
    QLineEdit* account_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace readermanager
