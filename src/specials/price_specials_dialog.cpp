#include "specials/price_specials_dialog.h"

#include "services/dao.h"
#include "ui_price_specials_dialog.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <cstring>
#include <memory>
#include <vector>

namespace specials {
namespace {

// The list's columns through the list-control helper: titles of 40
// characters and width shares.
void setupColumns(QTreeWidget* list, const QList<ListColumn>& columns)
{
    const auto count = std::size_t(columns.size());
    const std::unique_ptr<char[][40]> titles(new char[count][40]());
    std::vector<uint8_t> widths;
    for (std::size_t i = 0; i < count; ++i) {
        std::strncpy(titles[i], columns[qsizetype(i)].heading, 39);
        widths.push_back(uint8_t(columns[qsizetype(i)].width));
    }
    dbhelper::ExternSetupListControl(list, int(count), titles.get(), widths.data());
}

int currentRow(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.first());
}

bool leavesTheField(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

PriceSpecialsDialog::PriceSpecialsDialog(Mode mode, uint16_t custId, Rights rights,
                                         CdbDatabase database, CdbRecordset profiles,
                                         QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::PriceSpecialsDialog>())
{
    ui_->setupUi(this);
    ui_->profileName->setMaxLength(kProfileNameMaxLength);
    ui_->startTime->setMaxLength(8);
    ui_->stopTime->setMaxLength(8);
    setupColumns(ui_->profileList, profileColumns(mode));
    setupColumns(ui_->entryList, entryColumns(mode));
    buildMenu();
    applyMode(mode);
    connectControls();
    session_ = std::make_unique<PriceSpecialsSession>(mode, custId, rights, std::move(database),
                                                      std::move(profiles));
    act([this] { session_->open(); });
}

PriceSpecialsDialog::~PriceSpecialsDialog() = default;

void PriceSpecialsDialog::buildMenu()
{
    auto* menuBar = new QMenuBar(this);
    const auto add = [this](QMenu* menu, const char* text, const char* name,
                            void (PriceSpecialsSession::*action)()) {
        QAction* item = menu->addAction(QString::fromLatin1(text));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this,
                [this, action] { act([this, action] { (session_.get()->*action)(); }); });
        return item;
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    add(file, "E&xit", "exitAction", &PriceSpecialsSession::cancel);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    profileActions_ << add(edit, "&Add Profile", "addProfileAction",
                           &PriceSpecialsSession::addProfile)
                    << add(edit, "&Edit Profile", "editProfileAction",
                           &PriceSpecialsSession::editProfile)
                    << add(edit, "&Delete Profile", "deleteProfileAction",
                           &PriceSpecialsSession::deleteProfile);
    layout()->setMenuBar(menuBar);
}

void PriceSpecialsDialog::applyMode(Mode mode)
{
    setWindowTitle(QStringLiteral("Price Special Profiles"));
    if (mode != Mode::DoorAccess)
        return;
    setWindowTitle(QStringLiteral("Door Access Restriction Time "));
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->vendPrice, ui_->topoffPrice, ui_->topoffTime, ui_->specialPrice, ui_->priceGroup,
             ui_->specialPriceRadio, ui_->machineOffRadio})
        w->hide();
    for (QLabel* label :
         {ui_->vendPriceLabel, ui_->topoffPriceLabel, ui_->topoffTimeLabel, ui_->priceLabel})
        label->setText(QString());
    ui_->addSpecialButton->setText(QStringLiteral("Add Restriction"));
    ui_->editSpecialButton->setText(QStringLiteral("Edit Restriction"));
    ui_->deleteSpecialButton->setText(QStringLiteral("Delete Restriction"));
    ui_->entriesLabel->setText(QStringLiteral("Restrictions"));
}

void PriceSpecialsDialog::connectControls()
{
    for (QTreeWidget* list : {ui_->profileList, ui_->entryList}) {
        list->setSortingEnabled(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    ui_->profileList->header()->setSectionsClickable(true);
    connect(ui_->profileList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!showing_)
            act([this] { session_->selectProfile(currentRow(ui_->profileList)); });
    });
    connect(ui_->entryList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!showing_)
            act([this] { session_->selectEntry(currentRow(ui_->entryList)); });
    });
    connect(ui_->profileList, &QTreeWidget::itemDoubleClicked, this,
            [this] { act([this] { session_->doubleClickProfile(); }); });
    connect(ui_->entryList, &QTreeWidget::itemDoubleClicked, this,
            [this] { act([this] { session_->doubleClickEntry(); }); });
    connect(ui_->profileList->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { act([this, column] { session_->sortBy(column); }); });

    const auto button = [this](QAbstractButton* widget, auto action) {
        connect(widget, &QAbstractButton::clicked, this, [this, action] { act(action); });
    };
    button(ui_->addSpecialButton, [this] { session_->addSpecial(); });
    button(ui_->editSpecialButton, [this] { session_->editSpecial(); });
    button(ui_->deleteSpecialButton, [this] { session_->deleteSpecial(); });
    button(ui_->allDaysButton, [this] { session_->allDays(); });
    button(ui_->createCardButton, [this] { session_->createCard(false); });
    button(ui_->clearCardButton, [this] { session_->createCard(true); });
    button(ui_->okButton, [this] { session_->ok(); });
    button(ui_->cancelButton, [this] { session_->cancel(); });
    button(ui_->machineOffRadio, [this] { session_->choosePrice(true); });
    button(ui_->specialPriceRadio, [this] { session_->choosePrice(false); });
    button(ui_->allDayRadio, [this] { session_->chooseTime(true); });
    button(ui_->timeWindowRadio, [this] { session_->chooseTime(false); });

    for (QLineEdit* edit : {ui_->vendPrice, ui_->topoffPrice, ui_->topoffTime, ui_->specialPrice,
                            ui_->startTime, ui_->stopTime})
        edit->installEventFilter(this);
}

bool PriceSpecialsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !leaving_ && !showing_ &&
        leavesTheField(static_cast<QFocusEvent*>(event)->reason())) {
        QScopedValueRollback guard(leaving_, true);
        if (watched == ui_->topoffTime)
            act([this] { session_->leaveTopoffTime(); });
        else
            act([this] { session_->leaveField(); });
    }
    return QDialog::eventFilter(watched, event);
}

template <class Action> void PriceSpecialsDialog::act(Action action)
{
    if (session_)
        session_->setFields(readFields());
    action();
    showView();
    switch (session_->takeFocus()) {
    case SpecialsFocus::Name:
        ui_->profileName->setFocus();
        ui_->profileName->selectAll();
        break;
    case SpecialsFocus::TopoffTime:
        ui_->topoffTime->setFocus();
        break;
    case SpecialsFocus::None:
        break;
    }
    switch (session_->closing()) {
    case PriceSpecialsSession::Closing::Accepted:
        accept();
        break;
    case PriceSpecialsSession::Closing::Rejected:
        reject();
        break;
    case PriceSpecialsSession::Closing::No:
        break;
    }
}

SpecialsFields PriceSpecialsDialog::readFields() const
{
    SpecialsFields f;
    f.name = ui_->profileName->text();
    f.vendPrice = ui_->vendPrice->text();
    f.topoffPrice = ui_->topoffPrice->text();
    f.topoffTime = ui_->topoffTime->text();
    const QCheckBox* days[] = {ui_->sunday,   ui_->monday, ui_->tuesday, ui_->wednesday,
                               ui_->thursday, ui_->friday, ui_->saturday};
    for (std::size_t d = 0; d < 7; ++d)
        f.days[d] = days[d]->isChecked();
    f.machineOff = ui_->machineOffRadio->isChecked();
    f.allDay = ui_->allDayRadio->isChecked();
    f.specialPrice = ui_->specialPrice->text();
    f.startTime = ui_->startTime->text();
    f.stopTime = ui_->stopTime->text();
    return f;
}

void PriceSpecialsDialog::showRows(QTreeWidget* list, const QList<QStringList>& rows,
                                   QList<QStringList>& shown)
{
    if (rows == shown && list->topLevelItemCount() == rows.size())
        return;
    list->clear();
    for (const QStringList& row : rows)
        list->addTopLevelItem(new QTreeWidgetItem(row));
    shown = rows;
}

void PriceSpecialsDialog::showView()
{
    QScopedValueRollback guard(showing_, true);
    const SpecialsView& view = session_->view();
    showRows(ui_->profileList, view.profileRows, shownProfiles_);
    showRows(ui_->entryList, view.entryRows, shownEntries_);
    for (auto [list, row] : {std::pair{ui_->profileList, view.selectedProfile},
                             std::pair{ui_->entryList, view.selectedEntry}}) {
        list->clearSelection();
        if (QTreeWidgetItem* item = list->topLevelItem(row)) {
            item->setSelected(true);
            list->setCurrentItem(item);
        }
    }
    const SpecialsFields& f = view.fields;
    ui_->profileName->setText(f.name);
    ui_->vendPrice->setText(f.vendPrice);
    ui_->topoffPrice->setText(f.topoffPrice);
    ui_->topoffTime->setText(f.topoffTime);
    QCheckBox* days[] = {ui_->sunday,   ui_->monday, ui_->tuesday, ui_->wednesday,
                         ui_->thursday, ui_->friday, ui_->saturday};
    for (std::size_t d = 0; d < 7; ++d)
        days[d]->setChecked(f.days[d]);
    ui_->machineOffRadio->setChecked(f.machineOff);
    ui_->specialPriceRadio->setChecked(!f.machineOff);
    ui_->allDayRadio->setChecked(f.allDay);
    ui_->timeWindowRadio->setChecked(!f.allDay);
    ui_->specialPrice->setText(f.specialPrice);
    ui_->startTime->setText(f.startTime);
    ui_->stopTime->setText(f.stopTime);
    showControls(view.controls);
}

void PriceSpecialsDialog::showControls(const SpecialsControls& c)
{
    const auto writable = [](QLineEdit* edit, bool on) {
        edit->setReadOnly(!on);
        edit->setEnabled(on);
    };
    for (QLineEdit* edit : {ui_->profileName, ui_->vendPrice, ui_->topoffPrice, ui_->topoffTime})
        writable(edit, c.profileFieldsEnabled);
    ui_->profileList->setEnabled(c.profileListEnabled);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_->sunday, ui_->monday, ui_->tuesday, ui_->wednesday, ui_->thursday, ui_->friday,
             ui_->saturday, ui_->allDaysButton, ui_->timeWindowRadio, ui_->allDayRadio,
             ui_->specialPriceRadio, ui_->machineOffRadio})
        w->setEnabled(c.entryFieldsEnabled);
    writable(ui_->specialPrice, c.specialPriceEnabled);
    writable(ui_->startTime, c.timeEditsEnabled);
    writable(ui_->stopTime, c.timeEditsEnabled);
    ui_->entryList->setEnabled(c.entryListEnabled);
    for (QPushButton* b : {ui_->addSpecialButton, ui_->editSpecialButton, ui_->deleteSpecialButton})
        b->setEnabled(c.entryButtonsEnabled);
    ui_->createCardButton->setEnabled(c.createCardEnabled);
    ui_->clearCardButton->setEnabled(c.createCardEnabled);
    for (QAction* action : profileActions_)
        action->setEnabled(c.profileMenuEnabled);
    ui_->okButton->setText(c.okText);
}

} // namespace specials
