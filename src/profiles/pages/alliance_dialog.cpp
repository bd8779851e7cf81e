#include "profiles/pages/alliance_dialog.h"

#include "fields/money_text.h"
#include "profiles/pages/leave_field_watcher.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace profiles {
namespace {

using R = AlliancePageRules;

const char* const kCycleNames[] = {"Normal", "Perm Press", "Delicate"};
const char* const kSettingLabels[] = {"Wash Time (minutes):", "Rinse Time (minutes):",
                                      "Extra Rinse (minutes):", "Final Spin (minutes):"};
const char* const kDryerRows[] = {"High", "Medium", "Low", "Delicate"};
// Setting lists by CycleSetting, first entry 0 minutes.
constexpr int kSettingCounts[] = {21, 11, 11, 16};

void addRow(QGridLayout* grid, const QString& label, QWidget* control)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label), row, 0);
    grid->addWidget(control, row, 1);
}

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
    showValues();
}

QWidget* AllianceDialog::addPage(Page page, const QString& title)
{
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("alliancePage%1").arg(int(page)));
    tabs_->addTab(widget, title);
    pages_[page] = widget;
    return widget;
}

QGridLayout* AllianceDialog::grid(QWidget* parent)
{
    auto* layout = new QGridLayout(parent);
    layout->setColumnStretch(2, 1);
    return layout;
}

void AllianceDialog::tag(QWidget* widget, int control, Page page)
{
    tagged_.push_back({widget, control, page});
}

QComboBox* AllianceDialog::list(Page page, int control, const QStringList& entries,
                                std::function<int&(Values&)> value, int offset)
{
    auto* combo = new QComboBox;
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
    return combo;
}

QCheckBox* AllianceDialog::check(Page page, int control, const QString& text,
                                 std::function<bool&(Values&)> value)
{
    auto* box = new QCheckBox(text);
    tag(box, control, page);
    connect(box, &QCheckBox::toggled, this, [this, value](bool on) {
        if (showing_)
            return;
        value(rules_.values()) = on;
        applyEnabling();
    });
    bound_.push_back({[this, box, value] { box->setChecked(value(rules_.values())); }});
    return box;
}

QLineEdit* AllianceDialog::price(Page page, int control, std::function<Currency&(Values&)> value)
{
    auto* edit = new QLineEdit;
    edit->setMaxLength(10);
    edit->setMaximumWidth(90);
    tag(edit, control, page);
    edit->installEventFilter(watcher_);
    prices_.push_back({edit, page, control, value});
    bound_.push_back(
        {[this, edit, value] { edit->setText(fields::formatMoney(value(rules_.values()))); }});
    return edit;
}

void AllianceDialog::buildMain()
{
    QWidget* page = addPage(Page::Main, QStringLiteral("Washer/Dryer"));
    QGridLayout* g = grid(page);
    productLine_ = new QComboBox;
    productLine_->addItems({QStringLiteral("Quantum"), QStringLiteral("ACA")});
    tag(productLine_, R::kProductLineControl, Page::Main);
    connect(productLine_, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (showing_ || line < 0)
            return;
        rules_.chooseProductLine(line);
        showValues();
    });
    addRow(g, QStringLiteral("Product Line:"), productLine_);

    machineKind_ = new QComboBox;
    tag(machineKind_, R::kMachineKindControl, Page::Main);
    connect(machineKind_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (showing_ || index < 0)
            return;
        rules_.values().machineType = machineKind_->itemData(index).toInt();
        arrangePages();
    });
    addRow(g, QStringLiteral("Machine Type:"), machineKind_);

    tier_ = new QComboBox;
    tier_->addItems(R::tierEntries());
    tag(tier_, R::kTierControl, Page::Main);
    connect(tier_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!showing_ && entry >= 0)
            rules_.values().tier = R::tierOfEntry(entry);
    });
    addRow(g, QStringLiteral("ACA Tier:"), tier_);

    vendPrice_ =
        price(Page::Main, R::kVendPriceControl, [](Values& v) -> Currency& { return v.vendPrice; });
    addRow(g, QStringLiteral("Vend Price:"), vendPrice_);
    cyclePricing_ =
        check(Page::Main, R::kCyclePricingControl, QStringLiteral("Use Cycle-based Pricing"),
              [](Values& v) -> bool& { return v.cyclePricing; });
    g->addWidget(cyclePricing_, g->rowCount(), 0, 1, 2);
    g->addWidget(check(Page::Main, R::kAudioControl, QStringLiteral("Audio Signal"),
                       [](Values& v) -> bool& { return v.audio; }),
                 g->rowCount(), 0, 1, 2);
    g->setRowStretch(g->rowCount(), 1);
}

void AllianceDialog::buildWasherPrices()
{
    QWidget* page = addPage(Page::WasherPrices, QStringLiteral("Washer Prices"));
    QGridLayout* g = grid(page);
    g->setColumnStretch(2, 0);
    g->setColumnStretch(4, 1);
    const char* const temps[] = {"Hot", "Warm", "Cold"};
    for (int t = 0; t < 3; ++t)
        g->addWidget(new QLabel(QLatin1String(temps[t])), 0, 1 + t, Qt::AlignHCenter);
    for (int cycle = 0; cycle < 3; ++cycle) {
        g->addWidget(new QLabel(QLatin1String(kCycleNames[cycle])), 1 + cycle, 0);
        for (int t = 0; t < 3; ++t) {
            const int i = cycle * 3 + t;
            QLineEdit* edit =
                price(Page::WasherPrices, R::kWasherPriceControl + i,
                      [i](Values& v) -> Currency& { return v.washerPrices[size_t(i)]; });
            edit->setToolTip(R::washerPriceLabel(i));
            g->addWidget(edit, 1 + cycle, 1 + t);
        }
    }
    g->addWidget(new QLabel(QStringLiteral("The cycle prices apply with \"Use Cycle-based "
                                           "Pricing\" on.")),
                 4, 0, 1, 5);
    g->setRowStretch(5, 1);
}

void AllianceDialog::buildDryerPrices()
{
    QWidget* page = addPage(Page::DryerPrices, QStringLiteral("Dryer Prices"));
    QGridLayout* g = grid(page);
    for (size_t row = 0; row < 4; ++row)
        addRow(g, QStringLiteral("%1 Temp Cycle:").arg(QLatin1String(kDryerRows[row])),
               price(Page::DryerPrices, R::kDryerPriceControls[row],
                     [row](Values& v) -> Currency& { return v.dryerPrices[row]; }));
    addRow(g, QStringLiteral("No Heat Cycle:"),
           price(Page::DryerPrices, R::kNoHeatPriceControl,
                 [](Values& v) -> Currency& { return v.noHeatPrice; }));
    g->addWidget(new QLabel(QStringLiteral("The cycle prices apply with \"Use Cycle-based "
                                           "Pricing\" on.")),
                 g->rowCount(), 0, 1, 3);
    g->setRowStretch(g->rowCount(), 1);
}

void AllianceDialog::buildDryerSettings()
{
    QWidget* page = addPage(Page::DryerSettings, QStringLiteral("Dryer Settings"));
    auto* outer = new QHBoxLayout(page);
    auto* temps = new QGroupBox(QStringLiteral("Temperatures"));
    QGridLayout* g = grid(temps);
    temperatureUnit_ = list(Page::DryerSettings, R::kTemperatureUnitControl,
                            {QStringLiteral("Fahrenheit"), QStringLiteral("Celsius")},
                            [](Values& v) -> int& { return v.temperatureUnit; });
    connect(temperatureUnit_, &QComboBox::currentIndexChanged, this, [this] {
        if (!showing_)
            showValues();
    });
    addRow(g, QStringLiteral("Unit:"), temperatureUnit_);
    g->addWidget(new QLabel(QStringLiteral("Temperature")), g->rowCount(), 1);
    g->addWidget(new QLabel(QStringLiteral("Cool Down (min)")), g->rowCount() - 1, 2);
    for (size_t row = 0; row < 4; ++row) {
        temperatures_[row] = list(Page::DryerSettings, R::kTemperatureControls[row], {},
                                  [row](Values& v) -> int& { return v.temperatures[row]; });
        const int r = g->rowCount();
        g->addWidget(new QLabel(QStringLiteral("%1:").arg(QLatin1String(kDryerRows[row]))), r, 0);
        g->addWidget(temperatures_[row], r, 1);
        g->addWidget(list(Page::DryerSettings, R::kCoolDownControls[row],
                          R::minuteEntries(1, R::kCoolDownCount),
                          [row](Values& v) -> int& { return v.coolDownTimes[row]; }),
                     r, 2);
    }
    g->setRowStretch(g->rowCount(), 1);
    outer->addWidget(temps);

    auto* times = new QGroupBox(QStringLiteral("Cycle Times (minutes)"));
    QGridLayout* t = grid(times);
    addRow(t, QStringLiteral("Heated:"),
           list(Page::DryerSettings, R::kHeatedTimeControl, R::minuteEntries(1, R::kCycleTimeCount),
                [](Values& v) -> int& { return v.heatedCycleTime; }));
    addRow(t, QStringLiteral("No Heat:"),
           list(Page::DryerSettings, R::kNoHeatTimeControl, R::minuteEntries(1, R::kCycleTimeCount),
                [](Values& v) -> int& { return v.noHeatCycleTime; }));
    t->addWidget(check(Page::DryerSettings, R::kTopoffControl, QStringLiteral("Enable Top-off"),
                       [](Values& v) -> bool& { return v.topoff; }),
                 t->rowCount(), 0, 1, 2);
    addRow(t, QStringLiteral("Top-off Price:"),
           price(Page::DryerSettings, R::kTopoffPriceControl,
                 [](Values& v) -> Currency& { return v.topoffPrice; }));
    addRow(t, QStringLiteral("Top-off Time:"),
           list(Page::DryerSettings, R::kTopoffTimeControl,
                R::minuteEntries(1, R::kTopoffTimeCount),
                [](Values& v) -> int& { return v.topoffTime; }));
    t->setRowStretch(t->rowCount(), 1);
    outer->addWidget(times);
}

QWidget* AllianceDialog::cycleButtons(Page page, const std::vector<QString>& names,
                                      std::function<void(int)> chosen, QButtonGroup*& group)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    group = new QButtonGroup(row);
    for (size_t i = 0; i < names.size(); ++i) {
        auto* button = new QPushButton(names[i]);
        button->setCheckable(true);
        button->setObjectName(QStringLiteral("cycleButton%1_%2").arg(int(page)).arg(int(i)));
        group->addButton(button, int(i));
        layout->addWidget(button);
    }
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, std::move(chosen));
    return row;
}

QWidget* AllianceDialog::cycleSettings(Page page)
{
    auto* box = new QGroupBox(QStringLiteral("Cycle Settings"));
    QGridLayout* g = grid(box);
    QButtonGroup* group = nullptr;
    g->addWidget(
        cycleButtons(
            page,
            {QStringLiteral("Normal"), QStringLiteral("Perm Press"), QStringLiteral("Delicate")},
            [this](int cycle) { showCycle(cycle); }, group),
        0, 0, 1, 3);
    cycleGroups_.push_back(group);
    for (int s = 0; s < 4; ++s)
        addRow(g, QLatin1String(kSettingLabels[s]),
               list(page, R::kCycleSettingControls[size_t(s)],
                    R::minuteEntries(0, kSettingCounts[s]), [this, s](Values& v) -> int& {
                        return v.cycleSettings[size_t(s)][size_t(cycle_)];
                    }));
    g->setRowStretch(g->rowCount(), 1);
    return box;
}

void AllianceDialog::buildTopLoad(Page page, bool aca)
{
    QWidget* widget = addPage(page, QStringLiteral("Top-Load Settings"));
    auto* outer = new QHBoxLayout(widget);
    outer->addWidget(cycleSettings(page));
    auto* box = new QGroupBox(aca ? QStringLiteral("Medium and Heavy Cycles")
                                  : QStringLiteral("Heavy Cycle"));
    QGridLayout* g = grid(box);
    const auto cycle = [this, aca](Values& v) -> R::AddedCycle& {
        return aca && !heavy_ ? v.medium : v.heavy;
    };
    if (aca) {
        g->addWidget(cycleButtons(
                         page, {QStringLiteral("Medium"), QStringLiteral("Heavy")},
                         [this](int set) { showHeavy(set == 1); }, addedGroup_),
                     0, 0, 1, 3);
    } else {
        g->addWidget(check(page, R::kEnableHeavyControl, QStringLiteral(" Enable Heavy Cycle"),
                           [](Values& v) -> bool& { return v.enableHeavyCycle; }),
                     0, 0, 1, 2);
    }
    // The ACA page's controls stand for the medium or the heavy cycle; the
    // ids are the heavy ones while the heavy cycle is shown.
    addRow(g, QStringLiteral("Added Price:"),
           price(page, R::kHeavyAddedPriceControl,
                 [cycle](Values& v) -> Currency& { return cycle(v).price; }));
    addRow(g, QStringLiteral("Extra Wash (minutes):"),
           list(page, R::kHeavyExtraWashControl, R::minuteEntries(0, R::kExtraTimeCount),
                [cycle](Values& v) -> int& { return cycle(v).extraWash; }));
    addRow(g, QStringLiteral("Extra Rinse (minutes):"),
           list(page, R::kHeavyExtraRinseControl, R::minuteEntries(0, R::kExtraTimeCount),
                [cycle](Values& v) -> int& { return cycle(v).extraRinse; }));
    g->addWidget(check(page, R::kWarmRinseControl, QStringLiteral("Warm Rinse"),
                       [cycle](Values& v) -> bool& { return cycle(v).warmRinse; }),
                 g->rowCount(), 0, 1, 2);
    g->setRowStretch(g->rowCount(), 1);
    outer->addWidget(box);
}

void AllianceDialog::buildFrontLoad(Page page, bool aca)
{
    QWidget* widget = addPage(page, QStringLiteral("Front-Load Settings"));
    auto* outer = new QVBoxLayout(widget);
    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);
    using O = R::CycleOption;
    const std::vector<std::pair<O, QString>> options =
        aca ? std::vector<std::pair<O, QString>>{{O::Mode1, QStringLiteral("Mode 1 Active")},
                                                 {O::Mode2, QStringLiteral("Mode 2 Active")},
                                                 {O::ExtraWashOption,
                                                  QStringLiteral("Additional Wash Time")},
                                                 {O::ExtraRinseOption,
                                                  QStringLiteral("Additional Rinse Time")},
                                                 {O::WarmRinseOption,
                                                  QStringLiteral("Warm Final Rinse")}}
            : std::vector<std::pair<O, QString>>{
                  {O::Prewash, QStringLiteral("Prewash")},
                  {O::ExtraRinseOption, QStringLiteral("Extra Rinse")},
                  {O::ExtraWashOption, QStringLiteral("Extra Wash")},
                  {O::WarmRinseOption, QStringLiteral("Warm Rinse")}};
    for (const bool heavy : {false, true}) {
        auto* box =
            new QGroupBox(heavy ? QStringLiteral("Heavy Cycle") : QStringLiteral("Medium Cycle"));
        QGridLayout* g = grid(box);
        const auto cycle = [heavy](Values& v) -> R::AddedCycle& {
            return heavy ? v.heavy : v.medium;
        };
        addRow(g, QStringLiteral("Added Price:"),
               price(page, heavy ? R::kHeavyAddedPriceControl : R::kMediumAddedPriceControl,
                     [cycle](Values& v) -> Currency& { return cycle(v).price; }));
        if (aca) {
            addRow(g, QStringLiteral("Additional Wash (min):"),
                   list(page, heavy ? R::kHeavyExtraWashControl : R::kMediumExtraWashControl,
                        R::minuteEntries(0, R::kExtraTimeCount),
                        [cycle](Values& v) -> int& { return cycle(v).extraWash; }));
            addRow(g, QStringLiteral("Additional Rinse (min):"),
                   list(page, heavy ? R::kHeavyExtraRinseControl : R::kMediumExtraRinseControl,
                        R::minuteEntries(0, R::kExtraTimeCount),
                        [cycle](Values& v) -> int& { return cycle(v).extraRinse; }));
        }
        for (size_t o = 0; o < options.size(); ++o) {
            const O option = options[o].first;
            g->addWidget(check(page, R::kCycleOptionControl + (heavy ? 6 : 0) + int(option),
                               options[o].second,
                               [cycle, option](Values& v) -> bool& {
                                   return cycle(v).options[size_t(option)];
                               }),
                         g->rowCount(), 0, 1, 2);
        }
        g->setRowStretch(g->rowCount(), 1);
        columns->addWidget(box);
    }
    if (!aca) {
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("Extra Wash Time (minutes):")));
        row->addWidget(list(page, R::kFlwExtraWashControl, R::minuteEntries(0, R::kExtraTimeCount),
                            [](Values& v) -> int& { return v.flwExtraWash; }));
        row->addSpacing(16);
        row->addWidget(new QLabel(QStringLiteral("Machine Size (lbs):")));
        row->addWidget(list(page, R::kMachineSizeControl, R::machineSizeEntries(),
                            [](Values& v) -> int& { return v.machineSize; }));
        row->addStretch(1);
        outer->addLayout(row);
    }
}

void AllianceDialog::fillMachineKinds()
{
    machineKind_->clear();
    for (int type : R::machineTypes(rules_.values().productLine))
        machineKind_->addItem(R::machineTypeName(type), type);
    machineKind_->setCurrentIndex(machineKind_->findData(rules_.values().machineType));
}

void AllianceDialog::fillTemperatures()
{
    const QStringList entries = R::temperatureEntries(rules_.values().temperatureUnit);
    for (QComboBox* combo : temperatures_) {
        combo->clear();
        combo->addItems(entries);
    }
}

void AllianceDialog::showValues()
{
    showing_ = true;
    const Values& v = rules_.values();
    productLine_->setCurrentIndex(v.productLine == 1 ? 1 : 0);
    fillMachineKinds();
    tier_->setCurrentIndex(R::entryOfTier(v.tier));
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
