#include "profiles/profile_editor_dialog.h"

#include "fields/screen_fit.h"
#include "profiles/editor_pages.h"
#include "profiles/editor_rules.h"
#include "profiles/profile_list_control.h"
#include "setup/profile_types.h"
#include "ui_profile_editor_dialog.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace profiles {
namespace {

constexpr char kSelectionTitle[] = "Select Reader Profile from the list...";
constexpr char kManagerTitle[] = "Reader Profile Manager (List of Reader Setup Profiles) ";

// Another window coming up (a message box, a menu) takes the focus without
// the operator leaving the field.
bool leavesTheField(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

ProfileEditorDialog::ProfileEditorDialog(CdbRecordset recordset, Mode mode,
                                         STRUCT_laundry_setup* record, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ProfileEditorDialog>())
{
    ui_->setupUi(this);
    tagControls();
    const QStringList entries = setup::selectorEntries();
    for (int i = setup::kInitialSelectorEntries; i < entries.size(); ++i)
        ui_->typeSelector->addItem(entries[i]);
    applyMode(mode);

    auto* pageLayout = new QVBoxLayout(ui_->pagePlaceholder);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    // The pages scroll rather than push the dialog past a small screen
    // (1366x768 at 150% leaves 910x512).
    auto* stack = new QStackedWidget;
    pageLayout->addWidget(fields::fittingScrollArea(stack, ui_->pagePlaceholder));
    pages_ = std::make_unique<EditorPages>(stack);

    // The penny offset belongs to the resource but the editor never uses it.
    ui_->pennyOffset->hide();
    ui_->pennyOffsetLabel->hide();
    setupProfileList(ui_->profileList);
    connectControls();

    session_ = std::make_unique<ProfileEditorSession>(std::move(recordset), mode, *pages_, record);
    session_->setFocusHandler([this](const EditorFocus& focus) { showFocus(focus); });
    act([this] { session_->open(); });
    fields::boundToScreen(this);
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

void ProfileEditorDialog::applyMode(Mode mode)
{
    if (mode == Mode::Selection) {
        setWindowTitle(QString::fromLatin1(kSelectionTitle));
        ui_->updateButton->setText(QStringLiteral("Select"));
        return;
    }
    setWindowTitle(QString::fromLatin1(kManagerTitle));
    ui_->updateButton->setText(QStringLiteral("Update"));
    auto* menuBar = new QMenuBar(this);
    const auto add = [this](QMenu* menu, const char* text, const char* name,
                            void (ProfileEditorSession::*action)()) {
        QAction* item = menu->addAction(QString::fromLatin1(text));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this,
                [this, action] { act([this, action] { (session_.get()->*action)(); }); });
    };
    QMenu* file = menuBar->addMenu(QStringLiteral("&File"));
    add(file, "E&xit", "exitMenuAction", &ProfileEditorSession::exit);
    QMenu* edit = menuBar->addMenu(QStringLiteral("&Edit"));
    add(edit, "&Add New Profile", "addProfileAction", &ProfileEditorSession::add);
    add(edit, "&Edit Selected Profile", "editProfileAction", &ProfileEditorSession::edit);
    add(edit, "&Delete Selected Profile", "deleteProfileAction", &ProfileEditorSession::remove);
    edit->addSeparator();
    add(edit, "&Clone Profile", "cloneProfileAction", &ProfileEditorSession::clone);
    layout()->setMenuBar(menuBar);
}

void ProfileEditorDialog::connectControls()
{
    QTreeWidget* list = ui_->profileList;
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->installEventFilter(this);
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!showing_)
            act([this] { session_->highlightRow(selectedRow()); });
    });
    connect(list, &QTreeWidget::itemDoubleClicked, this,
            [this] { act([this] { session_->doubleClickRow(); }); });
    connect(list->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { act([this, column] { session_->sortBy(column); }); });

    const auto button = [this](QPushButton* widget, void (ProfileEditorSession::*action)()) {
        connect(widget, &QPushButton::clicked, this,
                [this, action] { act([this, action] { (session_.get()->*action)(); }); });
    };
    button(ui_->updateButton, &ProfileEditorSession::updateOrSelect);
    button(ui_->cancelButton, &ProfileEditorSession::cancel);
    button(ui_->exitButton, &ProfileEditorSession::exit);
    connect(ui_->typeSelector, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_)
            act([this, index] {
                session_->changeType(setup::selectorIndexToCode(qMax(0, index)));
            });
    });

    const std::pair<QLineEdit*, EntryText> texts[] = {
        {ui_->profileName, EntryText::Name},
        {ui_->vendPrice, EntryText::VendPrice},
        {ui_->topoffPrice, EntryText::TopoffPrice},
        {ui_->maxCardValue, EntryText::MaxCardValue},
    };
    for (const auto& [edit, field] : texts)
        connect(edit, &QLineEdit::textChanged, this, [this, field = field](const QString& text) {
            if (!showing_)
                session_->typeText(field, text);
        });
    const std::pair<QCheckBox*, EntryBox> boxes[] = {
        {ui_->enableTokens, EntryBox::EnableTokens},
        {ui_->clearCounters, EntryBox::ClearCounters},
        {ui_->checkLocation, EntryBox::CheckLocation},
        {ui_->locationClustering, EntryBox::LocationClustering},
        {ui_->userTransaction, EntryBox::UserTransaction},
    };
    for (const auto& [box, which] : boxes)
        connect(box, &QCheckBox::clicked, this, [this, which = which](bool checked) {
            act([this, which, checked] { session_->tick(which, checked); });
        });

    for (QLineEdit* edit : {ui_->vendPrice, ui_->topoffPrice, ui_->maxCardValue})
        edit->installEventFilter(this);
}

// --- Events ------------------------------------------------------------------

template <class Action> void ProfileEditorDialog::act(Action action)
{
    action();
    showView();
    switch (session_->closing()) {
    case ProfileEditorSession::Closing::Accepted:
        accept();
        break;
    case ProfileEditorSession::Closing::Rejected:
        done(QDialog::Rejected);
        break;
    case ProfileEditorSession::Closing::No:
        break;
    }
}

void ProfileEditorDialog::reject()
{
    act([this] { session_->exit(); });
}

bool ProfileEditorDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !leavingField_ &&
        leavesTheField(static_cast<QFocusEvent*>(event)->reason())) {
        leaveField(watched);
    } else if (event->type() == QEvent::KeyPress && watched == ui_->profileList) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            act([this] { session_->updateOrSelect(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ProfileEditorDialog::leaveField(QObject* field)
{
    if (field != ui_->vendPrice && field != ui_->topoffPrice && field != ui_->maxCardValue)
        return;
    {
        const QScopedValueRollback leaving(leavingField_, true);
        if (field == ui_->maxCardValue)
            session_->leaveMaxCardValue();
        else
            session_->leavePrice(field == ui_->vendPrice ? EntryText::VendPrice
                                                         : EntryText::TopoffPrice);
    }
    showView();
}

int ProfileEditorDialog::selectedRow() const
{
    const QList<QTreeWidgetItem*> items = ui_->profileList->selectedItems();
    return items.isEmpty() ? -1 : ui_->profileList->indexOfTopLevelItem(items.first());
}

} // namespace profiles
