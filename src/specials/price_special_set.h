// The entries of one price special or door access profile: its rows of
// PRICE SPECIALS over the dialog's open database, and one current entry.
// Database failures raise CdbException for the caller to show.
#pragma once

#include "services/open_table.h"
#include "specials/special_profile.h"

#include <QList>
#include <QString>

namespace specials {

inline constexpr char kSpecialsTable[] = "PRICE SPECIALS";

class PriceSpecialSet {
public:
    PriceSpecialSet() = default;
    // The database stays the caller's; it must outlive the set's use.
    void setDatabase(const CdbDatabase& database) { database_ = database; }

    // The rows of the profile `name`; true when the recordset opened.
    bool openForProfile(const QString& name);
    const QString& profileName() const { return name_; }
    CdbRecordset& recordset() { return table_.recordset(); }

    int count();
    bool findByIndex(int id);
    void moveToPosition(int n);
    void loadCurrent();
    bool findAndLoad(int id);
    void moveAndLoad(int n);
    // What save was doing when the database refused it.
    enum class SaveStep { Add, Edit, Transfer, Update };
    // Edits the row of `id` unless the current entry is new (or that row is
    // gone), else adds a row; clears the new-entry flag. On a failure
    // *step (when given) says where it happened.
    void save(int id, SaveStep* step = nullptr);
    // Deletes the row of `id` and reopens the profile's rows.
    void remove(int id);
    // Deletes every row of the profile `name`.
    void removeAll(const QString& name);
    int currentIndex();

    // Every entry, in the order of the rows.
    QList<SpecialEntry> entries();

    SpecialEntry& entry() { return entry_; }
    bool isNewEntry() const { return newEntry_; }
    void setNewEntry(bool isNew) { newEntry_ = isNew; }
    void clear() { entry_ = SpecialEntry(); }

private:
    CdbDatabase database_;
    OpenTable table_;
    QString name_;
    bool newEntry_ = false;
    SpecialEntry entry_;
};

// "[PROFILE NAME] = 'name'" with the name quoted, so any text stays a name.
QString profileNameFilter(const QString& name);

} // namespace specials
