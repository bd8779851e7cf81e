// The session's lists, states and fields; the commands are in
// price_specials_session_edit.cpp.
#include "specials/price_specials_session.h"

#include "services/open_table.h"
#include "services/prompt.h"
#include "services/system_database.h"
#include "specials/price_profiles.h"
#include "specials/special_rules.h"

namespace specials {
namespace {

using namespace promptui;

constexpr char kEntryErrorCaption[] = "ERROR: Price Specials";

bool granted(const int32_t* block, int entry)
{
    return block != nullptr && block[entry] == 1;
}

} // namespace

Rights Rights::fromBlock(const int32_t* block, Mode mode)
{
    if (granted(block, 0))
        return all();
    const bool door = mode == Mode::DoorAccess;
    return {granted(block, door ? 5 : 13), granted(block, door ? 9 : 16)};
}

QList<ListColumn> profileColumns(Mode mode)
{
    if (mode == Mode::DoorAccess)
        return {{"PROFILE NAME", 96}};
    return {{"PROFILE NAME", 25}, {"VEND PRICE", 23}, {"TOPOFF PRICE", 23}, {"TOPOFF TIME", 25}};
}

QList<ListColumn> entryColumns(Mode mode)
{
    if (mode == Mode::DoorAccess)
        return {{"ACTIVE DAYS", 31}, {"START TIME", 32}, {"STOP TIME", 32}, {"INDEXID", 0}};
    return {{"SPECIAL PRICE", 23},
            {"ACTIVE DAYS", 24},
            {"START TIME", 24},
            {"STOP TIME", 24},
            {"INDEXID", 0}};
}

PriceSpecialsSession::PriceSpecialsSession(Mode mode, uint16_t custId, Rights rights,
                                           CdbDatabase database, CdbRecordset profiles)
    : mode_(mode), custId_(custId), rights_(rights), database_(std::move(database)),
      profiles_(std::move(profiles))
{
    set_.setDatabase(database_);
}

void PriceSpecialsSession::open()
{
    fillProfileList();
    resetProfile();
    clearEntry();
    selectProfileRow(0, 0);
    enterState(EditState::Idle);
}

// --- Lists -------------------------------------------------------------------

void PriceSpecialsSession::fillProfileList()
{
    view_.profileRows.clear();
    const bool door = mode_ == Mode::DoorAccess;
    const QString title =
        door ? QStringLiteral("Access Control Manager") : QStringLiteral("Reader Manager");
    OpenTable table;
    if (table.open(systemdb::databasePath(), profileListQuery(mode_)) ==
        OpenTable::Failure::Database) {
        MessageBox(door ? QStringLiteral("Could not connect to  manager.mdb")
                        : QStringLiteral("Could not connect to manager.mdb"),
                   title, MB_OK | MB_ICONSTOP);
        return;
    }
    const QList<ListColumn> columns = profileColumns(mode_);
    try {
        CdbRecordset& rows = table.recordset();
        if (!rows.IsOpen())
            throw CdbException(daoResultCode(kDaoTableNotFound), OpenTable::lastErrorText());
        if (rows.GetRecordCount() == 0)
            return;
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
            QStringList cells;
            for (const ListColumn& column : columns)
                cells << dbhelper::fieldText(rows.GetField(QLatin1String(column.heading)));
            view_.profileRows.append(cells);
        }
    } catch (const CdbException& e) {
        if (e.errorNumber() != kDaoNoCurrentRecord) {
            view_.profileRows.clear();
            MessageBox(QStringLiteral("No records found..."), title, MB_OK | MB_ICONEXCLAMATION);
        }
    }
}

void PriceSpecialsSession::fillEntryList()
{
    view_.entryRows.clear();
    const QList<ListColumn> columns = entryColumns(mode_);
    try {
        CdbRecordset& rows = set_.recordset();
        if (!rows.IsOpen() || rows.GetRecordCount() == 0)
            return;
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
            QStringList cells;
            for (const ListColumn& column : columns) {
                // ACTIVE DAYS shows the DAYS column.
                const QString field = QLatin1String(column.heading) == QLatin1String("ACTIVE DAYS")
                                          ? QStringLiteral("DAYS")
                                          : QString::fromLatin1(column.heading);
                cells << dbhelper::fieldText(rows.GetField(field));
            }
            view_.entryRows.append(cells);
        }
    } catch (const CdbException& e) {
        if (e.errorNumber() != kDaoNoCurrentRecord)
            showEngineError(QString(), QString::fromLatin1(kEntryErrorCaption));
    }
}

QStringList PriceSpecialsSession::listedNames() const
{
    QStringList names;
    for (const QStringList& row : view_.profileRows)
        names << row.value(0);
    return names;
}

void PriceSpecialsSession::selectProfileRow(int row, int entryRow)
{
    const QString name =
        row >= 0 && row < view_.profileRows.size() ? view_.profileRows[row].value(0) : QString();
    bool found = false;
    try {
        set_.openForProfile(name);
        found = !name.isEmpty() && findProfile(profiles_, name);
        if (found)
            profile_ = readProfile(profiles_);
    } catch (const CdbException& e) {
        if (e.errorNumber() != kDaoNoCurrentRecord)
            showEngineError(QStringLiteral("Cannot transfer database to dialog.\n"),
                            errorCaption());
        found = false;
    }
    if (found) {
        view_.selectedProfile = int(listedNames().indexOf(name));
    } else {
        resetProfile();
        clearEntry();
        view_.selectedProfile = -1;
    }
    fillEntryList();
    loadEntryRow(entryRow);
    showFields();
}

void PriceSpecialsSession::loadEntryRow(int row)
{
    view_.selectedEntry = row;
    if (row < 0 || row >= view_.entryRows.size()) {
        clearEntry();
        return;
    }
    try {
        if (!set_.findAndLoad(entryIdOf(row)))
            clearEntry();
    } catch (const CdbException& e) {
        if (e.errorNumber() != kDaoNoCurrentRecord)
            showEngineError(QStringLiteral("Cannot transfer dialog from database.\n"),
                            QString::fromLatin1(kEntryErrorCaption));
    }
}

int PriceSpecialsSession::entryIdOf(int row) const
{
    if (row < 0 || row >= view_.entryRows.size())
        return 0;
    return view_.entryRows[row].value(entryColumns(mode_).size() - 1).toInt();
}

// --- States ------------------------------------------------------------------

void PriceSpecialsSession::enterState(EditState state)
{
    state_ = state;
    SpecialsControls c;
    const bool idle = state == EditState::Idle;
    c.profileFieldsEnabled = state == EditState::ProfileEdit;
    c.profileListEnabled = idle;
    c.entryFieldsEnabled = state == EditState::EntryEdit;
    c.specialPriceEnabled = c.entryFieldsEnabled && !view_.fields.machineOff;
    c.timeEditsEnabled = c.entryFieldsEnabled && !view_.fields.allDay;
    c.entryListEnabled = idle;
    c.entryButtonsEnabled = idle && rights_.edit;
    c.createCardEnabled = idle && rights_.createCards;
    c.profileMenuEnabled = rights_.edit;
    c.okText = idle ? QStringLiteral("OK") : QStringLiteral("Update");
    view_.controls = c;
}

bool PriceSpecialsSession::refuseWhileEditing()
{
    if (state_ == EditState::Idle)
        return false;
    MessageBox(QStringLiteral("Data is currently being edited. Update or Cancel that data and try "
                              "again"),
               errorCaption(), MB_OK | MB_ICONSTOP);
    return true;
}

// --- Fields ------------------------------------------------------------------

void PriceSpecialsSession::takeFields()
{
    const SpecialsFields& f = view_.fields;
    SpecialEntry& entry = set_.entry();
    entry.days = 0;
    for (int day = 0; day < 7; ++day) {
        if (f.days[std::size_t(day)])
            entry.days |= dayBit(day);
    }
    entry.price = f.machineOff ? Currency() : moneyFromText(f.specialPrice);
    if (f.allDay)
        entry.setAllDay();
    else
        takeTimes(entry, f.startTime, f.stopTime);
    profile_.name = f.name;
    if (mode_ == Mode::DoorAccess) {
        // Door access profiles carry no prices.
        const SpecialProfile door = SpecialProfile::defaults(mode_);
        profile_.vendPrice = door.vendPrice;
        profile_.topoffPrice = door.topoffPrice;
        profile_.topoffTime = door.topoffTime;
        entry.price = Currency();
        return;
    }
    profile_.vendPrice = moneyFromText(f.vendPrice);
    profile_.topoffPrice = moneyFromText(f.topoffPrice);
    bool ok = false;
    const int minutes = f.topoffTime.trimmed().toInt(&ok);
    profile_.topoffTime = ok ? minutes : 0;
}

void PriceSpecialsSession::showFields()
{
    SpecialsFields& f = view_.fields;
    const SpecialEntry& entry = set_.entry();
    f.name = profile_.name;
    f.vendPrice = moneyText(profile_.vendPrice);
    f.topoffPrice = moneyText(profile_.topoffPrice);
    f.topoffTime = QString::number(profile_.topoffTime);
    for (int day = 0; day < 7; ++day)
        f.days[std::size_t(day)] = (entry.days & dayBit(day)) != 0;
    f.specialPrice = moneyText(entry.price);
    f.machineOff = entry.machineOff();
    f.startTime = timeText(entry.startHour, entry.startMinute);
    f.stopTime = timeText(entry.stopHour, entry.stopMinute);
    f.allDay = entry.allDay();
    enterState(state_); // the time and price edits follow the choices
}

void PriceSpecialsSession::resetProfile()
{
    profile_ = SpecialProfile::defaults(mode_);
}

void PriceSpecialsSession::clearEntry()
{
    set_.clear();
}

// --- Messages ----------------------------------------------------------------

QString PriceSpecialsSession::errorCaption() const
{
    return QStringLiteral("ERROR: ") + applicationTitle(mode_);
}

void PriceSpecialsSession::showError(const QString& text, const QString& caption) const
{
    MessageBox(text, caption, MB_OK | MB_ICONSTOP);
}

void PriceSpecialsSession::showEngineError(const QString& head, const QString& caption) const
{
    showError(head + OpenTable::lastErrorText() + QLatin1Char('\n'), caption);
}

SpecialsFocus PriceSpecialsSession::takeFocus()
{
    return std::exchange(focus_, SpecialsFocus::None);
}

} // namespace specials
