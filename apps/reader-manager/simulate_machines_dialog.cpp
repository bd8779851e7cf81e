#include "simulate_machines_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace readermanager {

SimulateMachinesDialog::SimulateMachinesDialog(std::function<QString()> browse, QWidget* parent)
    : QDialog(parent), browse_(std::move(browse))
{
    setWindowTitle(tr("Simulate Machines"));
    auto* layout = new QVBoxLayout(this);

    random_ = new QRadioButton(tr("Machines with made-up records"), this);
    random_->setChecked(true);
    layout->addWidget(random_);
    auto* randomForm = new QFormLayout;
    randomForm->setContentsMargins(24, 0, 0, 0);
    machines_ = new QSpinBox(this);
    machines_->setRange(1, 200);
    machines_->setValue(MachineSimulation{}.machines);
    machines_->setToolTip(tr("1 to 200 machines, each writing one record"));
    randomForm->addRow(tr("Number of machines:"), machines_);
    seed_ = new QSpinBox(this);
    seed_->setRange(0, 0x7FFFFFFF);
    seed_->setValue(int(MachineSimulation{}.seed));
    seed_->setToolTip(tr("The same seed makes the same records (0 to 2147483647)"));
    randomForm->addRow(tr("Seed:"), seed_);
    layout->addLayout(randomForm);

    fromFile_ = new QRadioButton(tr("Records from a file"), this);
    layout->addWidget(fromFile_);
    auto* fileRow = new QHBoxLayout;
    fileRow->setContentsMargins(24, 0, 0, 0);
    file_ = new QLineEdit(this);
    file_->setPlaceholderText(tr("JSON records file"));
    fileRow->addWidget(file_, 1);
    browseButton_ = new QPushButton(tr("Browse..."), this);
    fileRow->addWidget(browseButton_);
    layout->addLayout(fileRow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Write Records"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fromFile_, &QRadioButton::toggled, this, [this] { updateEnabled(); });
    connect(file_, &QLineEdit::textChanged, this, [this] { updateEnabled(); });
    connect(browseButton_, &QPushButton::clicked, this, [this] {
        if (const QString path = browse_(); !path.isEmpty())
            file_->setText(path);
    });
    updateEnabled();
}

void SimulateMachinesDialog::updateEnabled()
{
    const bool fromFile = fromFile_->isChecked();
    machines_->setEnabled(!fromFile);
    seed_->setEnabled(!fromFile);
    file_->setEnabled(fromFile);
    browseButton_->setEnabled(fromFile);
    ok_->setEnabled(!fromFile || !file_->text().trimmed().isEmpty());
}

MachineSimulation SimulateMachinesDialog::simulation() const
{
    if (fromFile_->isChecked())
        return {0, 0, file_->text().trimmed()};
    return {machines_->value(), uint32_t(seed_->value()), {}};
}

std::optional<MachineSimulation> SimulateMachinesDialog::ask(std::function<QString()> browse,
                                                             QWidget* parent)
{
    SimulateMachinesDialog dialog(std::move(browse), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.simulation();
}

} // namespace readermanager
