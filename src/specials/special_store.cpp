#include "specials/special_store.h"

#include "services/open_table.h"
#include "specials/price_profiles.h"
#include "specials/price_special_set.h"
#include "specials/special_rules.h"

namespace specials {
namespace {

[[noreturn]] void throwLastError()
{
    const CdbLastOLEError last;
    throw CdbException(last.GetResultCode(), last.GetDescription());
}

CdbRecordset& openRows(OpenTable& table, CdbDatabase& database, const QString& source)
{
    if (table.open(database, source) != OpenTable::Failure::None)
        throwLastError();
    return table.recordset();
}

QStringList storedNames(CdbDatabase& database)
{
    OpenTable table;
    CdbRecordset& rows = openRows(table, database, QLatin1String(kProfilesTable));
    QStringList names;
    if (rows.GetRecordCount() > 0) {
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext())
            names << rows.GetField(QStringLiteral("PROFILE NAME")).toString();
    }
    return names;
}

} // namespace

QList<ProfileWithEntries> loadProfiles(CdbDatabase& database, Mode mode)
{
    OpenTable table;
    CdbRecordset& rows = openRows(table, database, profileListQuery(mode));
    QList<ProfileWithEntries> profiles;
    if (rows.GetRecordCount() == 0)
        return profiles;
    PriceSpecialSet set;
    set.setDatabase(database);
    for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
        ProfileWithEntries p{mode, readProfile(rows), {}};
        if (!set.openForProfile(p.profile.name))
            throwLastError();
        p.entries = set.entries();
        profiles << p;
    }
    return profiles;
}

void checkNewNames(CdbDatabase& database, const QList<ProfileWithEntries>& profiles,
                   QStringList* refusals)
{
    QStringList taken = storedNames(database);
    for (const ProfileWithEntries& p : profiles) {
        // Letter case ignored: a name is one profile in any case.
        const bool clash = taken.contains(p.profile.name, Qt::CaseInsensitive);
        const Check refusal =
            clash ? checkProfileName(p.mode, p.profile.name, QString(), {p.profile.name})
                  : checkProfileName(p.mode, p.profile.name, QString(), {});
        if (refusal)
            *refusals << (p.profile.name.isEmpty() ? QStringLiteral("(no name)") : p.profile.name) +
                             QStringLiteral(": ") +
                             QString(refusal->message).replace(QLatin1Char('\n'), ' ');
        taken << p.profile.name;
    }
}

bool storeProfiles(CdbDatabase& database, const QList<ProfileWithEntries>& profiles,
                   QStringList* refusals)
{
    CdbTransaction transaction(database);
    checkNewNames(database, profiles, refusals);
    if (!refusals->isEmpty())
        return false;
    OpenTable table;
    CdbRecordset& rows = openRows(table, database, QLatin1String(kProfilesTable));
    PriceSpecialSet set;
    set.setDatabase(database);
    for (const ProfileWithEntries& p : profiles) {
        rows.AddNew();
        writeProfile(rows, p.profile);
        rows.Update();
        if (!set.openForProfile(p.profile.name))
            throwLastError();
        for (const SpecialEntry& entry : p.entries) {
            set.entry() = entry;
            set.setNewEntry(true);
            set.save(0);
        }
    }
    table.close();
    transaction.Commit();
    return true;
}

} // namespace specials
