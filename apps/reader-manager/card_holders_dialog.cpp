#include "card_holders_dialog.h"

#include "host_messages.h"
#include "laundry/card_holders.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace readermanager {
namespace {

enum Column { kSerial, kKey, kAccount, kLast, kFirst, kColumns };

} // namespace

CardHoldersDialog::CardHoldersDialog(LaundryCardHolders& holders, QWidget* parent)
    : QDialog(parent), holders_(holders)
{
    setWindowTitle(tr("Card Holders"));
    resize(640, 420);
    auto* layout = new QVBoxLayout(this);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("cardHoldersTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Card Serial"), tr("Audit Key"), tr("Account"), tr("Last Name"), tr("First Name")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    layout->addWidget(table_, 1);

    auto* form = new QGroupBox(tr("New Card Holder"), this);
    auto* fields = new QFormLayout(form);
    serial_ = new QLineEdit(form);
    serial_->setObjectName(QStringLiteral("serialEdit"));
    serial_->setPlaceholderText(tr("12 hexadecimal digits, e.g. 0A 1B 2C 3D 4E 5F"));
    account_ = new QLineEdit(form);
    account_->setObjectName(QStringLiteral("accountEdit"));
    last_ = new QLineEdit(form);
    last_->setObjectName(QStringLiteral("lastNameEdit"));
    first_ = new QLineEdit(form);
    first_->setObjectName(QStringLiteral("firstNameEdit"));
    fields->addRow(tr("Card serial:"), serial_);
    fields->addRow(tr("Account:"), account_);
    fields->addRow(tr("Last name:"), last_);
    fields->addRow(tr("First name:"), first_);
    layout->addWidget(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    add_ = buttons->addButton(tr("Add"), QDialogButtonBox::ActionRole);
    add_->setObjectName(QStringLiteral("addHolderButton"));
    remove_ = buttons->addButton(tr("Remove"), QDialogButtonBox::ActionRole);
    remove_->setObjectName(QStringLiteral("removeHolderButton"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, [this] { addFromForm(); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeSelected(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { updateEnabled(); });
    for (QLineEdit* edit : {serial_, account_, first_, last_})
        connect(edit, &QLineEdit::textChanged, this, [this] { updateEnabled(); });
    reload();
}

void CardHoldersDialog::updateEnabled()
{
    bool filled = true;
    for (QLineEdit* edit : {serial_, account_, first_, last_})
        filled = filled && !edit->text().trimmed().isEmpty();
    add_->setEnabled(filled);
    remove_->setEnabled(!table_->selectedItems().isEmpty());
}

bool CardHoldersDialog::reload()
{
    const auto all = holders_.all();
    table_->setRowCount(0);
    if (!all) {
        showError(tr("Could not read the card holders:\n%1").arg(holders_.error()));
        updateEnabled();
        return false;
    }
    table_->setRowCount(int(all->size()));
    for (int row = 0; row < all->size(); ++row) {
        const LaundryCardHolder& h = all->at(row);
        const QString cells[kColumns] = {h.serial, h.key, h.account, h.last, h.first};
        for (int column = 0; column < kColumns; ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table_->resizeColumnsToContents();
    updateEnabled();
    return true;
}

bool CardHoldersDialog::addFromForm()
{
    if (!holders_.add(serial_->text(), account_->text(), first_->text(), last_->text())) {
        showError(tr("The card holder was not added:\n%1").arg(holders_.error()));
        return false;
    }
    for (QLineEdit* edit : {serial_, account_, first_, last_})
        edit->clear();
    return reload();
}

bool CardHoldersDialog::removeSelected()
{
    const QList<QTableWidgetItem*> selected = table_->selectedItems();
    if (selected.isEmpty())
        return false;
    const int row = selected.first()->row();
    const QString serial = table_->item(row, kSerial)->text();
    if (!askYesNo(
            tr("Remove the card %1 of %2,%3?")
                .arg(serial, table_->item(row, kLast)->text(), table_->item(row, kFirst)->text())))
        return false;
    if (!holders_.remove(serial)) {
        showError(tr("The card was not removed:\n%1").arg(holders_.error()));
        return false;
    }
    return reload();
}

} // namespace readermanager
