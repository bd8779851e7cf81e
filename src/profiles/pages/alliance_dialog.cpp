#include "profiles/pages/alliance_dialog.h"

#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"
#include "ui_alliance_dryer_prices_page.h"
#include "ui_alliance_dryer_settings_page.h"
#include "ui_alliance_front_load_page.h"
#include "ui_alliance_main_page.h"
#include "ui_alliance_top_load_page.h"
#include "ui_alliance_washer_prices_page.h"

#include <QApplication>
#include <QButtonGroup>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace profiles {
namespace {

using R = AlliancePageRules;

// Top-load setting lists by CycleSetting, first entry 0 minutes.
constexpr int kSettingCounts[] = {21, 11, 11, 16};

} // namespace

AllianceDialog::AllianceDialog(QWidget* parent)
    : OptionPageWidget(parent), tabs_(new QTabWidget(this)),
      watcher_(new LeaveFieldWatcher(*this, [this](int control) {
          for (const PriceEdit& p : prices_)
              if (p.edit->property(kControlIdProperty) == QVariant(control))
                  return leavePrice(p.edit);
          return Check{};
      }))
{
    setObjectName(QStringLiteral("allianceDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    tabs_->setUsesScrollButtons(false);
    buildMain();
    buildWasherPrices();
    buildDryerPrices();
    buildDryerSettings();
    buildTopLoad(Page::QuantumTopLoad, false);
    buildFrontLoad(Page::QuantumFrontLoad, false);
    buildTopLoad(Page::AcaTopLoad, true);
    buildFrontLoad(Page::AcaFrontLoad, true);
    // A refused value puts the focus on its control: its tab comes to the front.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (const auto& [page, widget] : pages_)
            if (now && widget->isAncestorOf(now) && tabs_->currentWidget() != widget)
                tabs_->setCurrentWidget(widget);
    });
    showValues();
}

AllianceDialog::~AllianceDialog()
{
    // The focus moves while the children go: the tab switch must not hear it.
    disconnect(qApp, nullptr, this, nullptr);
}

QWidget* AllianceDialog::addPage(Page page, const QString& title)
{
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("alliancePage%1").arg(int(page)));
    tabs_->addTab(widget, title);
    pages_[page] = widget;
    return widget;
}

void AllianceDialog::tag(QWidget* widget, int control, Page page)
{
    tagged_.push_back({widget, control, page});
}

void AllianceDialog::bindList(Page page, int control, QComboBox* combo, const QStringList& entries,
                              std::function<int&(Values&)> value, int offset)
{
    if (combo->count() == 0)
        combo->addItems(entries);
    tag(combo, control, page);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, value, offset](int index) {
        if (!showing_ && index >= 0)
            value(rules_.values()) = index + offset;
    });
    bound_.push_back({[this, combo, value, offset] {
        const int index = value(rules_.values()) - offset;
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }});
}

void AllianceDialog::bindCheck(Page page, int control, QCheckBox* box,
                               std::function<bool&(Values&)> value)
{
    tag(box, control, page);
    connect(box, &QCheckBox::toggled, this, [this, value](bool on) {
        if (showing_)
            return;
        value(rules_.values()) = on;
        applyEnabling();
    });
    bound_.push_back({[this, box, value] { box->setChecked(value(rules_.values())); }});
}

void AllianceDialog::bindPrice(Page page, int control, QLineEdit* edit,
                               std::function<Currency&(Values&)> value)
{
    tag(edit, control, page);
    edit->installEventFilter(watcher_);
    prices_.push_back({edit, page, control, value});
    bound_.push_back(
        {[this, edit, value] { edit->setText(fields::formatMoney(value(rules_.values()))); }});
}

void AllianceDialog::bindCycleButtons(const std::vector<QAbstractButton*>& buttons,
                                      std::function<void(int)> chosen)
{
    auto* group = new QButtonGroup(this);
    for (size_t i = 0; i < buttons.size(); ++i)
        group->addButton(buttons[i], int(i));
    connect(group, &QButtonGroup::idClicked, this, std::move(chosen));
    if (buttons.size() == 3)
        cycleGroups_.push_back(group);
    else
        addedGroup_ = group;
}

void AllianceDialog::buildMain()
{
    mainUi_ = std::make_unique<Ui::AllianceMainPage>();
    mainUi_->setupUi(addPage(Page::Main, QStringLiteral("Washer/Dryer")));
    Ui::AllianceMainPage& ui = *mainUi_;
    tag(ui.productLine, R::kProductLineControl, Page::Main);
    connect(ui.productLine, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (showing_ || line < 0)
            return;
        rules_.chooseProductLine(line);
        showValues();
    });
    tag(ui.machineKind, R::kMachineKindControl, Page::Main);
    connect(ui.machineKind, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_ || index < 0)
            return;
        rules_.values().machineType = mainUi_->machineKind->itemData(index).toInt();
        arrangePages();
    });
    ui.tier->addItems(R::tierEntries());
    tag(ui.tier, R::kTierControl, Page::Main);
    connect(ui.tier, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0)
            rules_.values().tier = R::tierOfEntry(entry);
    });
    bindPrice(Page::Main, R::kVendPriceControl, ui.vendPrice,
              [](Values& v) -> Currency& { return v.vendPrice; });
    bindCheck(Page::Main, R::kCyclePricingControl, ui.cyclePricing,
              [](Values& v) -> bool& { return v.cyclePricing; });
    bindCheck(Page::Main, R::kAudioControl, ui.audio, [](Values& v) -> bool& { return v.audio; });
}

void AllianceDialog::buildWasherPrices()
{
    washerPricesUi_ = std::make_unique<Ui::AllianceWasherPricesPage>();
    QWidget* page = addPage(Page::WasherPrices, QStringLiteral("Washer Prices"));
    washerPricesUi_->setupUi(page);
    for (int i = 0; i < R::kWasherPriceCount; ++i) {
        auto* edit = page->findChild<QLineEdit*>(QStringLiteral("price_%1").arg(i));
        edit->setToolTip(R::washerPriceLabel(i) + QStringLiteral(": $0.00 to $655.35"));
        bindPrice(Page::WasherPrices, R::kWasherPriceControl + i, edit,
                  [i](Values& v) -> Currency& { return v.washerPrices[size_t(i)]; });
    }
}

void AllianceDialog::buildDryerPrices()
{
    dryerPricesUi_ = std::make_unique<Ui::AllianceDryerPricesPage>();
    QWidget* page = addPage(Page::DryerPrices, QStringLiteral("Dryer Prices"));
    dryerPricesUi_->setupUi(page);
    for (size_t row = 0; row < 4; ++row)
        bindPrice(Page::DryerPrices, R::kDryerPriceControls[row],
                  page->findChild<QLineEdit*>(QStringLiteral("price_%1").arg(row)),
                  [row](Values& v) -> Currency& { return v.dryerPrices[row]; });
    bindPrice(Page::DryerPrices, R::kNoHeatPriceControl, dryerPricesUi_->noHeatPrice,
              [](Values& v) -> Currency& { return v.noHeatPrice; });
}

void AllianceDialog::buildDryerSettings()
{
    dryerSettingsUi_ = std::make_unique<Ui::AllianceDryerSettingsPage>();
    QWidget* page = addPage(Page::DryerSettings, QStringLiteral("Dryer Settings"));
    Ui::AllianceDryerSettingsPage& ui = *dryerSettingsUi_;
    ui.setupUi(page);
    constexpr Page P = Page::DryerSettings;
    bindList(P, R::kTemperatureUnitControl, ui.temperatureUnit, {},
             [](Values& v) -> int& { return v.temperatureUnit; });
    connect(ui.temperatureUnit, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_)
            showValues();
    });
    for (size_t row = 0; row < 4; ++row) {
        auto* temperature = page->findChild<QComboBox*>(QStringLiteral("temperature_%1").arg(row));
        // Filled by the unit in showValues.
        temperature->addItems(R::temperatureEntries(0));
        bindList(P, R::kTemperatureControls[row], temperature, {},
                 [row](Values& v) -> int& { return v.temperatures[row]; });
        bindList(P, R::kCoolDownControls[row],
                 page->findChild<QComboBox*>(QStringLiteral("coolDown_%1").arg(row)),
                 R::minuteEntries(1, R::kCoolDownCount),
                 [row](Values& v) -> int& { return v.coolDownTimes[row]; });
    }
    bindList(P, R::kHeatedTimeControl, ui.heatedTime, R::minuteEntries(1, R::kCycleTimeCount),
             [](Values& v) -> int& { return v.heatedCycleTime; });
    bindList(P, R::kNoHeatTimeControl, ui.noHeatTime, R::minuteEntries(1, R::kCycleTimeCount),
             [](Values& v) -> int& { return v.noHeatCycleTime; });
    bindCheck(P, R::kTopoffControl, ui.topoff, [](Values& v) -> bool& { return v.topoff; });
    bindPrice(P, R::kTopoffPriceControl, ui.topoffPrice,
              [](Values& v) -> Currency& { return v.topoffPrice; });
    bindList(P, R::kTopoffTimeControl, ui.topoffTime, R::minuteEntries(1, R::kTopoffTimeCount),
             [](Values& v) -> int& { return v.topoffTime; });
}

void AllianceDialog::buildTopLoad(Page page, bool aca)
{
    std::unique_ptr<Ui::AllianceTopLoadPage>& form = topLoadUi_[aca ? 1 : 0];
    form = std::make_unique<Ui::AllianceTopLoadPage>();
    QWidget* widget = addPage(page, QStringLiteral("Top-Load Settings"));
    Ui::AllianceTopLoadPage& ui = *form;
    ui.setupUi(widget);
    bindCycleButtons({ui.cycleButton_0, ui.cycleButton_1, ui.cycleButton_2},
                     [this](int cycle) { showCycle(cycle); });
    for (int s = 0; s < 4; ++s)
        bindList(page, R::kCycleSettingControls[size_t(s)],
                 widget->findChild<QComboBox*>(QStringLiteral("setting_%1").arg(s)),
                 R::minuteEntries(0, kSettingCounts[s]), [this, s](Values& v) -> int& {
                     return v.cycleSettings[size_t(s)][size_t(cycle_)];
                 });
    // The ACA page shows the medium or the heavy cycle; Quantum has the
    // heavy cycle only, with its switch.
    ui.addedButtons->setVisible(aca);
    ui.enableHeavy->setVisible(!aca);
    if (aca) {
        ui.addedGroup->setTitle(QStringLiteral("Medium and Heavy Cycles"));
        bindCycleButtons({ui.mediumButton, ui.heavyButton},
                         [this](int set) { showHeavy(set == 1); });
    } else {
        bindCheck(page, R::kEnableHeavyControl, ui.enableHeavy,
                  [](Values& v) -> bool& { return v.enableHeavyCycle; });
    }
    const auto cycle = [this, aca](Values& v) -> R::AddedCycle& {
        return aca && !heavy_ ? v.medium : v.heavy;
    };
    // Tagged with the heavy cycle's ids; arrangePages gives the ACA page's
    // the medium ones while the medium cycle is shown.
    bindPrice(page, R::kHeavyAddedPriceControl, ui.addedPrice,
              [cycle](Values& v) -> Currency& { return cycle(v).price; });
    bindList(page, R::kHeavyExtraWashControl, ui.extraWash, R::minuteEntries(0, R::kExtraTimeCount),
             [cycle](Values& v) -> int& { return cycle(v).extraWash; });
    bindList(page, R::kHeavyExtraRinseControl, ui.extraRinse,
             R::minuteEntries(0, R::kExtraTimeCount),
             [cycle](Values& v) -> int& { return cycle(v).extraRinse; });
    bindCheck(page, R::kWarmRinseControl, ui.warmRinse,
              [cycle](Values& v) -> bool& { return cycle(v).warmRinse; });
}

void AllianceDialog::buildFrontLoad(Page page, bool aca)
{
    std::unique_ptr<Ui::AllianceFrontLoadPage>& form = frontLoadUi_[aca ? 1 : 0];
    form = std::make_unique<Ui::AllianceFrontLoadPage>();
    QWidget* widget = addPage(page, QStringLiteral("Front-Load Settings"));
    form->setupUi(widget);
    // The switches each line has, and their ACA names.
    using O = R::CycleOption;
    const std::vector<O> quantumOptions = {O::Prewash, O::ExtraRinseOption, O::ExtraWashOption,
                                           O::WarmRinseOption};
    const std::vector<O> acaOptions = {O::Mode1, O::Mode2, O::ExtraWashOption, O::ExtraRinseOption,
                                       O::WarmRinseOption};
    const std::map<O, QString> acaNames = {
        {O::ExtraWashOption, QStringLiteral("Additional Wash Time")},
        {O::ExtraRinseOption, QStringLiteral("Additional Rinse Time")},
        {O::WarmRinseOption, QStringLiteral("Warm Final Rinse")}};
    const std::vector<O>& offered = aca ? acaOptions : quantumOptions;
    for (const bool heavy : {false, true}) {
        const QString key = heavy ? QStringLiteral("heavy") : QStringLiteral("medium");
        const auto child = [&](const QString& name) {
            return widget->findChild<QWidget*>(key + name);
        };
        const auto cycle = [heavy](Values& v) -> R::AddedCycle& {
            return heavy ? v.heavy : v.medium;
        };
        bindPrice(page, heavy ? R::kHeavyAddedPriceControl : R::kMediumAddedPriceControl,
                  static_cast<QLineEdit*>(child(QStringLiteral("AddedPrice"))),
                  [cycle](Values& v) -> Currency& { return cycle(v).price; });
        for (const char* name : {"ExtraWashLabel", "ExtraWash", "ExtraRinseLabel", "ExtraRinse"})
            child(QLatin1String(name))->setVisible(aca);
        if (aca) {
            bindList(page, heavy ? R::kHeavyExtraWashControl : R::kMediumExtraWashControl,
                     static_cast<QComboBox*>(child(QStringLiteral("ExtraWash"))),
                     R::minuteEntries(0, R::kExtraTimeCount),
                     [cycle](Values& v) -> int& { return cycle(v).extraWash; });
            bindList(page, heavy ? R::kHeavyExtraRinseControl : R::kMediumExtraRinseControl,
                     static_cast<QComboBox*>(child(QStringLiteral("ExtraRinse"))),
                     R::minuteEntries(0, R::kExtraTimeCount),
                     [cycle](Values& v) -> int& { return cycle(v).extraRinse; });
        }
        for (int o = 0; o < R::kCycleOptionCount; ++o) {
            const O option = O(o);
            auto* box = static_cast<QCheckBox*>(child(QStringLiteral("Option_%1").arg(o)));
            const bool shown = std::ranges::find(offered, option) != offered.end();
            box->setVisible(shown);
            if (!shown)
                continue;
            if (aca && acaNames.contains(option))
                box->setText(acaNames.at(option));
            bindCheck(
                page, R::kCycleOptionControl + (heavy ? R::kCycleOptionCount : 0) + o, box,
                [cycle, option](Values& v) -> bool& { return cycle(v).options[size_t(option)]; });
        }
    }
    form->quantumRow->setVisible(!aca);
    if (!aca) {
        bindList(page, R::kFlwExtraWashControl, form->flwExtraWash,
                 R::minuteEntries(0, R::kExtraTimeCount),
                 [](Values& v) -> int& { return v.flwExtraWash; });
        bindList(page, R::kMachineSizeControl, form->machineSize, R::machineSizeEntries(),
                 [](Values& v) -> int& { return v.machineSize; });
    }
}

void AllianceDialog::fillMachineKinds()
{
    QComboBox* kinds = mainUi_->machineKind;
    kinds->clear();
    for (int type : R::machineTypes(rules_.values().productLine))
        kinds->addItem(R::machineTypeName(type), type);
    kinds->setCurrentIndex(kinds->findData(rules_.values().machineType));
}

void AllianceDialog::fillTemperatures()
{
    const QStringList entries = R::temperatureEntries(rules_.values().temperatureUnit);
    for (int row = 0; row < 4; ++row) {
        auto* combo = pages_.at(Page::DryerSettings)
                          ->findChild<QComboBox*>(QStringLiteral("temperature_%1").arg(row));
        combo->clear();
        combo->addItems(entries);
    }
}

void AllianceDialog::showValues()
{
    showing_ = true;
    const Values& v = rules_.values();
    mainUi_->productLine->setCurrentIndex(v.productLine == 1 ? 1 : 0);
    fillMachineKinds();
    mainUi_->tier->setCurrentIndex(R::entryOfTier(v.tier));
    fillTemperatures();
    for (const Bound& b : bound_)
        b.show();
    for (QButtonGroup* group : cycleGroups_)
        group->button(cycle_)->setChecked(true);
    addedGroup_->button(heavy_ ? 1 : 0)->setChecked(true);
    showing_ = false;
    arrangePages();
}

void AllianceDialog::readValues()
{
    // Lists and checks have handed their values over already; a price edit
    // hands over any amount it holds, so the save refuses one out of range.
    for (const PriceEdit& p : prices_) {
        if (!p.edit->property(kControlIdProperty).isValid())
            continue;
        const std::optional<fields::ParsedMoney> parsed =
            fields::parseMoney(p.edit->text().trimmed());
        if (const std::optional<Currency> amount =
                parsed ? Currency::parse(parsed->text) : std::nullopt)
            p.price(rules_.values()) = *amount;
    }
}

void AllianceDialog::setEditable(bool editable)
{
    editable_ = editable;
    applyEnabling();
}

void AllianceDialog::showCycle(int cycle)
{
    readValues();
    cycle_ = cycle;
    showValues();
}

void AllianceDialog::showHeavy(bool heavy)
{
    readValues();
    heavy_ = heavy;
    showValues();
}

void AllianceDialog::arrangePages()
{
    const std::vector<Page> shown = rules_.pages();
    const auto isShown = [&](Page page) { return std::ranges::find(shown, page) != shown.end(); };
    for (const auto& [page, widget] : pages_)
        tabs_->setTabVisible(tabs_->indexOf(widget), isShown(page));
    for (const Tagged& t : tagged_) {
        int control = t.control;
        // The ACA top-load page's added-cycle controls are the medium ones
        // while the medium cycle is shown.
        if (t.page == Page::AcaTopLoad && !heavy_) {
            if (control == R::kHeavyAddedPriceControl)
                control = R::kMediumAddedPriceControl;
            else if (control == R::kHeavyExtraWashControl)
                control = R::kMediumExtraWashControl;
            else if (control == R::kHeavyExtraRinseControl)
                control = R::kMediumExtraRinseControl;
            else if (control == R::kWarmRinseControl)
                control = R::kMediumWarmRinseControl;
        }
        if (isShown(t.page))
            setControlId(t.widget, control);
        else
            t.widget->setProperty(kControlIdProperty, QVariant());
    }
    applyEnabling();
}

void AllianceDialog::applyEnabling()
{
    const Values& v = rules_.values();
    for (const Tagged& t : tagged_) {
        bool on = editable_;
        const int control = t.control;
        if (t.page == Page::WasherPrices || t.page == Page::DryerPrices)
            on = on && v.cyclePricing;
        else if (control == R::kVendPriceControl)
            on = on && !v.cyclePricing;
        else if (control == R::kTierControl)
            on = on && rules_.aca();
        else if (control == R::kCyclePricingControl)
            on = on && !rules_.tokens();
        else if (control == R::kTopoffPriceControl || control == R::kTopoffTimeControl)
            on = on && v.topoff;
        else if (t.page == Page::QuantumTopLoad &&
                 (control == R::kHeavyAddedPriceControl || control == R::kHeavyExtraWashControl ||
                  control == R::kHeavyExtraRinseControl))
            on = on && v.enableHeavyCycle;
        t.widget->setEnabled(on);
    }
}

Check AllianceDialog::leavePrice(QLineEdit* edit)
{
    for (const PriceEdit& p : prices_) {
        if (p.edit != edit)
            continue;
        Currency& target = p.price(rules_.values());
        if (Check refused =
                rules_.enterPrice(edit->property(kControlIdProperty).toInt(), edit->text(), target))
            return refused;
        edit->setText(fields::formatMoney(target));
    }
    return std::nullopt;
}

} // namespace profiles
