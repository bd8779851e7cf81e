#include "profiles/pages/tovan2000_page.h"

#include "profiles/pages/leave_field_watcher.h"
#include "ui_tovan2000_page.h"

#include <array>

namespace profiles {

namespace {

constexpr std::array<int, 3> kTimeControls = {
    Tovan2000PageRules::kRunTimeControl,
    Tovan2000PageRules::kHeatTimeControl,
    Tovan2000PageRules::kTopoffTimeControl,
};

} // namespace

Tovan2000Page::Tovan2000Page(QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::Tovan2000Page>())
{
    ui_->setupUi(this);
    setControlId(ui_->runTimeEdit, Tovan2000PageRules::kRunTimeControl);
    setControlId(ui_->heatTimeEdit, Tovan2000PageRules::kHeatTimeControl);
    setControlId(ui_->topoffTimeEdit, Tovan2000PageRules::kTopoffTimeControl);

    auto* watcher =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveField(control); });
    for (int control : kTimeControls)
        watcher->watch(control);

    showValues();
}

Tovan2000Page::~Tovan2000Page() = default;

QLineEdit* Tovan2000Page::edit(int control) const
{
    return qobject_cast<QLineEdit*>(this->control(control));
}

void Tovan2000Page::showValues()
{
    ui_->runTimeEdit->setText(QString::number(rules_.runTime()));
    ui_->heatTimeEdit->setText(QString::number(rules_.heatTime()));
    ui_->topoffTimeEdit->setText(QString::number(rules_.topoffTime()));
}

void Tovan2000Page::readValues()
{
    // Without the leave rule: a heat time typed after the run time stays.
    for (int control : kTimeControls)
        rules_.readField(control, edit(control)->text());
}

Check Tovan2000Page::leaveField(int control)
{
    Check refused = rules_.leaveField(control, edit(control)->text());
    if (!refused)
        showValues();
    return refused;
}

} // namespace profiles
