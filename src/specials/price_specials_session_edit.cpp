// The session's commands: profiles and entries added, edited, deleted and
// committed, Cancel, sorting and the card buttons.
#include "specials/price_specials_session.h"

#include "services/open_table.h"
#include "services/prompt.h"
#include "specials/price_profiles.h"
#include "specials/special_card_writer.h"
#include "specials/special_rules.h"

namespace specials {
namespace {

using namespace promptui;

constexpr char kEntryErrorCaption[] = "ERROR: Price Specials";

QString latin(const char* text)
{
    return QString::fromLatin1(text);
}

bool askYes(const QString& question)
{
    return MessageBox(question, QStringLiteral("Are you sure?"), MB_YESNO | MB_ICONQUESTION) !=
           IDNO;
}

void dropEdit(CdbRecordset& rows)
{
    try {
        if (rows.IsOpen() && rows.GetEditMode() != CdbEditMode::None)
            rows.CancelUpdate();
    } catch (const CdbException&) {
        // Nothing was stored; the buffer goes with the next move.
    }
}

} // namespace

void PriceSpecialsSession::selectProfile(int row)
{
    if (state_ != EditState::Idle || row < 0)
        return;
    selectProfileRow(row, 0);
}

void PriceSpecialsSession::selectEntry(int row)
{
    if (state_ != EditState::Idle || row < 0)
        return;
    loadEntryRow(row);
    showFields();
}

void PriceSpecialsSession::doubleClickProfile()
{
    if (rights_.edit)
        editProfile();
}

void PriceSpecialsSession::doubleClickEntry()
{
    if (rights_.edit)
        editSpecial();
}

void PriceSpecialsSession::sortBy(int column)
{
    if (state_ != EditState::Idle)
        return;
    cardcore::SetupSort(sort_, column);
    QStringList texts;
    for (const QStringList& row : view_.profileRows)
        texts << row.value(column);
    QList<QStringList> sorted;
    for (int index : cardcore::SortOrder(texts, sort_))
        sorted << view_.profileRows[index];
    view_.profileRows = sorted;
    selectProfileRow(0, 0);
}

// --- Profiles ----------------------------------------------------------------

void PriceSpecialsSession::addProfile()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    addingProfile_ = true;
    previousName_.clear();
    selectProfileRow(-1, 0); // the fields of a new profile
    enterState(EditState::ProfileEdit);
    focus_ = SpecialsFocus::Name;
}

void PriceSpecialsSession::editProfile()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    if (profile_.name.isEmpty()) {
        MessageBox(QStringLiteral("You must select a Profile to edit."), applicationTitle(mode_),
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    addingProfile_ = false;
    previousName_ = profile_.name;
    enterState(EditState::ProfileEdit);
    focus_ = SpecialsFocus::Name;
}

void PriceSpecialsSession::deleteProfile()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    const QString name = profile_.name;
    if (!askYes(QStringLiteral("Are you sure you want to delete the ") + name +
                QStringLiteral(" profile?")))
        return;
    try {
        if (name.isEmpty() || !findProfile(profiles_, name))
            return;
        set_.removeAll(name);
        profiles_.Delete();
    } catch (const CdbException&) {
        showEngineError(QStringLiteral("Cannot delete current record.\n"), errorCaption());
        return;
    }
    fillProfileList();
    int row = view_.selectedProfile;
    if (row >= view_.profileRows.size() && row > 0)
        --row;
    selectProfileRow(row, 0);
}

void PriceSpecialsSession::commitProfile()
{
    takeFields();
    const QString name = trimmedName(profile_.name);
    Check refusal = checkProfileName(mode_, name, previousName_, listedNames());
    if (!refusal && mode_ == Mode::PriceSpecial && !topoffTimeInRange(profile_.topoffTime))
        refusal = topoffTimeRefusal();
    if (refusal) {
        MessageBox(refusal->message, refusal->caption, MB_OK | refusal->icon);
        focus_ = refusal->control == kControlTopoffTime ? SpecialsFocus::TopoffTime
                                                        : SpecialsFocus::Name;
        return;
    }
    profile_.name = name;
    const QString quoted = QStringLiteral(" <%1>").arg(name);
    QString failure;              // the message of the step under way
    bool withEngineError = false; // followed by "Error %d : %s"
    QString tail;
    try {
        if (addingProfile_) {
            failure = QStringLiteral("Can't add new record for Special's profile") + quoted;
            profiles_.AddNew();
        } else {
            failure = QStringLiteral("Can't edit record for Special's profile") + quoted;
            if (!findProfile(profiles_, previousName_))
                throw CdbException(daoResultCode(kDaoNoCurrentRecord),
                                   QStringLiteral("No current record."));
            profiles_.Edit();
        }
        failure = QStringLiteral("Cannot transfer dialog to database.\n");
        withEngineError = true;
        tail = QStringLiteral("\n");
        writeProfile(profiles_, profile_);
        failure = QStringLiteral("Can't update record for Special's Profile") + quoted +
                  QLatin1Char('\n');
        tail.clear();
        profiles_.Update();
    } catch (const CdbException&) {
        dropEdit(profiles_);
        showError(withEngineError ? failure + OpenTable::lastErrorText() + tail : failure,
                  errorCaption());
        return;
    }
    if (addingProfile_)
        set_.openForProfile(name);
    addingProfile_ = false;
    enterState(EditState::Idle);
    fillProfileList();
    selectProfileRow(int(listedNames().indexOf(name)), 0);
}

// --- Entries -----------------------------------------------------------------

void PriceSpecialsSession::addSpecial()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    if (profile_.name.isEmpty()) {
        showError(QStringLiteral("You must select a Profile before creating Specials"),
                  errorCaption());
        return;
    }
    int count = 0;
    try {
        count = set_.count();
    } catch (const CdbException&) {
        showEngineError(QString(), latin(kEntryErrorCaption));
        return;
    }
    if (count >= kMaxEntries) {
        showError(QStringLiteral("The maximum number of special entries written to a card is "
                                 "limited to %1. You can't add any more specials to the current "
                                 "profile.")
                      .arg(kMaxEntries),
                  applicationTitle(mode_));
        return;
    }
    set_.setNewEntry(true);
    clearEntry();
    enterState(EditState::EntryEdit);
    showFields(); // a cleared entry is Machine Off and All Day
}

void PriceSpecialsSession::editSpecial()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    if (profile_.name.isEmpty()) {
        showError(QStringLiteral("You must select a Profile before editing Specials"),
                  errorCaption());
        return;
    }
    set_.setNewEntry(false);
    enterState(EditState::EntryEdit);
}

void PriceSpecialsSession::deleteSpecial()
{
    if (!rights_.edit || refuseWhileEditing())
        return;
    if (view_.selectedEntry < 0 || view_.selectedEntry >= view_.entryRows.size())
        return;
    if (!askYes(QStringLiteral("Are you sure you want to delete the selected %1?")
                    .arg(kindWord(mode_))))
        return;
    const int rowsBefore = int(view_.entryRows.size());
    try {
        set_.remove(entryIdOf(view_.selectedEntry));
    } catch (const CdbException&) {
        showEngineError(QStringLiteral("Cannot delete current record.\n"),
                        latin(kEntryErrorCaption));
        return;
    }
    int row = view_.selectedEntry;
    if (row == rowsBefore - 1 && row != 0)
        --row;
    clearEntry();
    selectProfileRow(view_.selectedProfile, row);
}

void PriceSpecialsSession::commitEntry()
{
    takeFields();
    const bool wasNew = set_.isNewEntry();
    PriceSpecialSet::SaveStep step = PriceSpecialSet::SaveStep::Add;
    try {
        set_.save(entryIdOf(view_.selectedEntry), &step);
    } catch (const CdbException&) {
        dropEdit(set_.recordset());
        const QString name = set_.profileName();
        switch (step) {
        case PriceSpecialSet::SaveStep::Add:
            showError(QStringLiteral("Can't add new record for Specials <%1>").arg(name),
                      QStringLiteral("ERROR: Reader Manager"));
            break;
        case PriceSpecialSet::SaveStep::Edit:
            showError(QStringLiteral("Can't edit record for Specials <%1>").arg(name),
                      QStringLiteral("ERROR: Reader Manager"));
            break;
        case PriceSpecialSet::SaveStep::Transfer:
            showEngineError(QStringLiteral("Cannot transfer dialog to database.\n"),
                            latin(kEntryErrorCaption));
            break;
        case PriceSpecialSet::SaveStep::Update:
            showError(QStringLiteral("Can't update record for Special <%1>.\n").arg(name) +
                          OpenTable::lastErrorText(),
                      QStringLiteral("ERROR: Reader Manager"));
            break;
        }
        set_.setNewEntry(wasNew);
        return;
    }
    enterState(EditState::Idle);
    fillEntryList();
    if (wasNew)
        view_.selectedEntry = int(view_.entryRows.size()) - 1;
    showFields();
}

void PriceSpecialsSession::allDays()
{
    if (state_ != EditState::EntryEdit)
        return;
    view_.fields.days.fill(true);
}

void PriceSpecialsSession::choosePrice(bool machineOff)
{
    view_.fields.machineOff = machineOff;
    enterState(state_);
}

void PriceSpecialsSession::chooseTime(bool allDay)
{
    view_.fields.allDay = allDay;
    enterState(state_);
}

// --- OK, Cancel, leaving fields ------------------------------------------------

void PriceSpecialsSession::ok()
{
    switch (state_) {
    case EditState::Idle:
        closing_ = Closing::Accepted;
        break;
    case EditState::ProfileEdit:
        commitProfile();
        break;
    case EditState::EntryEdit:
        commitEntry();
        break;
    }
}

void PriceSpecialsSession::cancel()
{
    switch (state_) {
    case EditState::Idle:
        closing_ = Closing::Rejected;
        break;
    case EditState::ProfileEdit:
        addingProfile_ = false;
        enterState(EditState::Idle);
        selectProfileRow(view_.selectedProfile >= 0 ? view_.selectedProfile : 0, 0);
        break;
    case EditState::EntryEdit:
        set_.setNewEntry(false);
        enterState(EditState::Idle);
        loadEntryRow(view_.selectedEntry);
        showFields();
        break;
    }
}

void PriceSpecialsSession::leaveField()
{
    takeFields();
    showFields();
}

void PriceSpecialsSession::leaveTopoffTime()
{
    if (mode_ != Mode::PriceSpecial)
        return;
    takeFields();
    if (!topoffTimeInRange(profile_.topoffTime)) {
        const Refusal refusal = topoffTimeRefusal();
        MessageBox(refusal.message, refusal.caption, MB_OK | refusal.icon);
        focus_ = SpecialsFocus::TopoffTime;
    }
}

// --- Cards -------------------------------------------------------------------

bool PriceSpecialsSession::createCard(bool clear)
{
    if (!rights_.createCards || refuseWhileEditing())
        return false;
    CardOrder order;
    order.mode = mode_;
    order.custId = custId_;
    order.profile = profile_;
    try {
        if (!profile_.name.isEmpty())
            order.entries = set_.entries();
    } catch (const CdbException&) {
        showEngineError(QStringLiteral("Cannot transfer dialog from database.\n"),
                        latin(kEntryErrorCaption));
        return false;
    }
    return specials::createCard(order, clear);
}

} // namespace specials
