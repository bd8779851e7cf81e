#include "reader_panel.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace readermanager {

ReaderPanel::ReaderPanel(QWidget* parent) : QGroupBox(tr("Card Reader"), parent)
{
    setObjectName(QStringLiteral("readerPanel"));
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    layout->addLayout(buttons_);
    layout->addStretch();

    file_ = addRow(tr("Card file:"), "cardFileLabel");
    file_->setWordWrap(true);
    type_ = addRow(tr("Card type:"), "cardTypeLabel");
    customerId_ = addRow(tr("Customer id:"), "cardCustomerIdLabel");
    version_ = addRow(tr("Version:"), "cardVersionLabel");
    chip_ = addRow(tr("Chip:"), "cardChipLabel");
    showCard(summarizeCard({}, nullptr));
}

QLabel* ReaderPanel::addRow(const QString& title, const char* objectName)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form_->addRow(title, label);
    return label;
}

void ReaderPanel::addButton(QAction* action)
{
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Keep the buttons left-aligned: insert before the closing stretch.
    buttons_->insertWidget(buttons_->count() - 1, button);
}

void ReaderPanel::showCard(const CardSummary& summary)
{
    file_->setText(summary.file);
    file_->setToolTip(summary.file);
    type_->setText(summary.type);
    customerId_->setText(summary.customerId);
    version_->setText(summary.version);
    chip_->setText(summary.chip);
}

} // namespace readermanager
