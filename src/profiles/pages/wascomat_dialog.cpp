#include "profiles/pages/wascomat_dialog.h"

#include "fields/choice_lists.h"
#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_wascomat_price_page.h"
#include "ui_wascomat_special_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace profiles {

using Rules = WascomatPageRules;

WascomatDialog::WascomatDialog(QWidget* parent)
    : OptionPageWidget(parent), tabs_(new QTabWidget(this)), pricePage_(new QWidget),
      specialPage_(new QWidget), priceUi_(std::make_unique<Ui::WascomatPricePage>()),
      specialUi_(std::make_unique<Ui::WascomatSpecialPage>())
{
    setObjectName(QStringLiteral("wascomatDialog"));
    priceUi_->setupUi(pricePage_);
    specialUi_->setupUi(specialPage_);
    tabs_->addTab(pricePage_, QStringLiteral("Prices"));
    tabs_->addTab(specialPage_, QStringLiteral("Special Prices"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);

    priceUi_->machineType->addItems(Rules::machineEntries());
    tagControls();

    connect(specialUi_->specPricing, &QCheckBox::toggled, this, [this] { enableSpecialPricing(); });
    auto* watcher =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveField(control); });
    for (int i = 0; i < kWascomatPriceCount; ++i) {
        watcher->watch(Rules::kFirstRegularControl + i);
        watcher->watch(Rules::kFirstSpecialControl + i);
    }
    watcher->watch(Rules::kBeginControl);
    watcher->watch(Rules::kEndControl);

    rules_.reset();
    showValues();
}

WascomatDialog::~WascomatDialog() = default;

QLineEdit* WascomatDialog::priceEdit(bool special, int index) const
{
    QWidget* page = special ? specialPage_ : pricePage_;
    return page->findChild<QLineEdit*>(
        QStringLiteral("%1_%2").arg(QLatin1String(special ? "special" : "price")).arg(index));
}

QCheckBox* WascomatDialog::dayBox(int day) const
{
    return specialPage_->findChild<QCheckBox*>(QStringLiteral("day_%1").arg(day));
}

void WascomatDialog::tagControls()
{
    setControlId(priceUi_->machineType, Rules::kMachineTypeControl);
    for (int i = 0; i < kWascomatPriceCount; ++i) {
        setControlId(priceEdit(false, i), Rules::kFirstRegularControl + i);
        setControlId(priceEdit(true, i), Rules::kFirstSpecialControl + i);
    }
    setControlId(specialUi_->specPricing, Rules::kSpecPricingControl);
    for (int d = 0; d < 7; ++d)
        setControlId(dayBox(d), Rules::kDayControls[size_t(d)]);
    setControlId(specialUi_->beginTime, Rules::kBeginControl);
    setControlId(specialUi_->endTime, Rules::kEndControl);
}

void WascomatDialog::showValues()
{
    const Rules::Values& v = rules_.values();
    priceUi_->machineType->setCurrentIndex(
        fields::choiceToSelect(v.machine, priceUi_->machineType->count()));
    for (int i = 0; i < kWascomatPriceCount; ++i) {
        priceEdit(false, i)->setText(fields::formatMoney(v.regular[size_t(i)]));
        priceEdit(true, i)->setText(fields::formatMoney(v.special[size_t(i)]));
    }
    specialUi_->specPricing->setChecked(v.specPricing);
    for (int d = 0; d < 7; ++d)
        dayBox(d)->setChecked(v.days[size_t(d)]);
    specialUi_->beginTime->setText(v.begin);
    specialUi_->endTime->setText(v.end);
    enableSpecialPricing();
}

void WascomatDialog::readValues()
{
    Rules::Values& v = rules_.values();
    v.machine = priceUi_->machineType->currentIndex();
    // A text the edit refuses keeps the value before it, as on leaving it.
    for (int i = 0; i < kWascomatPriceCount; ++i) {
        rules_.enterPrice(Rules::kFirstRegularControl + i, priceEdit(false, i)->text());
        rules_.enterPrice(Rules::kFirstSpecialControl + i, priceEdit(true, i)->text());
    }
    rules_.enterTime(Rules::kBeginControl, specialUi_->beginTime->text());
    rules_.enterTime(Rules::kEndControl, specialUi_->endTime->text());
    v.specPricing = specialUi_->specPricing->isChecked();
    for (int d = 0; d < 7; ++d)
        v.days[size_t(d)] = dayBox(d)->isChecked();
}

void WascomatDialog::setEditable(bool editable)
{
    editable_ = editable;
    OptionPageWidget::setEditable(editable);
    enableSpecialPricing();
}

void WascomatDialog::enableSpecialPricing()
{
    const bool on = editable_ && specialUi_->specPricing->isChecked();
    for (int i = 0; i < kWascomatPriceCount; ++i)
        priceEdit(true, i)->setEnabled(on);
    for (int d = 0; d < 7; ++d)
        dayBox(d)->setEnabled(on);
    specialUi_->beginTime->setEnabled(on);
    specialUi_->endTime->setEnabled(on);
}

Check WascomatDialog::leaveField(int control)
{
    if (control == Rules::kBeginControl || control == Rules::kEndControl) {
        QLineEdit* edit =
            control == Rules::kBeginControl ? specialUi_->beginTime : specialUi_->endTime;
        if (Check refused = rules_.enterTime(control, edit->text()))
            return refused;
        edit->setText(control == Rules::kBeginControl ? rules_.values().begin
                                                      : rules_.values().end);
        return std::nullopt;
    }
    const Currency* price = rules_.priceOf(control);
    auto* edit = qobject_cast<QLineEdit*>(this->control(control));
    if (price == nullptr || edit == nullptr)
        return std::nullopt;
    if (Check refused = rules_.enterPrice(control, edit->text()))
        return refused;
    edit->setText(fields::formatMoney(*price));
    return std::nullopt;
}

} // namespace profiles
