#include "profiles/profile_store.h"

#include "profiles/editor_rules.h"
#include "services/prompt.h"

#include <algorithm>

namespace profiles {
namespace {

constexpr char kErrorCaption[] = "ERROR: Reader Manager";

void showDatabaseError(const QString& text, const CdbException& error)
{
    promptui::MessageBox(text + daoErrorText(error), QString::fromLatin1(kErrorCaption),
                         promptui::MB_OK | promptui::MB_ICONERROR);
}

// Leaves the add or edit state after a failed step, so the next Update
// starts afresh; the row as stored stays as it was.
void cancelPendingUpdate(CdbRecordset& recordset)
{
    try {
        if (recordset.GetEditMode() != CdbEditMode::None)
            recordset.CancelUpdate();
    } catch (const CdbException&) {
    }
}

QVariant loadField(const CdbRecordset& recordset, const ProfileColumn& column)
{
    return loadValue(recordset.GetField(QLatin1String(column.name)), column.kind);
}

} // namespace

QString profileListQuery()
{
    return QStringLiteral(
        "SELECT * FROM [LAUNDRY SETUP] WHERE [PROFILE TYPE] <> '3' ORDER BY [PROFILE NAME]");
}

QString daoErrorText(const CdbException& error)
{
    return QStringLiteral("Error %1 : %2\n").arg(error.errorNumber()).arg(error.description());
}

bool ProfileStore::positionOn(const QString& name)
{
    if (recordset_.GetRecordCount() == 0)
        return false;
    recordset_.MoveFirst();
    recordset_.FindFirst(QStringLiteral("[PROFILE NAME] = ") + dbhelper::quoteFilterText(name));
    return !recordset_.GetNoMatch();
}

bool ProfileStore::findByName(const QString& name)
{
    try {
        return positionOn(name);
    } catch (const CdbException& error) {
        showDatabaseError(QString(), error);
        return false;
    }
}

bool ProfileStore::loadCurrent(ProfileValues& values)
{
    try {
        ProfileValues loaded;
        CommonValues& common = loaded.common;
        auto money = [&](const char* column) {
            return loadField(recordset_, {column, ColumnKind::Money}).value<Currency>();
        };
        auto flag = [&](const char* column) {
            return loadField(recordset_, {column, ColumnKind::YesNo}).toInt() != 0;
        };
        common.name = loadField(recordset_, {kColProfileName, ColumnKind::Text}).toString();
        common.vendPrice = money(kColVendPrice);
        common.topoffPrice = money(kColTopoffPrice);
        common.maxCardValue = money(kColMaxCardValue);
        common.enableTokens = flag(kColEnableTokens);
        common.clearCounters = flag(kColClearCount);
        common.checkLocation = flag(kColLocation);
        common.locationClustering = flag(kColLocationClustering);
        common.userTransactionCollection = flag(kColUserTransaction);
        common.typeCode = profileTypeFromText(recordset_.GetField(QLatin1String(kColProfileType)));
        for (const ProfileColumn& column : typeColumns(common.typeCode))
            loaded.columns.insert(QLatin1String(column.name), loadField(recordset_, column));
        values = std::move(loaded);
        return true;
    } catch (const CdbException& error) {
        // An empty table has no current record: nothing to load, not a failure.
        if (error.resultCode() == daoResultCode(kDaoNoCurrentRecord))
            return true;
        showDatabaseError(QStringLiteral("Cannot transfer database to dialog.\n"), error);
        return false;
    }
}

bool ProfileStore::writeValues(const CommonValues& common, const ColumnValues& columns)
{
    try {
        auto set = [&](const char* column, const QVariant& value, ColumnKind kind) {
            recordset_.SetField(QLatin1String(column), saveValue(value, kind));
        };
        set(kColProfileName, common.name, ColumnKind::Text);
        set(kColVendPrice, common.vendPrice.toVariant(), ColumnKind::Money);
        set(kColTopoffPrice, common.topoffPrice.toVariant(), ColumnKind::Money);
        set(kColMaxCardValue, common.maxCardValue.toVariant(), ColumnKind::Money);
        set(kColEnableTokens, int(common.enableTokens), ColumnKind::YesNo);
        set(kColClearCount, int(common.clearCounters), ColumnKind::YesNo);
        set(kColLocation, int(common.checkLocation), ColumnKind::YesNo);
        set(kColLocationClustering, int(common.locationClustering), ColumnKind::YesNo);
        set(kColUserTransaction, int(common.userTransactionCollection), ColumnKind::YesNo);
        set(kColProfileType, QString::number(common.typeCode), ColumnKind::Text);
        for (const ProfileColumn& column : typeColumns(common.typeCode)) {
            const auto it = columns.constFind(QLatin1String(column.name));
            if (it != columns.cend())
                set(column.name, *it, column.kind);
        }
        return true;
    } catch (const CdbException& error) {
        showDatabaseError(QStringLiteral("Cannot transfer dialog to database.\n"), error);
        return false;
    }
}

// The table's unique index refuses a name stored in other ASCII letter
// case at Update. Other letters (é, É) it does not fold: for a name holding
// one, the table is read afresh through a recordset of its own, so a name
// another program or window stored since the list was read counts too.
// `own` is the stored name of the row being edited, which may keep its name.
std::optional<bool> ProfileStore::nameTaken(const QString& name, const QString& own)
{
    if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return false;
    try {
        CdbRecordset rows = recordset_.GetDatabase().OpenRecordset(QStringLiteral("LAUNDRY SETUP"));
        const QString column = QLatin1String(kColProfileName);
        bool ownSeen = own.isEmpty();
        for (; !rows.GetEOF(); rows.MoveNext()) {
            const QString stored = rows.GetField(column).toString();
            if (!ownSeen && stored == own) {
                ownSeen = true;
                continue;
            }
            if (stored.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    } catch (const CdbException& error) {
        showDatabaseError(QString(), error);
        return std::nullopt;
    }
}

ProfileStore::Saved ProfileStore::save(const CommonValues& common, const ColumnValues& columns,
                                       SaveMode mode)
{
    const bool adding = mode == SaveMode::Add;
    QString own;
    if (!adding) {
        try {
            own = recordset_.GetField(QLatin1String(kColProfileName)).toString();
        } catch (const CdbException&) {
            // No current row: Edit below reports it.
        }
    }
    if (const std::optional<bool> taken = nameTaken(common.name, own); !taken) {
        return Saved::No;
    } else if (*taken) {
        showRefusal(duplicateNameRefusal());
        return Saved::DuplicateName;
    }
    try {
        if (adding) {
            recordset_.AddNew();
        } else {
            recordset_.Edit();
            for (const auto& [column, value] : resetOnEditColumns())
                recordset_.SetField(QLatin1String(column.name), saveValue(value, column.kind));
        }
    } catch (const CdbException& error) {
        showDatabaseError(adding ? QStringLiteral("Error adding new Reader profile to database.\n")
                                 : QStringLiteral("Error editing Reader profile in database.\n"),
                          error);
        cancelPendingUpdate(recordset_);
        return Saved::No;
    }
    if (!writeValues(common, columns)) {
        cancelPendingUpdate(recordset_);
        return Saved::No;
    }
    try {
        recordset_.Update();
        return Saved::Yes;
    } catch (const CdbException& error) {
        cancelPendingUpdate(recordset_);
        if (error.errorNumber() == kDaoDuplicateKey) {
            showRefusal(duplicateNameRefusal());
            return Saved::DuplicateName;
        }
        showDatabaseError(adding ? QStringLiteral("Error adding new profile to database.\n")
                                 : QStringLiteral("Error editing Reader profile in database.\n"),
                          error);
        return Saved::No;
    }
}

bool ProfileStore::deleteCurrent()
{
    try {
        recordset_.Delete();
        return true;
    } catch (const CdbException& error) {
        showDatabaseError(QStringLiteral("Cannot delete current record.\n"), error);
        return false;
    }
}

std::optional<QStringList> ProfileStore::names()
{
    QStringList names;
    try {
        if (recordset_.GetRecordCount() == 0)
            return names;
        for (recordset_.MoveFirst(); !recordset_.GetEOF(); recordset_.MoveNext())
            names << recordset_.GetField(QLatin1String(kColProfileName)).toString();
        return names;
    } catch (const CdbException& error) {
        showDatabaseError(QString(), error);
        return std::nullopt;
    }
}

} // namespace profiles
