// The workflow of the "Price Special Profiles" dialog without widgets: the
// profile and entry lists, the three edit states, the operator's rights,
// adding, editing, deleting and committing profiles and entries, sorting,
// Cancel and Exit, and the two card buttons. It works on the dialog's open
// database, asks and tells through the prompt service and keeps what the
// widgets show as a SpecialsView.
#pragma once

#include "services/cardcore.h"
#include "specials/price_special_set.h"
#include "specials/special_profile.h"
#include "specials/specials_view.h"

#include <QString>

#include <cstdint>

namespace specials {

// The host's rights block: entry 0 = 1 grants everything; else entries 5 and
// 9 (door access) or 13 and 16 (price specials) allow card creation and
// editing. The block holds at least kRightsEntries entries.
inline constexpr int kRightsEntries = 17;
struct Rights {
    bool createCards = false;
    bool edit = false;

    static Rights fromBlock(const int32_t* block, Mode mode);
    static Rights all() { return {true, true}; }
};

struct ListColumn {
    const char* heading;
    int width; // percent of the list's width; 0 hides it
};
QList<ListColumn> profileColumns(Mode mode);
QList<ListColumn> entryColumns(Mode mode);

class PriceSpecialsSession {
public:
    enum class Closing { No, Accepted, Rejected };

    // The database and the PRICE PROFILES recordset stay the caller's and
    // outlive the session.
    PriceSpecialsSession(Mode mode, uint16_t custId, Rights rights, CdbDatabase database,
                         CdbRecordset profiles);

    void open();

    // What the operator typed, copied in before each action.
    void setFields(const SpecialsFields& fields) { view_.fields = fields; }

    void selectProfile(int row); // a row of the profile list, entry row 0
    void selectEntry(int row);
    void doubleClickProfile();
    void doubleClickEntry();
    void sortBy(int column);

    void addProfile();
    void editProfile();
    void deleteProfile();
    void addSpecial();
    void editSpecial();
    void deleteSpecial();
    void allDays();
    void choosePrice(bool machineOff);
    void chooseTime(bool allDay);
    void ok();
    void cancel(); // Cancel and Exit

    // Leaving a money or time edit normalises every field.
    void leaveField();
    void leaveTopoffTime();

    // True when the card was written.
    bool createCard(bool clear);

    const SpecialsView& view() const { return view_; }
    EditState state() const { return state_; }
    Closing closing() const { return closing_; }
    SpecialsFocus takeFocus();
    Mode mode() const { return mode_; }
    const SpecialProfile& profile() const { return profile_; }

private:
    void fillProfileList();
    void fillEntryList();
    void selectProfileRow(int row, int entryRow);
    void loadEntryRow(int row);
    int entryIdOf(int row) const;
    QStringList listedNames() const;

    void enterState(EditState state);
    bool refuseWhileEditing();
    void takeFields();
    void showFields();
    void resetProfile();
    void clearEntry();

    void commitProfile();
    void commitEntry();

    void showError(const QString& text, const QString& caption) const;
    void showEngineError(const QString& head, const QString& caption) const;
    QString errorCaption() const;

    Mode mode_;
    uint16_t custId_;
    Rights rights_;
    CdbDatabase database_;
    CdbRecordset profiles_;
    PriceSpecialSet set_;

    SpecialsView view_;
    SpecialProfile profile_;
    EditState state_ = EditState::Idle;
    Closing closing_ = Closing::No;
    SpecialsFocus focus_ = SpecialsFocus::None;
    QString previousName_;
    bool addingProfile_ = false;
    cardcore::ListSort sort_;
};

} // namespace specials
