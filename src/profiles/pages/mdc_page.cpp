#include "profiles/pages/mdc_page.h"

#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_mdc_page.h"

#include <algorithm>

namespace profiles {
namespace {

using Machine = MdcPageRules::Machine;

const std::array<const char*, 4> kWasherRows = {"Normal Hot", "Normal Warm", "Perm Press Warm",
                                                "Delicates Cold"};
const std::array<const char*, 4> kDryerRows = {"   High Temp", "   Med Temp", "   Low Temp",
                                               "   Delicates"};

void fill(QComboBox* combo, const QStringList& entries, int index)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(index >= 0 && index < entries.size() ? index : -1);
}

void select(QComboBox* combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

MdcPage::MdcPage(QWidget* parent) : OptionPageWidget(parent), ui_(std::make_unique<Ui::MdcPage>())
{
    ui_->setupUi(this);
    temperatures_ = {ui_->tempHighCombo, ui_->tempMedCombo, ui_->tempLowCombo,
                     ui_->tempDelicateCombo};
    regular_ = {ui_->regular1Edit, ui_->regular2Edit, ui_->regular3Edit, ui_->regular4Edit};
    special_ = {ui_->special1Edit, ui_->special2Edit, ui_->special3Edit, ui_->special4Edit};
    days_ = {ui_->day0Check, ui_->day1Check, ui_->day2Check, ui_->day3Check,
             ui_->day4Check, ui_->day5Check, ui_->day6Check};
    tagControls();
    ui_->toneLengthCombo->addItems(MdcPageRules::toneLengthEntries());
    ui_->cycleTimeCombo->addItems(MdcPageRules::minuteEntries(1, MdcPageRules::kLongestCycleTime));
    ui_->coolDownCombo->addItems(MdcPageRules::minuteEntries(1, MdcPageRules::kLongestCoolDown));
    ui_->topoffTimeCombo->addItems(
        MdcPageRules::minuteEntries(0, MdcPageRules::kLongestTopoffTime));
    connectControls();
    showValues();
}

MdcPage::~MdcPage() = default;

void MdcPage::tagControls()
{
    using R = MdcPageRules;
    setControlId(ui_->topLoadButton, R::kTopLoadControl);
    setControlId(ui_->frontLoadButton, R::kFrontLoadControl);
    setControlId(ui_->dryerButton, R::kDryerControl);
    setControlId(ui_->tumblerButton, R::kTumblerControl);
    setControlId(ui_->audioOnButton, R::kAudioOnControl);
    setControlId(ui_->audioOffButton, R::kAudioOffControl);
    setControlId(ui_->toneLengthCombo, R::kToneLengthControl);
    setControlId(ui_->washerCycleCombo, R::kWasherCycleControl);
    setControlId(ui_->waterSaverCheck, R::kWaterSaverControl);
    setControlId(ui_->fahrenheitButton, R::kFahrenheitControl);
    setControlId(ui_->celsiusButton, R::kCelsiusControl);
    for (size_t i = 0; i < 4; ++i) {
        setControlId(temperatures_[i], R::kTemperatureControls[i]);
        setControlId(regular_[i], R::kRegularControls[i]);
        setControlId(special_[i], R::kSpecialControls[i]);
    }
    setControlId(ui_->cycleTimeCombo, R::kCycleTimeControl);
    setControlId(ui_->coolDownCombo, R::kCoolDownControl);
    setControlId(ui_->topoffCheck, R::kTopoffControl);
    setControlId(ui_->topoffTimeCombo, R::kTopoffTimeControl);
    setControlId(ui_->topoffPriceEdit, R::kTopoffPriceControl);
    setControlId(ui_->timeOfDayCheck, R::kTimeOfDayControl);
    setControlId(ui_->cyclePricingCheck, R::kCyclePricingControl);
    for (size_t day = 0; day < days_.size(); ++day)
        setControlId(days_[day], R::kSundayControl + int(day));
    setControlId(ui_->specificTimeButton, R::kSpecificTimeControl);
    setControlId(ui_->allDayButton, R::kAllDayControl);
    setControlId(ui_->startTimeEdit, R::kStartTimeControl);
    setControlId(ui_->endTimeEdit, R::kEndTimeControl);
}

template <typename Choice> void MdcPage::choose(Choice&& choice)
{
    readLists();
    choice();
    showValues();
}

void MdcPage::connectControls()
{
    const auto machineButton = [this](QAbstractButton* button, Machine kind) {
        connect(button, &QAbstractButton::clicked, this,
                [this, kind] { choose([this, kind] { rules_.chooseMachine(kind); }); });
    };
    machineButton(ui_->topLoadButton, Machine::TopLoadWasher);
    machineButton(ui_->frontLoadButton, Machine::FrontLoadWasher);
    machineButton(ui_->dryerButton, Machine::Dryer);
    machineButton(ui_->tumblerButton, Machine::Tumbler);
    connect(ui_->audioOnButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseAudio(0); }); });
    connect(ui_->audioOffButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseAudio(1); }); });
    connect(ui_->fahrenheitButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseTemperatureUnit(0); }); });
    connect(ui_->celsiusButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseTemperatureUnit(1); }); });
    connect(ui_->topoffCheck, &QAbstractButton::clicked, this,
            [this](bool on) { choose([this, on] { rules_.chooseTopoff(on); }); });
    connect(ui_->cyclePricingCheck, &QAbstractButton::clicked, this,
            [this](bool on) { choose([this, on] { rules_.values().cyclePricing = on; }); });
    connect(ui_->timeOfDayCheck, &QAbstractButton::clicked, this,
            [this](bool on) { choose([this, on] { rules_.values().timeOfDay = on; }); });
    for (size_t day = 0; day < days_.size(); ++day)
        connect(days_[day], &QAbstractButton::clicked, this,
                [this, day](bool on) { rules_.values().days[day] = on; });
    connect(ui_->allDaysCheck, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.checkAllDays(); }); });
    connect(ui_->specificTimeButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseAllDay(false); }); });
    connect(ui_->allDayButton, &QAbstractButton::clicked, this,
            [this] { choose([this] { rules_.chooseAllDay(true); }); });

    auto* cycleTimes =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveCycleTimes(control); });
    cycleTimes->watch(MdcPageRules::kCycleTimeControl);
    cycleTimes->watch(MdcPageRules::kCoolDownControl);
    auto* prices =
        new LeaveFieldWatcher(*this, [this](int control) { return leavePrice(control); });
    for (size_t row = 0; row < 4; ++row) {
        prices->watch(MdcPageRules::kRegularControls[row]);
        prices->watch(MdcPageRules::kSpecialControls[row]);
    }
    prices->watch(MdcPageRules::kTopoffPriceControl);
    auto* times = new LeaveFieldWatcher(*this, [this](int) {
        rules_.leaveTimes(ui_->startTimeEdit->text(), ui_->endTimeEdit->text());
        ui_->startTimeEdit->setText(rules_.values().start);
        ui_->endTimeEdit->setText(rules_.values().end);
        return Check{};
    });
    times->watch(MdcPageRules::kStartTimeControl);
    times->watch(MdcPageRules::kEndTimeControl);
}

// The lists and checks take their values without a check; the edits keep
// theirs until they are left.
void MdcPage::readLists()
{
    MdcPageRules::Values& v = rules_.values();
    v.toneLength = ui_->toneLengthCombo->currentIndex();
    if (rules_.isDryer()) {
        for (size_t i = 0; i < 4; ++i)
            v.temperatures[i] = temperatures_[i]->currentIndex();
        v.cycleTime = ui_->cycleTimeCombo->currentIndex() + 1;
        v.coolDown = ui_->coolDownCombo->currentIndex() + 1;
        v.topoffTime = ui_->topoffTimeCombo->currentIndex();
    } else {
        const int index = ui_->washerCycleCombo->currentIndex();
        v.washerCycle = rules_.machine() == Machine::TopLoadWasher ? index + 3 : index;
        v.waterSaver = ui_->waterSaverCheck->isChecked();
    }
}

void MdcPage::readValues()
{
    readLists();
    for (size_t row = 0; row < 4; ++row) {
        rules_.enterPrice(MdcPageRules::kRegularControls[row], regular_[row]->text());
        rules_.enterPrice(MdcPageRules::kSpecialControls[row], special_[row]->text());
    }
    rules_.enterPrice(MdcPageRules::kTopoffPriceControl, ui_->topoffPriceEdit->text());
    rules_.leaveTimes(ui_->startTimeEdit->text(), ui_->endTimeEdit->text());
}

void MdcPage::fillLists()
{
    const MdcPageRules::Values& v = rules_.values();
    const Machine kind = rules_.machine();
    // A washer shows the dryer's lists, disabled.
    const Machine listed = kind == Machine::Tumbler ? Machine::Tumbler : Machine::Dryer;
    for (size_t i = 0; i < 4; ++i)
        fill(temperatures_[i], MdcPageRules::temperatureEntries(listed, v.temperatureUnit),
             v.temperatures[i]);
    const bool frontLoad = kind == Machine::FrontLoadWasher;
    fill(ui_->washerCycleCombo,
         MdcPageRules::washerCycleEntries(frontLoad ? kind : Machine::TopLoadWasher),
         rules_.isDryer() ? 1 : rules_.washerCycleIndex());
    select(ui_->toneLengthCombo, v.toneLength);
    select(ui_->cycleTimeCombo, v.cycleTime - 1);
    select(ui_->coolDownCombo, v.coolDown - 1);
    select(ui_->topoffTimeCombo, v.topoffTime);
}

void MdcPage::showPrices()
{
    const MdcPageRules::Values& v = rules_.values();
    for (size_t row = 0; row < 4; ++row) {
        regular_[row]->setText(fields::formatMoney(v.regular[row]));
        special_[row]->setText(fields::formatMoney(v.special[row]));
    }
    ui_->topoffPriceEdit->setText(fields::formatMoney(v.topoffPrice));
}

void MdcPage::showValues()
{
    const MdcPageRules::Values& v = rules_.values();
    const Machine kind = rules_.machine();
    ui_->topLoadButton->setChecked(kind == Machine::TopLoadWasher);
    ui_->frontLoadButton->setChecked(kind == Machine::FrontLoadWasher);
    ui_->dryerButton->setChecked(kind == Machine::Dryer);
    ui_->tumblerButton->setChecked(kind == Machine::Tumbler);
    ui_->audioOnButton->setChecked(v.audio == 0);
    ui_->audioOffButton->setChecked(v.audio != 0);
    ui_->waterSaverCheck->setChecked(v.waterSaver);
    ui_->fahrenheitButton->setChecked(v.temperatureUnit == 0);
    ui_->celsiusButton->setChecked(v.temperatureUnit != 0);
    ui_->topoffCheck->setChecked(v.topoff);
    fillLists();

    const auto& rows = rules_.isDryer() ? kDryerRows : kWasherRows;
    QLabel* const labels[] = {ui_->row1Label, ui_->row2Label, ui_->row3Label, ui_->row4Label};
    for (size_t row = 0; row < 4; ++row)
        labels[row]->setText(QString::fromLatin1(rows[row]));
    showPrices();
    ui_->cyclePricingCheck->setChecked(v.cyclePricing);
    ui_->timeOfDayCheck->setChecked(v.timeOfDay);
    for (size_t day = 0; day < days_.size(); ++day)
        days_[day]->setChecked(v.days[day]);
    ui_->allDaysCheck->setChecked(
        std::all_of(v.days.begin(), v.days.end(), [](bool d) { return d; }));
    ui_->specificTimeButton->setChecked(v.activeTime == 0);
    ui_->allDayButton->setChecked(v.activeTime != 0);
    ui_->startTimeEdit->setText(v.start);
    ui_->endTimeEdit->setText(v.end);
    applyEnabling();
}

void MdcPage::setEditable(bool editable)
{
    editable_ = editable;
    applyEnabling();
}

void MdcPage::applyEnabling()
{
    const MdcPageRules::Enabling e = rules_.enabling();
    const bool on = editable_;
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(ui_->topLoadButton),
                                    static_cast<QAbstractButton*>(ui_->frontLoadButton),
                                    static_cast<QAbstractButton*>(ui_->dryerButton),
                                    static_cast<QAbstractButton*>(ui_->tumblerButton),
                                    static_cast<QAbstractButton*>(ui_->audioOnButton),
                                    static_cast<QAbstractButton*>(ui_->audioOffButton)})
        button->setEnabled(on);
    ui_->toneLengthCombo->setEnabled(on && e.toneLength);
    ui_->washerCycleCombo->setEnabled(on && e.washerCycle);
    ui_->waterSaverCheck->setEnabled(on && e.waterSaver);
    for (QWidget* w :
         {static_cast<QWidget*>(ui_->fahrenheitButton), static_cast<QWidget*>(ui_->celsiusButton),
          static_cast<QWidget*>(ui_->cycleTimeCombo), static_cast<QWidget*>(ui_->coolDownCombo),
          static_cast<QWidget*>(ui_->topoffCheck)})
        w->setEnabled(on && e.dryerSettings);
    for (QComboBox* combo : temperatures_)
        combo->setEnabled(on && e.dryerSettings);
    ui_->topoffTimeCombo->setEnabled(on && e.topoffTime);
    for (size_t row = 0; row < 4; ++row) {
        regular_[row]->setEnabled(on && e.regular[row]);
        special_[row]->setEnabled(on && e.special[row]);
    }
    ui_->topoffPriceEdit->setEnabled(on && e.topoffPrice);
    ui_->cyclePricingCheck->setEnabled(on && e.cyclePricing);
    ui_->timeOfDayCheck->setEnabled(on && e.timeOfDay);
    for (QCheckBox* day : days_)
        day->setEnabled(on && e.timeOfDayControls);
    ui_->allDaysCheck->setEnabled(on && e.timeOfDayControls);
    ui_->specificTimeButton->setEnabled(on && e.timeOfDayControls);
    ui_->allDayButton->setEnabled(on && e.timeOfDayControls);
    ui_->startTimeEdit->setEnabled(on && e.timeEdits);
    ui_->endTimeEdit->setEnabled(on && e.timeEdits);
}

Check MdcPage::leaveCycleTimes(int control)
{
    readLists();
    const Check refusal = rules_.leaveCycleTimes(control);
    if (refusal)
        fillLists();
    return refusal;
}

Check MdcPage::leavePrice(int control)
{
    auto* edit = qobject_cast<QLineEdit*>(this->control(control));
    const Check refusal = rules_.enterPrice(control, edit ? edit->text() : QString());
    showPrices();
    return refusal;
}

} // namespace profiles
