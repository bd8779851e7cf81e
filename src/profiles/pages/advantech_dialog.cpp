#include "profiles/pages/advantech_dialog.h"

#include "fields/choice_lists.h"
#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_advantech_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace profiles {
namespace {

// The integer edits in the order of AdvantechPageRules::integerFields().
const char* const kIntegerEdits[] = {"runTime", "topoffTime", "coolDown", "pulse_0",
                                     "pulse_1", "pulse_2",    "pulse_3"};

void fill(QComboBox* combo, const QStringList& entries)
{
    combo->clear();
    combo->addItems(entries);
}

void select(QComboBox* combo, int index)
{
    combo->setCurrentIndex(fields::choiceToSelect(index, combo->count()));
}

} // namespace

AdvantechDialog::AdvantechDialog(QWidget* parent)
    : OptionPageWidget(parent), ui_(std::make_unique<Ui::AdvantechDialog>())
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("advantechDialog"));
    layout()->setContentsMargins(0, 0, 0, 0);
    fillLists();
    tagControls();

    connect(ui_->washer, &QRadioButton::toggled, this, [this](bool on) {
        rules_.values().machine = int(on ? Rules::Machine::Washer : Rules::Machine::Dryer);
        applyEnabling();
    });
    connect(ui_->disableTopoff, &QCheckBox::toggled, this, [this] { applyEnabling(); });
    auto* watcher =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveField(control); });
    for (const Rules::MoneyField& field : Rules::moneyFields())
        watcher->watch(field.control);
    for (const IntegerField& field : Rules::integerFields())
        watcher->watch(field.control);

    rules_.reset();
    showValues();
}

AdvantechDialog::~AdvantechDialog() = default;

QTabWidget* AdvantechDialog::tabs() const
{
    return ui_->tabs;
}

template <typename T> T* AdvantechDialog::child(const QString& name) const
{
    return findChild<T*>(name);
}

QLineEdit* AdvantechDialog::moneyEdit(int field) const
{
    return child<QLineEdit>(QStringLiteral("money_%1").arg(field));
}

QLineEdit* AdvantechDialog::integerEdit(int index) const
{
    return child<QLineEdit>(QLatin1String(kIntegerEdits[index]));
}

QCheckBox* AdvantechDialog::dayBox(int period, int day) const
{
    return child<QCheckBox>(QStringLiteral("specDay_%1_%2").arg(period).arg(day));
}

void AdvantechDialog::fillLists()
{
    fill(ui_->fillTime, fields::secondsChoices());
    fill(ui_->rinse, Rules::rinseChoices());
    fill(ui_->fill, Rules::fillChoices());
    fill(ui_->hotTempReduction, Rules::hotTempReductionChoices());
    fill(ui_->decimalPoint, fields::decimalPointChoices());
    fill(ui_->coinPulseDelay, fields::tenthsChoices());
    for (int p = 0; p < Rules::kSpecialCount; ++p) {
        fill(child<QComboBox>(QStringLiteral("specStart_%1").arg(p)), fields::timeOfDayChoices());
        fill(child<QComboBox>(QStringLiteral("specDuration_%1").arg(p)), fields::durationChoices());
    }
}

void AdvantechDialog::tagControls()
{
    setControlId(ui_->washer, Rules::kWasherControl);
    setControlId(ui_->dryer, Rules::kDryerControl);
    setControlId(ui_->fillTime, Rules::kFillTimeControl);
    setControlId(ui_->rinse, Rules::kRinseControl);
    setControlId(ui_->fill, Rules::kFillControl);
    setControlId(ui_->hotTempReduction, Rules::kHotTempReductionControl);
    setControlId(ui_->disableTopoff, Rules::kDisableTopoffControl);
    setControlId(ui_->decimalPoint, Rules::kDecimalPointControl);
    setControlId(ui_->setupByte1, Rules::kSetupByte1Control);
    for (int b = 0; b < 4; ++b)
        setControlId(child<QCheckBox>(QStringLiteral("setupByte2_%1").arg(b)),
                     Rules::kSetupByte2Controls[size_t(b)]);
    for (int f = 0; f < Rules::kMoneyCount; ++f)
        setControlId(moneyEdit(f), Rules::moneyFields()[size_t(f)].control);
    for (size_t i = 0; i < Rules::integerFields().size(); ++i)
        setControlId(integerEdit(int(i)), Rules::integerFields()[i].control);
    for (int p = 0; p < Rules::kSpecialCount; ++p) {
        setControlId(child<QComboBox>(QStringLiteral("specStart_%1").arg(p)),
                     Rules::kSpecStartControls[size_t(p)]);
        setControlId(child<QComboBox>(QStringLiteral("specDuration_%1").arg(p)),
                     Rules::kSpecDurationControls[size_t(p)]);
        for (int d = 0; d < 7; ++d)
            setControlId(dayBox(p, d), Rules::kSpecDayControls[size_t(p)] + d);
    }
    setControlId(ui_->coinSlide_0, Rules::kCoinSlide1Control);
    setControlId(ui_->coinSlide_1, Rules::kCoinSlide2Control);
    setControlId(ui_->coinPulseDelay, Rules::kCoinPulseDelayControl);
    for (int a = 0; a < 8; ++a)
        setControlId(child<QCheckBox>(QStringLiteral("action_%1").arg(a)),
                     Rules::kActionControls[size_t(a)]);
}

void AdvantechDialog::showValues()
{
    const Rules::Values& v = rules_.values();
    const bool dryer = rules_.isDryer();
    // The radio's signal would write the kind back; it is the same kind.
    (dryer ? ui_->dryer : ui_->washer)->setChecked(true);
    for (int f = 0; f < Rules::kMoneyCount; ++f)
        moneyEdit(f)->setText(fields::formatMoney(v.money[size_t(f)]));
    for (size_t i = 0; i < Rules::integerFields().size(); ++i)
        integerEdit(int(i))->setText(QString::number(rules_.integerValue(i)));
    ui_->disableTopoff->setChecked(v.disableTopoff);
    select(ui_->fillTime, v.fillTime);
    select(ui_->rinse, v.warmRinse ? 1 : 0);
    select(ui_->fill, v.lessFill ? 1 : 0);
    ui_->hotTempReduction->setCurrentIndex(
        int(Rules::hotTempReductionChoices().indexOf(QString::number(v.hotTempReduction))));
    select(ui_->decimalPoint, v.decimalPoint);
    ui_->setupByte1->setChecked(v.setupOption);
    for (int b = 0; b < 4; ++b)
        child<QCheckBox>(QStringLiteral("setupByte2_%1").arg(b))
            ->setChecked(v.setupByte2[size_t(b)]);
    for (int p = 0; p < Rules::kSpecialCount; ++p) {
        const Rules::Special& s = v.specials[size_t(p)];
        select(child<QComboBox>(QStringLiteral("specStart_%1").arg(p)), s.start);
        select(child<QComboBox>(QStringLiteral("specDuration_%1").arg(p)), s.duration);
        for (int d = 0; d < 7; ++d)
            dayBox(p, d)->setChecked((s.days >> d) & 1);
    }
    ui_->coinSlide_0->setChecked(v.coinSlides[0] != 0);
    ui_->coinSlide_1->setChecked(v.coinSlides[1] != 0);
    select(ui_->coinPulseDelay, v.coinPulseDelay);
    for (int a = 0; a < 8; ++a)
        child<QCheckBox>(QStringLiteral("action_%1").arg(a))->setChecked(v.actions[size_t(a)]);
    applyEnabling();
}

void AdvantechDialog::readValues()
{
    Rules::Values& v = rules_.values();
    v.machine = int(ui_->dryer->isChecked() ? Rules::Machine::Dryer : Rules::Machine::Washer);
    // Text that is no amount or number leaves the value as it was; leaving
    // the edit has shown why.
    for (int f = 0; f < Rules::kMoneyCount; ++f) {
        const auto parsed = fields::parseMoney(moneyEdit(f)->text().trimmed());
        if (const auto amount = parsed ? Currency::parse(parsed->text) : std::nullopt)
            v.money[size_t(f)] = *amount;
    }
    for (size_t i = 0; i < Rules::integerFields().size(); ++i) {
        bool ok = false;
        const int number = integerEdit(int(i))->text().trimmed().toInt(&ok);
        if (ok)
            rules_.integerValue(i) = number;
    }
    v.disableTopoff = ui_->disableTopoff->isChecked();
    v.fillTime = ui_->fillTime->currentIndex();
    v.warmRinse = ui_->rinse->currentIndex() == 1;
    v.lessFill = ui_->fill->currentIndex() == 1;
    if (ui_->hotTempReduction->currentIndex() >= 0)
        v.hotTempReduction = ui_->hotTempReduction->currentText().toInt();
    v.decimalPoint = ui_->decimalPoint->currentIndex();
    v.setupOption = ui_->setupByte1->isChecked();
    for (int b = 0; b < 4; ++b)
        v.setupByte2[size_t(b)] =
            child<QCheckBox>(QStringLiteral("setupByte2_%1").arg(b))->isChecked();
    // The boxes are all the setup bytes hold once the page has shown them.
    v.strayBits1 = 0;
    v.strayBits2 = 0;
    for (int p = 0; p < Rules::kSpecialCount; ++p) {
        Rules::Special& s = v.specials[size_t(p)];
        s.start = child<QComboBox>(QStringLiteral("specStart_%1").arg(p))->currentIndex();
        s.duration = child<QComboBox>(QStringLiteral("specDuration_%1").arg(p))->currentIndex();
        s.days = 0;
        for (int d = 0; d < 7; ++d)
            if (dayBox(p, d)->isChecked())
                s.days |= 1 << d;
    }
    v.coinSlides = {int(ui_->coinSlide_0->isChecked()), int(ui_->coinSlide_1->isChecked())};
    v.coinPulseDelay = ui_->coinPulseDelay->currentIndex();
    for (int a = 0; a < 8; ++a)
        v.actions[size_t(a)] = child<QCheckBox>(QStringLiteral("action_%1").arg(a))->isChecked();
}

void AdvantechDialog::setEditable(bool editable)
{
    editable_ = editable;
    OptionPageWidget::setEditable(editable);
    applyEnabling();
}

void AdvantechDialog::applyEnabling()
{
    const bool washer = editable_ && ui_->washer->isChecked();
    const bool dryer = editable_ && ui_->dryer->isChecked();
    const bool topoff = dryer && !ui_->disableTopoff->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->fillTime, ui_->rinse, ui_->fill, ui_->hotTempReduction,
             moneyEdit(Rules::kVendPrice), moneyEdit(Rules::kWarmPrice),
             moneyEdit(Rules::kHotPrice), integerEdit(3), integerEdit(4), integerEdit(5),
             integerEdit(6)})
        w->setEnabled(washer);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->runTime, ui_->coolDown, ui_->disableTopoff, moneyEdit(Rules::kDryerPrice)})
        w->setEnabled(dryer);
    ui_->topoffTime->setEnabled(topoff);
    moneyEdit(Rules::kTopoffPrice)->setEnabled(topoff);
}

Check AdvantechDialog::leaveField(int control)
{
    for (int f = 0; f < Rules::kMoneyCount; ++f) {
        if (Rules::moneyFields()[size_t(f)].control != control)
            continue;
        QLineEdit* edit = moneyEdit(f);
        if (Check refused = rules_.enterMoney(Rules::Money(f), edit->text()))
            return refused;
        edit->setText(fields::formatMoney(rules_.values().money[size_t(f)]));
        return std::nullopt;
    }
    const auto& ints = Rules::integerFields();
    for (size_t i = 0; i < ints.size(); ++i) {
        if (ints[i].control != control)
            continue;
        QLineEdit* edit = integerEdit(int(i));
        if (Check refused = readIntegerField(ints[i], edit->text(), rules_.integerValue(i))) {
            refused->caption = QString::fromLatin1(kInputErrorCaption);
            return refused;
        }
        edit->setText(QString::number(rules_.integerValue(i)));
    }
    return std::nullopt;
}

} // namespace profiles
