#include "profiles/profile_editor_dialog.h"

#include "profiles/editor_pages.h"
#include "profiles/editor_rules.h"
#include "profiles/option_page_widget.h"
#include "profiles/profile_list_control.h"
#include "profiles/refusal.h"
#include "setup/profile_types.h"
#include "ui_profile_editor_dialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace profiles {
namespace {

constexpr char kSelectionTitle[] = "Select Reader Profile from the list...";
constexpr char kManagerTitle[] = "Reader Profile Manager (List of Reader Setup Profiles) ";

// Money as the editor shows it: whole dollars, then the cents.
QString moneyText(Currency amount)
{
    const qint64 units = amount.units();
    return QString::asprintf("$%d.%02d", int(units / Currency::kUnitsPerDollar),
                             int(qAbs(units % Currency::kUnitsPerDollar) / 100));
}

int selectorIndexOf(int code)
{
    return setup::isValidProfileType(code) ? setup::codeToSelectorIndex(code) : 0;
}

// Another window coming up (a message box, a menu) takes the focus without
// the operator leaving the field.
bool leavesTheField(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ProfileEditorDialog::ProfileEditorDialog(CdbRecordset recordset, Mode mode,
                                         STRUCT_laundry_setup* record, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ProfileEditorDialog>()),
      store_(std::move(recordset)), mode_(mode), record_(record)
{
    ui_->setupUi(this);
    tagControls();
    const QStringList entries = setup::selectorEntries();
    for (int i = setup::kInitialSelectorEntries; i < entries.size(); ++i)
        ui_->typeSelector->addItem(entries[i]);
    applyMode();

    auto* pageLayout = new QVBoxLayout(ui_->pagePlaceholder);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* stack = new QStackedWidget(ui_->pagePlaceholder);
    pageLayout->addWidget(stack);
    pages_ = std::make_unique<EditorPages>(stack);

    // The penny offset belongs to the resource but the editor never uses it.
    ui_->pennyOffset->hide();
    ui_->pennyOffsetLabel->hide();
    tokensSupported_ = cardcore::GetTokensEnabled();
    if (!tokensSupported_) {
        ui_->enableTokens->hide();
        values_.enableTokens = false;
    }

    setupProfileList(ui_->profileList);
    connectControls();
    refillList();
    showValues();
    pages_->show(currentCode());
    enterViewingState();
    positionAndLoad(0);
}

ProfileEditorDialog::~ProfileEditorDialog() = default;

// --- Opening -----------------------------------------------------------------

void ProfileEditorDialog::tagControls()
{
    const std::pair<QWidget*, int> ids[] = {
        {ui_->profileList, kIdProfileList},
        {ui_->profileName, kIdProfileName},
        {ui_->checkLocation, kIdCheckLocation},
        {ui_->enableTokens, kIdEnableTokens},
        {ui_->clearCounters, kIdClearCounters},
        {ui_->updateButton, kIdUpdate},
        {ui_->cancelButton, kIdCancel},
        {ui_->typeSelector, kIdTypeSelector},
        {ui_->vendPrice, kIdVendPrice},
        {ui_->exitButton, kIdExit},
        {ui_->topoffPrice, kIdTopoffPrice},
        {ui_->pagePlaceholder, kIdPlaceholder},
        {ui_->userTransaction, kIdUserTransaction},
        {ui_->locationClustering, kIdLocationClustering},
        {ui_->pennyOffset, kIdPennyOffset},
        {ui_->pennyOffsetLabel, kIdPennyOffsetLabel},
        {ui_->vendPriceLabel, kIdVendPriceLabel},
        {ui_->topoffPriceLabel, kIdTopoffPriceLabel},
        {ui_->maxCardValue, kIdMaxCardValue},
    };
    for (const auto& [widget, id] : ids)
        setControlId(widget, id);
    ui_->profileName->setMaxLength(kProfileNameMaxLength);
    ui_->maxCardValue->setMaxLength(kMaxCardValueMaxLength);
}

void ProfileEditorDialog::applyMode()
{
    if (mode_ == Mode::Selection) {
        setWindowTitle(QString::fromLatin1(kSelectionTitle));
        ui_->updateButton->setText(QStringLiteral("Select"));
        return;
    }
    setWindowTitle(QString::fromLatin1(kManagerTitle));
    ui_->updateButton->setText(QStringLiteral("Update"));
    createMenu();
}

void ProfileEditorDialog::createMenu()
{
    menuBar_ = new QMenuBar(this);
    const auto add = [this](QMenu* menu, const char* text, const char* name,
                            void (ProfileEditorDialog::*handler)()) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    add(file, "E&xit", "exitMenuAction", &ProfileEditorDialog::onExit);
    QMenu* edit = menuBar_->addMenu(QStringLiteral("&Edit"));
    add(edit, "&Add New Profile", "addProfileAction", &ProfileEditorDialog::onAdd);
    add(edit, "&Edit Selected Profile", "editProfileAction", &ProfileEditorDialog::onEdit);
    add(edit, "&Delete Selected Profile", "deleteProfileAction", &ProfileEditorDialog::onDelete);
    edit->addSeparator();
    add(edit, "&Clone Profile", "cloneProfileAction", &ProfileEditorDialog::onClone);
    layout()->setMenuBar(menuBar_);
}

void ProfileEditorDialog::connectControls()
{
    QTreeWidget* list = ui_->profileList;
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->installEventFilter(this);
    connect(list, &QTreeWidget::itemSelectionChanged, this,
            &ProfileEditorDialog::onListSelectionChanged);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &ProfileEditorDialog::onListDoubleClicked);
    connect(list->header(), &QHeaderView::sectionClicked, this, &ProfileEditorDialog::onSortColumn);

    connect(ui_->updateButton, &QPushButton::clicked, this, &ProfileEditorDialog::onUpdateOrSelect);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &ProfileEditorDialog::onCancel);
    connect(ui_->exitButton, &QPushButton::clicked, this, &ProfileEditorDialog::onExit);
    connect(ui_->typeSelector, &QComboBox::currentIndexChanged, this,
            &ProfileEditorDialog::onTypeChanged);
    connect(ui_->enableTokens, &QCheckBox::clicked, this, &ProfileEditorDialog::onTokensClicked);
    connect(ui_->checkLocation, &QCheckBox::clicked, this,
            &ProfileEditorDialog::onCheckLocationClicked);

    for (QLineEdit* edit : {ui_->vendPrice, ui_->topoffPrice, ui_->maxCardValue})
        edit->installEventFilter(this);
}

// --- Events ------------------------------------------------------------------

bool ProfileEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !leavingField_ &&
        leavesTheField(static_cast<QFocusEvent*>(event)->reason())) {
        if (watched == ui_->vendPrice || watched == ui_->topoffPrice)
            leavePrice(static_cast<QLineEdit*>(watched));
        else if (watched == ui_->maxCardValue)
            leaveMaxCardValue();
    } else if (event->type() == QEvent::KeyPress && watched == ui_->profileList) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            onUpdateOrSelect();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProfileEditorDialog::onListSelectionChanged()
{
    if (listChanging_)
        return;
    const int row = selectedRow();
    if (row < 0 || row == selection_)
        return;
    selection_ = row;
    if (!store_.findByName(nameInRow(row)))
        return;
    pages_->resetAllExcept(-1);
    loadRow(row);
}

void ProfileEditorDialog::onListDoubleClicked()
{
    if (mode_ == Mode::Selection)
        select();
    else
        onEdit();
}

// --- Rows --------------------------------------------------------------------

void ProfileEditorDialog::refillList()
{
    listChanging_ = true;
    fillProfileList(ui_->profileList, store_.recordset());
    listChanging_ = false;
    selection_ = -1;
}

bool ProfileEditorDialog::positionAndLoad(int row)
{
    if (row < 0 || row >= ui_->profileList->topLevelItemCount())
        return false;
    if (!store_.findByName(nameInRow(row)))
        return false;
    return loadRow(row);
}

bool ProfileEditorDialog::loadRow(int row)
{
    ProfileValues loaded;
    loaded.common = values_;
    if (!store_.loadCurrent(loaded))
        return false;
    values_ = loaded.common;
    // A type without a selector entry (3) shows, and saves, as the entry's.
    values_.typeCode = setup::selectorIndexToCode(selectorIndexOf(values_.typeCode));
    if (!tokensSupported_)
        values_.enableTokens = false;
    if (PageRules* rules = pages_->rules(values_.typeCode))
        rules->load(loaded.columns);

    editing_ = false;
    showValues();
    pages_->show(values_.typeCode);
    enterViewingState();
    pages_->showAllValues();
    currentName_ = nameInRow(row);
    previousName_ = currentName_;
    selectRow(row);
    return true;
}

int ProfileEditorDialog::selectedRow() const
{
    const QList<QTreeWidgetItem*> items = ui_->profileList->selectedItems();
    return items.isEmpty() ? -1 : ui_->profileList->indexOfTopLevelItem(items.first());
}

void ProfileEditorDialog::selectRow(int row)
{
    selection_ = row;
    QTreeWidgetItem* item = ui_->profileList->topLevelItem(row);
    ui_->profileList->setCurrentItem(item);
    ui_->profileList->scrollToItem(item);
    ui_->profileList->setFocus();
}

QString ProfileEditorDialog::nameInRow(int row) const
{
    const QTreeWidgetItem* item = ui_->profileList->topLevelItem(row);
    return item ? item->text(0) : QString();
}

// --- States ------------------------------------------------------------------

void ProfileEditorDialog::enterViewingState()
{
    ui_->profileList->setEnabled(true);
    ui_->profileName->setReadOnly(true);
    ui_->typeSelector->setEnabled(false);
    ui_->vendPrice->setReadOnly(true);
    ui_->topoffPrice->setReadOnly(true);
    ui_->maxCardValue->setEnabled(false);
    for (QCheckBox* box : {ui_->enableTokens, ui_->clearCounters, ui_->checkLocation,
                           ui_->locationClustering, ui_->userTransaction})
        box->setEnabled(false);
    for (int code = 0; code < setup::kProfileTypeCount; ++code)
        pages_->setEditable(code, false);
    const bool manager = mode_ == Mode::Manager;
    ui_->updateButton->setEnabled(!manager);
    ui_->cancelButton->setEnabled(!manager);
    showPrices(setup::pricesOnEditor(currentCode()));
}

void ProfileEditorDialog::enterEditMode()
{
    editing_ = true;
    ui_->updateButton->setEnabled(true);
    ui_->cancelButton->setEnabled(true);
    ui_->profileName->setReadOnly(false);
    ui_->typeSelector->setEnabled(true);
    applyEditControls();
}

// What edit mode enables depends on the type: run again when it changes.
void ProfileEditorDialog::applyEditControls()
{
    const int code = currentCode();
    const EditControls controls = editControlsFor(code, ui_->checkLocation->isChecked());
    ui_->maxCardValue->setEnabled(controls.maxCardValue);
    ui_->enableTokens->setEnabled(controls.enableTokens);
    if (!controls.enableTokens)
        ui_->enableTokens->setChecked(false);
    ui_->clearCounters->setEnabled(controls.commonChecks);
    ui_->checkLocation->setEnabled(controls.commonChecks);
    ui_->userTransaction->setEnabled(controls.userTransaction);
    if (code == setup::kTovan2000)
        ui_->userTransaction->setChecked(false);
    ui_->vendPrice->setReadOnly(!controls.pricesEditable);
    ui_->topoffPrice->setReadOnly(!controls.pricesEditable);
    showPrices(controls.pricesVisible);
    for (int other = 0; other < setup::kProfileTypeCount; ++other)
        pages_->setEditable(other, other == code);
    applyCheckLocationRule();
}

void ProfileEditorDialog::showPrices(bool visible)
{
    for (QWidget* widget :
         {static_cast<QWidget*>(ui_->vendPrice), static_cast<QWidget*>(ui_->vendPriceLabel),
          static_cast<QWidget*>(ui_->topoffPrice), static_cast<QWidget*>(ui_->topoffPriceLabel)})
        widget->setVisible(visible);
}

void ProfileEditorDialog::applyCheckLocationRule()
{
    const bool allowed =
        editControlsFor(currentCode(), ui_->checkLocation->isChecked()).locationClustering;
    ui_->locationClustering->setEnabled(allowed);
    if (!allowed)
        ui_->locationClustering->setChecked(false);
}

// --- Values ------------------------------------------------------------------

int ProfileEditorDialog::currentCode() const
{
    return setup::selectorIndexToCode(qMax(0, ui_->typeSelector->currentIndex()));
}

void ProfileEditorDialog::showValues()
{
    const QSignalBlocker blockSelector(ui_->typeSelector);
    ui_->profileName->setText(values_.name);
    ui_->typeSelector->setCurrentIndex(selectorIndexOf(values_.typeCode));
    ui_->vendPrice->setText(moneyText(values_.vendPrice));
    ui_->topoffPrice->setText(moneyText(values_.topoffPrice));
    ui_->maxCardValue->setText(moneyText(values_.maxCardValue));
    ui_->enableTokens->setChecked(tokensSupported_ && values_.enableTokens);
    ui_->clearCounters->setChecked(values_.clearCounters);
    ui_->checkLocation->setChecked(values_.checkLocation);
    ui_->locationClustering->setChecked(values_.locationClustering);
    ui_->userTransaction->setChecked(values_.userTransactionCollection);
}

void ProfileEditorDialog::readControls()
{
    values_.name = ui_->profileName->text();
    values_.typeCode = currentCode();
    readMoney(ui_->vendPrice, values_.vendPrice);
    readMoney(ui_->topoffPrice, values_.topoffPrice);
    readMoney(ui_->maxCardValue, values_.maxCardValue);
    values_.enableTokens = tokensSupported_ && ui_->enableTokens->isChecked();
    values_.clearCounters = ui_->clearCounters->isChecked();
    values_.checkLocation = ui_->checkLocation->isChecked();
    values_.locationClustering = ui_->locationClustering->isChecked();
    values_.userTransactionCollection = ui_->userTransaction->isChecked();
}

// Text that is no amount leaves the value as it was.
void ProfileEditorDialog::readMoney(QLineEdit* edit, Currency& value)
{
    if (const std::optional<Currency> parsed = Currency::parse(edit->text().trimmed()))
        value = *parsed;
}

// --- Checks on leaving a field -------------------------------------------------

void ProfileEditorDialog::leavePrice(QLineEdit* edit)
{
    if (edit->isReadOnly())
        return;
    const bool vend = edit == ui_->vendPrice;
    Currency& value = vend ? values_.vendPrice : values_.topoffPrice;
    const std::optional<Currency> entered = Currency::parse(edit->text().trimmed());
    if (setup::pricesInNickels(currentCode())) {
        const Check refusal =
            checkNickelPrice(entered.value_or(Currency{}), vend ? kIdVendPrice : kIdTopoffPrice,
                             vend ? kColVendPrice : kColTopoffPrice);
        if (refusal) {
            leavingField_ = true;
            showRefusal(*refusal);
            leavingField_ = false;
            // The focus is on its way elsewhere: bring it back once it got there.
            QTimer::singleShot(0, edit, [edit] {
                edit->setFocus();
                edit->selectAll();
            });
            return;
        }
    }
    if (entered)
        value = *entered;
    edit->setText(moneyText(value));
}

void ProfileEditorDialog::leaveMaxCardValue()
{
    if (!ui_->maxCardValue->isEnabled())
        return;
    // Text that is no amount is no value above $0.
    const Currency entered =
        Currency::parse(ui_->maxCardValue->text().trimmed()).value_or(Currency{});
    const MaxCardValueCheck check = checkMaxCardValue(entered);
    leavingField_ = true;
    for (const Refusal& refusal : check.messages)
        showRefusal(refusal);
    leavingField_ = false;
    values_.maxCardValue = check.value;
    ui_->maxCardValue->setText(moneyText(check.value));
}

} // namespace profiles
