// The exported profile table: hosts list, show, export and import profiles
// through it, never through the profile store itself.
#include "laundry/profile_table.h"

#include "exports/module_state.h"
#include "profiles/profile_columns.h"
#include "profiles/profile_json.h"
#include "profiles/profile_table.h"
#include "setup/profile_types.h"

#include <QJsonArray>

struct LaundryProfileTable::Open {
    profiles::ProfileTable table;
};

namespace {

LaundryProfile exported(const profiles::ProfileValues& values)
{
    return {profiles::profileToJson(values), profiles::profileJsonKeys(values.common.typeCode)};
}

} // namespace

QString LaundryProfile::name() const
{
    return columns.value(QLatin1String(profiles::kColProfileName)).toString();
}

int LaundryProfile::type() const
{
    return columns.value(QLatin1String(profiles::kColProfileType)).toInt();
}

LaundryProfileTable::LaundryProfileTable() = default;
LaundryProfileTable::~LaundryProfileTable() = default;

bool LaundryProfileTable::open(const QString& databasePath)
{
    exports::ModuleState state;
    open_ = std::make_unique<Open>();
    const OpenTable::Failure failure =
        open_->table.openQuietly(profiles::ProfileTable::Rows::All, databasePath);
    if (failure != OpenTable::Failure::None) {
        error_ =
            OpenTable::failureText(failure, databasePath, QLatin1String(profiles::kProfileTable));
        open_.reset();
        return false;
    }
    error_.clear();
    return true;
}

QString LaundryProfileTable::error() const
{
    return error_;
}

std::optional<QList<LaundryProfile>> LaundryProfileTable::all()
{
    exports::ModuleState state;
    if (!open_)
        return std::nullopt;
    QList<LaundryProfile> profiles;
    CdbRecordset& rows = open_->table.recordset();
    try {
        if (rows.GetRecordCount() == 0)
            return profiles;
        for (rows.MoveFirst(); !rows.GetEOF(); rows.MoveNext()) {
            profiles::ProfileValues values;
            if (!open_->table.store().loadCurrent(values))
                return std::nullopt;
            profiles << exported(values);
        }
    } catch (const CdbException& error) {
        error_ = profiles::daoErrorText(error).trimmed();
        return std::nullopt;
    }
    return profiles;
}

std::optional<LaundryProfile> LaundryProfileTable::find(const QString& name)
{
    exports::ModuleState state;
    if (!open_)
        return std::nullopt;
    profiles::ProfileStore& store = open_->table.store();
    try {
        if (!store.positionOn(name)) {
            error_ = QStringLiteral("no profile named \"%1\"").arg(name);
            return std::nullopt;
        }
    } catch (const CdbException& error) {
        error_ = profiles::daoErrorText(error).trimmed();
        return std::nullopt;
    }
    profiles::ProfileValues values;
    if (!store.loadCurrent(values))
        return std::nullopt;
    return exported(values);
}

LaundryProfileImport LaundryProfileTable::import(const QByteArray& json)
{
    exports::ModuleState state;
    LaundryProfileImport result;
    const std::optional<QJsonArray> array = profiles::parseProfileFile(json, &result.fileError);
    if (!array)
        return result;
    if (!open_) {
        result.failed = true;
        return result;
    }
    const profiles::ImportOutcome outcome = profiles::importProfiles(*array, open_->table);
    for (const profiles::ImportRefusal& refusal : outcome.refusals)
        result.refusals << refusal.text();
    result.failed = outcome.databaseFailed;
    result.stored = outcome.stored;
    return result;
}

QString LaundryProfileTable::typeName(int code)
{
    return setup::profileTypeListName(code);
}

QString LaundryProfileTable::valueText(const QString& column, const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    if (value.isDouble())
        return QString::number(value.toInt());
    if (profiles::columnKind(column) == profiles::ColumnKind::Money)
        return dbhelper::fieldText(
            Currency::parse(value.toString()).value_or(Currency{}).toVariant());
    return value.toString();
}
