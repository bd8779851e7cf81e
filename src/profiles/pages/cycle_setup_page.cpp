#include "profiles/pages/cycle_setup_page.h"

#include "fields/choice_lists.h"
#include "ui_cycle_setup_page.h"

#include <QSignalBlocker>

#include <algorithm>
#include <array>

namespace profiles {

CycleSetupPage::CycleSetupPage(QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::CycleSetupPage>())
{
    ui_->setupUi(this);
    setControlId(ui_->programCombo, CycleSetupPageRules::kProgramControl);
    setControlId(ui_->coldCheck, CycleSetupPageRules::kColdControl);
    setControlId(ui_->warmCheck, CycleSetupPageRules::kWarmControl);

    // The step edits in the order of the program table.
    const std::array<QLineEdit*, CycleSetupPageRules::kStepCount> steps = {
        ui_->aFillEdit,      ui_->aWashEdit,        ui_->aSoakEdit,       ui_->aAgitateEdit,
        ui_->aDrainEdit,     ui_->aSpinEdit,        ui_->bFillEdit,       ui_->bRinseEdit,
        ui_->bSoakEdit,      ui_->bAgitateEdit,     ui_->bDrainEdit,      ui_->cFirstSprayEdit,
        ui_->cFirstSpinEdit, ui_->cSecondSprayEdit, ui_->cSecondSpinEdit,
    };
    for (size_t step = 0; step < steps.size(); ++step)
        setControlId(steps[step], CycleSetupPageRules::stepControls()[step]);

    ui_->programCombo->addItems(CycleSetupPageRules::programNames());
    connect(ui_->programCombo, &QComboBox::currentIndexChanged, this,
            &CycleSetupPage::chooseProgram);
    // Cold and Warm are one switch: whatever the box did by itself, the
    // rules' state is shown on both.
    connect(ui_->coldCheck, &QAbstractButton::clicked, this, [this] {
        rules_.clickCold();
        showTemperature();
    });
    connect(ui_->warmCheck, &QAbstractButton::clicked, this, [this] {
        rules_.clickWarm();
        showTemperature();
    });

    showValues();
}

CycleSetupPage::~CycleSetupPage() = default;

void CycleSetupPage::showTemperature()
{
    ui_->coldCheck->setChecked(rules_.cold());
    ui_->warmCheck->setChecked(!rules_.cold());
}

void CycleSetupPage::refreshSteps()
{
    const CycleSetupPageRules::StepTexts texts = rules_.stepTexts();
    for (int step = 0; step < CycleSetupPageRules::kStepCount; ++step)
        if (auto* edit =
                qobject_cast<QLineEdit*>(control(CycleSetupPageRules::stepControls()[step])))
            edit->setText(texts[step]);
}

void CycleSetupPage::showValues()
{
    {
        const QSignalBlocker blocker(ui_->programCombo);
        ui_->programCombo->setCurrentIndex(
            fields::choiceToSelect(rules_.program(), ui_->programCombo->count()));
    }
    showTemperature();
    refreshSteps();
}

void CycleSetupPage::readValues()
{
    rules_.selectProgram(std::max(ui_->programCombo->currentIndex(), 0));
    rules_.setCold(ui_->coldCheck->isChecked());
}

void CycleSetupPage::chooseProgram(int index)
{
    rules_.selectProgram(index);
    showTemperature();
    refreshSteps();
}

} // namespace profiles
