#include "profiles/pages/display_message_page.h"

#include "fields/choice_lists.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_display_message_page.h"

#include <QRegularExpressionValidator>

#include <algorithm>

namespace profiles {

namespace {

using Rules = DisplayMessagePageRules;

// The number in an edit; an empty text is none.
std::optional<int> numberIn(const QLineEdit* edit)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

DisplayMessagePage::DisplayMessagePage(int code, QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::DisplayMessagePage>()), rules_(code)
{
    ui_->setupUi(this);
    tagControls();

    const bool retrofit = rules_.isRetrofit();
    using Widgets = std::initializer_list<QWidget*>;
    for (QWidget* w : Widgets{ui_->pulsesLabel, ui_->pulsesEdit})
        w->setVisible(retrofit);
    for (QWidget* w : Widgets{ui_->dryerRunTimeLabel, ui_->dryerRunTimeEdit, ui_->heatTimeLabel,
                              ui_->heatTimeEdit, ui_->topoffTimeLabel, ui_->topoffTimeEdit})
        w->setVisible(!retrofit);

    numberFields_.push_back({ui_->scrollSpeedEdit, &Rules::checkScrollSpeed});
    if (retrofit) {
        numberFields_.push_back({ui_->pulsesEdit, &Rules::checkPulses});
    } else {
        numberFields_.push_back({ui_->dryerRunTimeEdit, &Rules::checkDryerRunTime});
        numberFields_.push_back({ui_->heatTimeEdit, &Rules::checkHeatTime});
        numberFields_.push_back({ui_->topoffTimeEdit, &Rules::checkTopoffTime});
    }
    // Digits only: the ranges refuse the rest, an empty field included.
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* watcher =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveField(control); });
    for (const NumberField& field : numberFields_) {
        field.edit->setValidator(digits);
        watcher->watch(field.edit->property(kControlIdProperty).toInt());
    }

    connect(ui_->scrollSpeedSlider, &QSlider::valueChanged, this,
            [this](int value) { ui_->scrollSpeedEdit->setText(QString::number(value)); });

    showValues();
}

DisplayMessagePage::~DisplayMessagePage() = default;

void DisplayMessagePage::tagControls()
{
    setControlId(ui_->idleMessageEdit, Rules::kIdIdleMessage);
    setControlId(ui_->busyMessageEdit, Rules::kIdBusyMessage);
    setControlId(ui_->displayIdleCheck, Rules::kIdDisplayIdle);
    setControlId(ui_->displayPriceCheck, Rules::kIdDisplayPrice);
    setControlId(ui_->scrollSpeedSlider, rules_.scrollSliderId());
    setControlId(ui_->scrollSpeedEdit, rules_.scrollEditId());
    setControlId(ui_->deductionCombo, Rules::kIdDeduction);
    setControlId(ui_->showBusyMessageRadio, Rules::kIdShowBusyMessage);
    setControlId(ui_->showCycleTimeRadio, Rules::kIdShowCycleTime);
    if (rules_.isRetrofit()) {
        setControlId(ui_->pulsesEdit, Rules::kIdPulses);
    } else {
        setControlId(ui_->dryerRunTimeEdit, Rules::kIdDryerRunTime);
        setControlId(ui_->heatTimeEdit, Rules::kIdHeatTime);
        setControlId(ui_->topoffTimeEdit, Rules::kIdTopoffTime);
    }
}

void DisplayMessagePage::showNumber(QLineEdit* edit, int value)
{
    edit->setText(QString::number(value));
}

void DisplayMessagePage::readNumber(const QLineEdit* edit, int& value) const
{
    // A field left with no number keeps the last value it had.
    if (const std::optional<int> number = numberIn(edit))
        value = *number;
}

void DisplayMessagePage::showValues()
{
    const DisplayMessageValues& v = rules_.values();
    ui_->idleMessageEdit->setText(v.idleMessage);
    ui_->busyMessageEdit->setText(v.busyMessage);
    ui_->displayIdleCheck->setChecked(v.displayIdle);
    ui_->displayPriceCheck->setChecked(v.displayPrice);
    ui_->scrollSpeedSlider->setValue(std::clamp(v.scrollSpeed, 0, Rules::kScrollSpeedMax));
    showNumber(ui_->scrollSpeedEdit, v.scrollSpeed);
    ui_->deductionCombo->setCurrentIndex(
        fields::choiceToSelect(v.deduction, ui_->deductionCombo->count()));
    ui_->showBusyMessageRadio->setChecked(v.busyDisplayType == 0);
    ui_->showCycleTimeRadio->setChecked(v.busyDisplayType != 0);
    if (rules_.isRetrofit()) {
        showNumber(ui_->pulsesEdit, v.pulses);
    } else {
        showNumber(ui_->dryerRunTimeEdit, v.dryerRunTime);
        showNumber(ui_->heatTimeEdit, v.heatTime);
        showNumber(ui_->topoffTimeEdit, v.topoffTime);
    }
}

void DisplayMessagePage::readValues()
{
    DisplayMessageValues& v = rules_.values();
    v.idleMessage = ui_->idleMessageEdit->text();
    v.busyMessage = ui_->busyMessageEdit->text();
    v.displayIdle = ui_->displayIdleCheck->isChecked();
    v.displayPrice = ui_->displayPriceCheck->isChecked();
    // The slider holds the speed; the edit only moves it once accepted.
    v.scrollSpeed = ui_->scrollSpeedSlider->value();
    v.deduction = std::max(ui_->deductionCombo->currentIndex(), 0);
    v.busyDisplayType = ui_->showBusyMessageRadio->isChecked() ? 0 : 1;
    if (rules_.isRetrofit()) {
        readNumber(ui_->pulsesEdit, v.pulses);
    } else {
        readNumber(ui_->dryerRunTimeEdit, v.dryerRunTime);
        readNumber(ui_->heatTimeEdit, v.heatTime);
        readNumber(ui_->topoffTimeEdit, v.topoffTime);
    }
}

Check DisplayMessagePage::leaveField(int control)
{
    for (const NumberField& field : numberFields_) {
        if (field.edit != this->control(control))
            continue;
        const std::optional<int> value = numberIn(field.edit);
        if (Check refusal = (rules_.*field.check)(value))
            return refusal;
        if (field.edit == ui_->scrollSpeedEdit) {
            ui_->scrollSpeedSlider->setValue(*value);
            showNumber(ui_->scrollSpeedEdit, *value); // "050" is shown as 50
        }
    }
    return std::nullopt;
}

} // namespace profiles
