#include "profiles/pages/maytag_dialog.h"

#include "fields/choice_lists.h"
#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_maytag_options_page.h"
#include "ui_maytag_price_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace profiles {
namespace {

using Price = MaytagPricePageRules;
using Options = MaytagOptionsPageRules;

const char* const kTimeLabels[] = {"Additional Wash (Minutes)", "Additional Rinse (Minutes)"};
const char* const kMhn33TimeLabels[] = {"Prewash (Minutes)", "Wash (Minutes)", "Number of Rinses",
                                        "Final Spin (Minutes)", "Spin Speed (RPM)"};

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

MaytagDialog::MaytagDialog(int code, QWidget* parent)
    : OptionPageWidget(parent), rules_(code), tabs_(new QTabWidget(this)), pricePage_(new QWidget),
      optionsPage_(new QWidget), priceUi_(std::make_unique<Ui::MaytagPricePage>()),
      optionsUi_(std::make_unique<Ui::MaytagOptionsPage>())
{
    setObjectName(QStringLiteral("maytagDialog%1").arg(code));
    priceUi_->setupUi(pricePage_);
    optionsUi_->setupUi(optionsPage_);
    tabs_->addTab(pricePage_, QStringLiteral("Prices"));
    tabs_->addTab(optionsPage_, QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);

    fill(priceUi_->penny, Price::pennyIncrementChoices());
    fill(priceUi_->startTime, Price::hourChoices());
    fill(priceUi_->endTime, Price::hourChoices());
    fill(optionsUi_->position, Options::positionChoices());
    for (int c = 0; c < Options::kCycleCount; ++c)
        fill(list(QStringLiteral("temp_%1").arg(c)), Options::waterTempChoices());
    tagControls();
    arrangeForModel();

    connect(priceUi_->specPricing, &QCheckBox::toggled, this, [this] { enableSpecialPricing(); });
    auto* watcher =
        new LeaveFieldWatcher(*this, [this](int control) { return leaveMoney(control); });
    for (const Price::MoneyField& field : Price::moneyFields())
        watcher->watch(field.control);

    rules_.reset();
    showValues();
}

MaytagDialog::~MaytagDialog() = default;

QLineEdit* MaytagDialog::moneyEdit(int field) const
{
    return pricePage_->findChild<QLineEdit*>(QStringLiteral("money_%1").arg(field));
}

QComboBox* MaytagDialog::timeList(int index) const
{
    return list(QStringLiteral("time_%1").arg(index));
}

QCheckBox* MaytagDialog::box(const QString& name) const
{
    return findChild<QCheckBox*>(name);
}

QComboBox* MaytagDialog::list(const QString& name) const
{
    return findChild<QComboBox*>(name);
}

void MaytagDialog::tagControls()
{
    for (int f = 0; f < Price::kMoneyFieldCount; ++f) {
        const Price::MoneyField& field = Price::moneyFields()[size_t(f)];
        setControlId(moneyEdit(f), field.control);
        const QString largest = fields::formatMoney(Currency::fromCents(field.maximumCents));
        moneyEdit(f)->setToolTip(
            f == Price::kCoin1
                ? QStringLiteral("%1 in dollars and cents, a multiple of $0.05: $0.05 to %2")
                      .arg(QLatin1String(field.label), largest)
                : QStringLiteral("%1 in dollars and cents, a multiple of the coin value: up to %2")
                      .arg(QLatin1String(field.label), largest));
    }
    setControlId(priceUi_->penny, Price::kPennyIncrementControl);
    setControlId(priceUi_->specPricing, Price::kSpecPricingControl);
    setControlId(priceUi_->startTime, Price::kStartTimeControl);
    setControlId(priceUi_->endTime, Price::kEndTimeControl);
    for (int d = 0; d < 7; ++d)
        setControlId(box(QStringLiteral("day_%1").arg(d)), Price::kDayControls[size_t(d)]);

    setControlId(optionsUi_->position, Options::kPositionControl);
    setControlId(optionsUi_->location, Options::kLocationControl);
    setControlId(optionsUi_->serial, Options::kSerialControl);
    const std::vector<Options::TimeList>& lists = Options::timeLists(rules_.options().model());
    for (size_t i = 0; i < lists.size(); ++i)
        setControlId(timeList(int(i)), lists[i].control);
    const bool mhn33 = rules_.options().model() == MaytagModel::Mhn33;
    for (int c = 0; c < Options::kCycleCount; ++c) {
        setControlId(box(QStringLiteral("first_%1").arg(c)), Options::kFirstBoxControls[size_t(c)]);
        setControlId(box(QStringLiteral("middle_%1").arg(c)),
                     (mhn33 ? Options::kMhn33MiddleBoxControls
                            : Options::kMarlinMiddleBoxControls)[size_t(c)]);
        setControlId(list(QStringLiteral("temp_%1").arg(c)),
                     Options::kWaterTempControls[size_t(c)]);
    }
    for (int a = 0; a < 4; ++a)
        setControlId(box(QStringLiteral("action_%1").arg(a)), Options::kActionControls[size_t(a)]);
    setControlId(optionsUi_->waterLevel, Options::kWaterLevelControl);
    setControlId(optionsUi_->tempLevel, Options::kTempLevelControl);
}

void MaytagDialog::arrangeForModel()
{
    const MaytagModel model = rules_.options().model();
    const bool mhn33 = model == MaytagModel::Mhn33;
    // The MHN33's machines have no Soil Level price.
    moneyEdit(Price::kSoilLevel)->setVisible(rules_.prices().soilLevelShown());
    pricePage_->findChild<QLabel*>(QStringLiteral("moneyLabel_%1").arg(Price::kSoilLevel))
        ->setVisible(rules_.prices().soilLevelShown());

    const std::vector<Options::TimeList>& lists = Options::timeLists(model);
    for (int i = 0; i < 5; ++i) {
        const bool shown = size_t(i) < lists.size();
        timeList(i)->setVisible(shown);
        auto* label = optionsPage_->findChild<QLabel*>(QStringLiteral("timeLabel_%1").arg(i));
        label->setVisible(shown);
        if (!shown)
            continue;
        fill(timeList(i), lists[size_t(i)].entries);
        label->setText(QLatin1String(mhn33 ? kMhn33TimeLabels[i] : kTimeLabels[i]));
    }
    optionsUi_->timesGroup->setVisible(!lists.empty());
    optionsUi_->waterLevel->setVisible(mhn33);
    optionsUi_->tempLevel->setVisible(mhn33);
    optionsUi_->actionGroup->setVisible(rules_.options().hasActionCode());
    if (mhn33) {
        optionsUi_->serialLabel->setText(QStringLiteral("Machine S/N"));
        optionsUi_->firstHeader->setText(QStringLiteral("X Rinse"));
        optionsUi_->middleHeader->setText(QStringLiteral("Prewash"));
        optionsUi_->tempHeader->setText(QStringLiteral("Temp"));
    }
}

void MaytagDialog::showValues()
{
    const Price& prices = rules_.prices();
    for (int f = 0; f < Price::kMoneyFieldCount; ++f)
        moneyEdit(f)->setText(prices.moneyText(Price::Field(f)));
    select(priceUi_->penny, prices.pennyIncrement());
    priceUi_->specPricing->setChecked(prices.specPricing());
    priceUi_->startTime->setCurrentIndex(int(Price::hourChoices().indexOf(prices.startTime())));
    priceUi_->endTime->setCurrentIndex(int(Price::hourChoices().indexOf(prices.endTime())));
    for (int d = 0; d < 7; ++d)
        box(QStringLiteral("day_%1").arg(d))->setChecked(prices.day(d));

    const Options& options = rules_.options();
    select(optionsUi_->position, options.position());
    optionsUi_->location->setText(options.location());
    optionsUi_->serial->setText(options.serial());
    for (size_t i = 0; i < Options::timeLists(options.model()).size(); ++i)
        select(timeList(int(i)), options.timeIndex(int(i)));
    for (int c = 0; c < Options::kCycleCount; ++c) {
        const Options::CycleSettings cycle = options.cycle(c);
        box(QStringLiteral("first_%1").arg(c))->setChecked(cycle.firstBox);
        box(QStringLiteral("middle_%1").arg(c))->setChecked(cycle.middleBox);
        select(list(QStringLiteral("temp_%1").arg(c)), cycle.waterTemp);
    }
    for (int a = 0; a < 4; ++a)
        box(QStringLiteral("action_%1").arg(a))->setChecked(options.action(a));
    optionsUi_->waterLevel->setChecked(options.waterLevel());
    optionsUi_->tempLevel->setChecked(options.tempLevel());
    enableSpecialPricing();
}

void MaytagDialog::readValues()
{
    Price& prices = rules_.prices();
    for (int f = 0; f < Price::kMoneyFieldCount; ++f)
        if (f != Price::kSoilLevel || prices.soilLevelShown())
            prices.setMoneyText(Price::Field(f), moneyEdit(f)->text());
    prices.setPennyIncrement(priceUi_->penny->currentIndex());
    prices.setSpecPricing(priceUi_->specPricing->isChecked());
    // A stored time that is no entry shows none; it stays as it was.
    if (priceUi_->startTime->currentIndex() >= 0)
        prices.setStartTime(priceUi_->startTime->currentText());
    if (priceUi_->endTime->currentIndex() >= 0)
        prices.setEndTime(priceUi_->endTime->currentText());
    for (int d = 0; d < 7; ++d)
        prices.setDay(d, box(QStringLiteral("day_%1").arg(d))->isChecked());

    Options& options = rules_.options();
    options.setPosition(optionsUi_->position->currentIndex());
    options.setLocation(optionsUi_->location->text());
    options.setSerial(optionsUi_->serial->text());
    for (size_t i = 0; i < Options::timeLists(options.model()).size(); ++i)
        options.setTimeIndex(int(i), timeList(int(i))->currentIndex());
    for (int c = 0; c < Options::kCycleCount; ++c)
        options.setCycle(c, {box(QStringLiteral("first_%1").arg(c))->isChecked(),
                             box(QStringLiteral("middle_%1").arg(c))->isChecked(),
                             list(QStringLiteral("temp_%1").arg(c))->currentIndex()});
    for (int a = 0; a < 4; ++a)
        options.setAction(a, box(QStringLiteral("action_%1").arg(a))->isChecked());
    options.setWaterLevel(optionsUi_->waterLevel->isChecked());
    options.setTempLevel(optionsUi_->tempLevel->isChecked());
}

void MaytagDialog::setEditable(bool editable)
{
    editable_ = editable;
    OptionPageWidget::setEditable(editable);
    enableSpecialPricing();
}

void MaytagDialog::enableSpecialPricing()
{
    const bool on = editable_ && priceUi_->specPricing->isChecked();
    for (int f = Price::kSpecNormal; f < Price::kMoneyFieldCount; ++f)
        moneyEdit(f)->setEnabled(on);
    priceUi_->startTime->setEnabled(on);
    priceUi_->endTime->setEnabled(on);
    for (int d = 0; d < 7; ++d)
        box(QStringLiteral("day_%1").arg(d))->setEnabled(on);
}

Check MaytagDialog::leaveMoney(int control)
{
    for (int f = 0; f < Price::kMoneyFieldCount; ++f) {
        if (Price::moneyFields()[size_t(f)].control != control)
            continue;
        QLineEdit* edit = moneyEdit(f);
        if (Check refused = rules_.prices().leaveMoneyField(Price::Field(f), edit->text()))
            return refused;
        edit->setText(rules_.prices().moneyText(Price::Field(f)));
    }
    return std::nullopt;
}

} // namespace profiles
