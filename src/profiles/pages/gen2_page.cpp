#include "profiles/pages/gen2_page.h"

#include "profiles/pages/leave_field_watcher.h"
#include "ui_gen2_page.h"

#include <array>

namespace profiles {

namespace {

constexpr std::array<int, 3> kTimeControls = {
    Gen2PageRules::kWashControl,
    Gen2PageRules::kRinseControl,
    Gen2PageRules::kCycleTimeControl,
};

} // namespace

Gen2Page::Gen2Page(QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::Gen2Page>())
{
    ui_->setupUi(this);
    setControlId(ui_->washerButton, Gen2PageRules::kWasherControl);
    setControlId(ui_->dryerButton, Gen2PageRules::kDryerControl);
    setControlId(ui_->washEdit, Gen2PageRules::kWashControl);
    setControlId(ui_->rinseEdit, Gen2PageRules::kRinseControl);
    setControlId(ui_->cycleTimeEdit, Gen2PageRules::kCycleTimeControl);

    // The buttons are not exclusive by themselves; the rules decide what a
    // click selects and the page then shows it.
    connect(ui_->washerButton, &QAbstractButton::clicked, this,
            [this] { click(Gen2PageRules::Machine::Washer); });
    connect(ui_->dryerButton, &QAbstractButton::clicked, this,
            [this] { click(Gen2PageRules::Machine::Dryer); });

    auto* watcher = new LeaveFieldWatcher(*this, [this](int) { return leaveTimes(); });
    for (int control : kTimeControls)
        watcher->watch(control);

    showValues();
}

Gen2Page::~Gen2Page() = default;

QLineEdit* Gen2Page::edit(int control) const
{
    return qobject_cast<QLineEdit*>(this->control(control));
}

void Gen2Page::showMachine()
{
    const bool washer = rules_.machine() == Gen2PageRules::Machine::Washer;
    ui_->washerButton->setChecked(washer);
    ui_->dryerButton->setChecked(!washer);
}

void Gen2Page::showValues()
{
    showMachine();
    ui_->washEdit->setText(QString::number(rules_.wash()));
    ui_->rinseEdit->setText(QString::number(rules_.rinse()));
    ui_->cycleTimeEdit->setText(QString::number(rules_.cycleTime()));
}

void Gen2Page::readValues()
{
    // The machine follows every click already; a refused time keeps its
    // last accepted value.
    for (int control : kTimeControls)
        rules_.readField(control, edit(control)->text());
}

void Gen2Page::click(Gen2PageRules::Machine button)
{
    rules_.click(button);
    showMachine();
}

Check Gen2Page::leaveTimes()
{
    // Leaving any time edit exchanges all three; the first refused one takes
    // the focus.
    for (int control : kTimeControls)
        if (Check refused = rules_.readField(control, edit(control)->text()))
            return refused;
    showValues();
    return std::nullopt;
}

} // namespace profiles
