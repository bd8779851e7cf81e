#include "profiles/pages/gen2_advanced_dialog.h"

#include "fields/choice_lists.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_gen2_advanced_features_page.h"
#include "ui_gen2_advanced_machine_page.h"
#include "ui_gen2_advanced_price_page.h"
#include "ui_gen2_advanced_super_cycle_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace profiles {
namespace {

using Machine = Gen2AdvancedMachineRules;
using Features = Gen2AdvancedFeaturesRules;
using Prices = Gen2AdvancedPriceRules;

void fill(QComboBox* combo, const QStringList& entries)
{
    combo->clear();
    combo->addItems(entries);
}

// The washer's cycle values, then the dryer's.
constexpr Machine::Number kWasherNumbers[] = {Machine::kWash,      Machine::kRinse,
                                              Machine::kPrewash,   Machine::kFinalSpin,
                                              Machine::kNumRinses, Machine::kTopSpinSpeed};
constexpr Machine::Number kDryerNumbers[] = {Machine::kDry, Machine::kRegularDry,
                                             Machine::kTopoffTime};

} // namespace

Gen2AdvancedDialog::Gen2AdvancedDialog(int code, QWidget* parent)
    : OptionPageWidget(parent), rules_(code), tabs_(new QTabWidget(this)),
      machineUi_(std::make_unique<Ui::Gen2AdvancedMachinePage>()),
      featuresUi_(std::make_unique<Ui::Gen2AdvancedFeaturesPage>()),
      superUi_(std::make_unique<Ui::Gen2AdvancedSuperCyclePage>()),
      priceUi_(std::make_unique<Ui::Gen2AdvancedPricePage>())
{
    setObjectName(QStringLiteral("gen2AdvancedDialog%1").arg(code));
    const std::pair<QWidget*, const char*> tabs[] = {{new QWidget, "Washer/Dryer"},
                                                     {new QWidget, "Features"},
                                                     {new QWidget, "Super Cycles"},
                                                     {new QWidget, "Prices"}};
    machineUi_->setupUi(tabs[0].first);
    featuresUi_->setupUi(tabs[1].first);
    superUi_->setupUi(tabs[2].first);
    priceUi_->setupUi(tabs[3].first);
    for (const auto& [page, title] : tabs)
        tabs_->addTab(page, QLatin1String(title));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);

    fill(priceUi_->penny, Prices::pennyChoices());
    fill(priceUi_->pennyDryer, Prices::pennyChoices());
    fill(priceUi_->begin, Prices::hourChoices());
    fill(priceUi_->end, Prices::hourChoices());
    tagControls();
    arrangeForType();
    connectControls();

    rules_.reset();
    showValues();
}

Gen2AdvancedDialog::~Gen2AdvancedDialog() = default;

QLineEdit* Gen2AdvancedDialog::moneyEdit(int field) const
{
    return child<QLineEdit>(QStringLiteral("money_%1").arg(field));
}

QLineEdit* Gen2AdvancedDialog::numberEdit(int number) const
{
    return child<QLineEdit>(QStringLiteral("num_%1").arg(number));
}

QCheckBox* Gen2AdvancedDialog::featureBox(int s) const
{
    return child<QCheckBox>(QStringLiteral("feature_%1").arg(s));
}

void Gen2AdvancedDialog::tagControls()
{
    for (int k = 0; k < 4; ++k)
        setControlId(child<QRadioButton>(QStringLiteral("kind_%1").arg(k)),
                     Machine::kKindControls[size_t(k)]);
    for (int n = 0; n < Machine::kNumberCount; ++n) {
        const Machine::NumberField& field = Machine::numberFields()[size_t(n)];
        setControlId(numberEdit(n), field.control);
        const bool minutes =
            n <= Machine::kTopoffTime && n != Machine::kNumRinses && n != Machine::kTopSpinSpeed;
        numberEdit(n)->setToolTip(QStringLiteral("0 to %1%2")
                                      .arg(field.maximum)
                                      .arg(minutes ? QStringLiteral(" minutes") : QString()));
    }
    setControlId(machineUi_->serial, Machine::kSerialControl);
    machineUi_->serial->setMaxLength(Machine::kSerialLength);
    machineUi_->serial->setToolTip(
        QStringLiteral("Machine serial: empty, or %1 characters 0-9 and A-Z")
            .arg(Machine::kSerialLength));
    for (int a = 0; a < 6; ++a)
        setControlId(child<QCheckBox>(QStringLiteral("action_%1").arg(a)),
                     Machine::kActionControls[size_t(a)]);
    for (int s = 0; s < Features::kSwitchCount; ++s)
        setControlId(featureBox(s), Features::switches()[size_t(s)].control);
    for (int f = 0; f < Prices::kFieldCount; ++f) {
        const Prices::MoneyField& field = Prices::moneyFields()[size_t(f)];
        setControlId(moneyEdit(f), field.control);
        moneyEdit(f)->setToolTip(
            QStringLiteral("Dollars and cents in whole nickels: %1 to $9.95")
                .arg(field.vendRange ? QStringLiteral("$0.05") : QStringLiteral("$0.00")));
    }
    setControlId(priceUi_->penny, Prices::kPennyControl);
    setControlId(priceUi_->pennyDryer, Prices::kPennyDryerControl);
    setControlId(priceUi_->begin, Prices::kBeginControl);
    setControlId(priceUi_->end, Prices::kEndControl);
    for (int d = 0; d < 7; ++d)
        setControlId(child<QCheckBox>(QStringLiteral("day_%1").arg(d)),
                     Prices::kDayControls[size_t(d)]);
    setControlId(priceUi_->allDays, Prices::kAllDaysControl);
}

void Gen2AdvancedDialog::arrangeForType()
{
    const bool lg = rules_.lg();
    machineUi_->kind_1->setVisible(!lg);
    machineUi_->kind_2->setVisible(!lg);
    numberEdit(Machine::kTopoffTime)->setVisible(lg);
    machineUi_->numLabel_8->setVisible(lg);
    priceUi_->moneyLabel_12->setText(QStringLiteral("Coin2/TopOff Value"));
    priceUi_->moneyLabel_12->setVisible(rules_.prices().coin2Shown());
    moneyEdit(Prices::kCoin2)->setVisible(rules_.prices().coin2Shown());
}

void Gen2AdvancedDialog::connectControls()
{
    for (int k = 0; k < 4; ++k)
        connect(child<QRadioButton>(QStringLiteral("kind_%1").arg(k)), &QRadioButton::clicked, this,
                [this, k] {
                    readValues();
                    rules_.chooseKind(Machine::Kind(k));
                    showValues();
                });
    for (int s = 0; s < Features::kSwitchCount; ++s)
        connect(featureBox(s), &QCheckBox::clicked, this, [this, s](bool on) {
            // The wash length as it stands on the Washer/Dryer tab.
            readValues();
            rules_.clickFeature(Features::Switch(s), on);
            showValues();
        });
    connect(superUi_->action_5, &QCheckBox::clicked, this, [this](bool on) {
        readValues();
        rules_.machine().clickAllCodes(on);
        showValues();
    });
    connect(priceUi_->allDays, &QCheckBox::clicked, this, [this](bool on) {
        readValues();
        rules_.prices().clickAllDays(on);
        showValues();
    });

    auto* watcher = new LeaveFieldWatcher(*this, [this](int control) { return leave(control); });
    for (const Machine::NumberField& field : Machine::numberFields())
        watcher->watch(field.control);
    watcher->watch(Machine::kSerialControl);
    for (const Prices::MoneyField& field : Prices::moneyFields())
        watcher->watch(field.control);
}

void Gen2AdvancedDialog::showValues()
{
    const Machine& machine = rules_.machine();
    for (int k = 0; k < 4; ++k)
        child<QRadioButton>(QStringLiteral("kind_%1").arg(k))
            ->setChecked(machine.kind() == Machine::Kind(k));
    for (int n = 0; n < Machine::kNumberCount; ++n)
        numberEdit(n)->setText(machine.number(Machine::Number(n)) < 0
                                   ? QString()
                                   : QString::number(machine.number(Machine::Number(n))));
    machineUi_->serial->setText(machine.serial());
    for (int a = 0; a < 6; ++a)
        child<QCheckBox>(QStringLiteral("action_%1").arg(a))
            ->setChecked(machine.action(Machine::Action(a)));

    for (int s = 0; s < Features::kSwitchCount; ++s)
        featureBox(s)->setChecked(rules_.features().value(Features::Switch(s)));

    const Prices& prices = rules_.prices();
    for (int f = 0; f < Prices::kFieldCount; ++f)
        moneyEdit(f)->setText(prices.moneyText(Prices::Field(f)));
    priceUi_->penny->setCurrentIndex(
        fields::choiceToSelect(prices.penny(), priceUi_->penny->count()));
    priceUi_->pennyDryer->setCurrentIndex(
        fields::choiceToSelect(prices.pennyDryer(), priceUi_->pennyDryer->count()));
    priceUi_->begin->setCurrentIndex(int(Prices::hourChoices().indexOf(prices.begin())));
    priceUi_->end->setCurrentIndex(int(Prices::hourChoices().indexOf(prices.end())));
    for (int d = 0; d < 7; ++d)
        child<QCheckBox>(QStringLiteral("day_%1").arg(d))->setChecked(prices.day(d));
    priceUi_->allDays->setChecked(prices.allDays());
    applyEnabling();
}

void Gen2AdvancedDialog::readValues()
{
    Machine& machine = rules_.machine();
    for (int k = 0; k < 4; ++k)
        if (child<QRadioButton>(QStringLiteral("kind_%1").arg(k))->isChecked() &&
            machine.kind() != Machine::Kind(k))
            rules_.chooseKind(Machine::Kind(k));
    // Text that is no number is kept as none, which the checks refuse.
    for (int n = 0; n < Machine::kNumberCount; ++n) {
        if (!machine.numberShown(Machine::Number(n)))
            continue;
        bool ok = false;
        const int value = numberEdit(n)->text().trimmed().toInt(&ok);
        machine.setNumber(Machine::Number(n), ok ? value : -1);
    }
    machine.setSerial(machineUi_->serial->text());
    for (int a = 0; a < 6; ++a)
        machine.setAction(Machine::Action(a),
                          child<QCheckBox>(QStringLiteral("action_%1").arg(a))->isChecked());

    for (int s = 0; s < Features::kSwitchCount; ++s)
        rules_.features().setValue(Features::Switch(s), featureBox(s)->isChecked());

    Prices& prices = rules_.prices();
    for (int f = 0; f < Prices::kFieldCount; ++f)
        if (f != Prices::kCoin2 || prices.coin2Shown())
            prices.setMoneyText(Prices::Field(f), moneyEdit(f)->text());
    prices.setPenny(priceUi_->penny->currentIndex());
    prices.setPennyDryer(priceUi_->pennyDryer->currentIndex());
    // A stored hour that is no entry shows none; it stays as it was.
    if (priceUi_->begin->currentIndex() >= 0)
        prices.setBegin(priceUi_->begin->currentText());
    if (priceUi_->end->currentIndex() >= 0)
        prices.setEnd(priceUi_->end->currentText());
    for (int d = 0; d < 7; ++d)
        prices.setDay(d, child<QCheckBox>(QStringLiteral("day_%1").arg(d))->isChecked());
    prices.setAllDays(priceUi_->allDays->isChecked());
}

void Gen2AdvancedDialog::setEditable(bool editable)
{
    editable_ = editable;
    OptionPageWidget::setEditable(editable);
    applyEnabling();
}

void Gen2AdvancedDialog::focusControl(int controlId)
{
    if (QWidget* widget = control(controlId))
        for (int t = 0; t < tabs_->count(); ++t)
            if (tabs_->widget(t)->isAncestorOf(widget))
                tabs_->setCurrentIndex(t);
    OptionPageWidget::focusControl(controlId);
}

void Gen2AdvancedDialog::applyEnabling()
{
    if (!editable_)
        return;
    const Machine& machine = rules_.machine();
    for (const Machine::Number n : kWasherNumbers)
        numberEdit(n)->setEnabled(machine.washerTimes());
    for (const Machine::Number n : kDryerNumbers)
        numberEdit(n)->setEnabled(machine.dryerTimes());
    for (int s = 0; s < Features::kSwitchCount; ++s)
        featureBox(s)->setEnabled(rules_.features().enabled(Features::Switch(s)));
    // The values a switch of the Features tab brings into use.
    const Features& features = rules_.features();
    const bool superCycles = features.value(Features::kSuperCycle);
    numberEdit(Machine::kSuperCycleType)->setEnabled(superCycles);
    moneyEdit(Prices::kSuperUpgrade)->setEnabled(superCycles);
    const bool special = features.value(Features::kSpecPricing);
    const bool cyclePrices = features.value(Features::kCyclePricing);
    const auto enable = [this](Prices::Field f, bool on) { moneyEdit(f)->setEnabled(on); };
    const bool washer = machine.washerTimes();
    const bool dryer = machine.dryerTimes();
    enable(Prices::kVend, washer);
    enable(Prices::kSpecVend, washer && special);
    for (const Prices::Field f : {Prices::kVendCold, Prices::kVendWarm, Prices::kVendHot})
        enable(f, washer && cyclePrices);
    for (const Prices::Field f : {Prices::kSpecCold, Prices::kSpecWarm, Prices::kSpecHot})
        enable(f, washer && cyclePrices && special);
    priceUi_->penny->setEnabled(washer);
    enable(Prices::kRegDryer, dryer);
    enable(Prices::kSpecDryer, dryer && special);
    priceUi_->pennyDryer->setEnabled(dryer);
    priceUi_->begin->setEnabled(special);
    priceUi_->end->setEnabled(special);
    for (int d = 0; d < 7; ++d)
        child<QCheckBox>(QStringLiteral("day_%1").arg(d))->setEnabled(special);
    priceUi_->allDays->setEnabled(special);
}

Check Gen2AdvancedDialog::leave(int control)
{
    for (int f = 0; f < Prices::kFieldCount; ++f) {
        if (Prices::moneyFields()[size_t(f)].control != control)
            continue;
        if (Check refused = rules_.leaveMoney(Prices::Field(f), moneyEdit(f)->text()))
            return refused;
        // The stacked washer/dryer rule may have moved a dryer price.
        for (int shown = 0; shown < Prices::kFieldCount; ++shown)
            moneyEdit(shown)->setText(rules_.prices().moneyText(Prices::Field(shown)));
        return std::nullopt;
    }
    Machine& machine = rules_.machine();
    for (int n = 0; n < Machine::kNumberCount; ++n) {
        if (Machine::numberFields()[size_t(n)].control != control)
            continue;
        if (Check refused = machine.readNumber(Machine::Number(n), numberEdit(n)->text()))
            return refused;
        numberEdit(n)->setText(QString::number(machine.number(Machine::Number(n))));
        return std::nullopt;
    }
    if (control == Machine::kSerialControl) {
        machine.setSerial(machineUi_->serial->text());
        const Check refused = machine.checkFields();
        if (refused && refused->control == Machine::kSerialControl)
            return refused;
    }
    return std::nullopt;
}

} // namespace profiles
