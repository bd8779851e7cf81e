// Exported price special and door access entry points: the dialog, the card
// of a named profile, and export and import for hosts without a dialog.
#include "exports/module_state.h"
#include "laundry/price_specials.h"
#include "profiles/profile_json.h"
#include "services/dialog_runner.h"
#include "services/open_table.h"
#include "services/prompt.h"
#include "services/system_database.h"
#include "specials/price_profiles.h"
#include "specials/price_specials_dialog.h"
#include "specials/price_specials_session.h"
#include "specials/special_store.h"

#include <QJsonArray>

namespace {

using namespace specials;

Mode modeOf(uint32_t mode)
{
    return mode == 1 ? Mode::DoorAccess : Mode::PriceSpecial;
}

QString engineErrorText(const CdbException& error)
{
    return QStringLiteral("Error %1 : %2").arg(error.errorNumber()).arg(error.description());
}

// The system database and its PRICE PROFILES table, as the dialog opens
// them; false after the failure was shown.
bool openProfiles(OpenTable& table)
{
    const OpenTable::Failure failure =
        table.open(systemdb::databasePath(), QLatin1String(kProfilesTable));
    if (failure == OpenTable::Failure::None)
        return true;
    promptui::MessageBox(failure == OpenTable::Failure::Database
                             ? QStringLiteral("Error loading database")
                             : QStringLiteral("Error connecting to database table."),
                         QStringLiteral("manager.mdb error"), promptui::MB_OK);
    return false;
}

} // namespace

extern "C" {

uint8_t ShowLaundryPriceSpecials(uint32_t custId, const int32_t* rights, uint32_t mode)
{
    exports::ModuleState state;
    OpenTable table;
    if (!openProfiles(table))
        return 0;
    const Mode m = modeOf(mode);
    PriceSpecialsDialog dialog(m, uint16_t(custId & 0xFFFF), Rights::fromBlock(rights, m),
                               table.database(), table.recordset());
    promptui::runDialog(dialog);
    return 1;
}

uint8_t write_laundry_price_special_card(const char* name, uint16_t custId, uint32_t mode,
                                         uint32_t clear)
{
    exports::ModuleState state;
    if (name == nullptr)
        return 0;
    OpenTable table;
    if (!openProfiles(table))
        return 0;
    const Mode m = modeOf(mode);
    PriceSpecialsSession session(m, custId, Rights::all(), table.database(), table.recordset());
    session.open();
    const QString wanted = QString::fromUtf8(name);
    const QList<QStringList>& rows = session.view().profileRows;
    int row = -1;
    for (int i = 0; i < rows.size() && row < 0; ++i) {
        if (rows[i].value(0).compare(wanted, Qt::CaseInsensitive) == 0)
            row = i;
    }
    if (row < 0) {
        promptui::MessageBox(
            QStringLiteral("There is no %1 profile named \"%2\".").arg(kindWord(m), wanted),
            QStringLiteral("ERROR: ") + applicationTitle(m),
            promptui::MB_OK | promptui::MB_ICONSTOP);
        return 0;
    }
    session.selectProfile(row);
    return session.createCard(clear != 0) ? 1 : 0;
}

} // extern "C"

struct LaundryPriceSpecials::Open {
    OpenTable table;
};

LaundryPriceSpecials::LaundryPriceSpecials() = default;
LaundryPriceSpecials::~LaundryPriceSpecials() = default;

bool LaundryPriceSpecials::open(const QString& databasePath)
{
    exports::ModuleState state;
    open_ = std::make_unique<Open>();
    const OpenTable::Failure failure =
        open_->table.open(databasePath, QLatin1String(kProfilesTable));
    if (failure != OpenTable::Failure::None) {
        error_ = OpenTable::failureText(failure, databasePath, QLatin1String(kProfilesTable));
        open_.reset();
        return false;
    }
    error_.clear();
    return true;
}

QString LaundryPriceSpecials::error() const
{
    return error_;
}

std::optional<QList<QJsonObject>> LaundryPriceSpecials::profiles(bool door,
                                                                 const QStringList& names)
{
    exports::ModuleState state;
    if (!open_)
        return std::nullopt;
    QList<ProfileWithEntries> all;
    try {
        all = loadProfiles(open_->table.database(), door ? Mode::DoorAccess : Mode::PriceSpecial);
    } catch (const CdbException& e) {
        error_ = engineErrorText(e);
        return std::nullopt;
    }
    QList<QJsonObject> chosen;
    if (names.isEmpty()) {
        for (const ProfileWithEntries& p : all)
            chosen << profileToJson(p);
        return chosen;
    }
    for (const QString& name : names) {
        const auto found = std::find_if(all.cbegin(), all.cend(), [&](const auto& p) {
            return p.profile.name.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found == all.cend()) {
            error_ =
                QStringLiteral("no %1 profile named \"%2\"")
                    .arg(door ? QStringLiteral("door access") : QStringLiteral("price special"),
                         name);
            return std::nullopt;
        }
        chosen << profileToJson(*found);
    }
    return chosen;
}

LaundrySpecialsImport LaundryPriceSpecials::import(const QByteArray& json)
{
    exports::ModuleState state;
    LaundrySpecialsImport result;
    const std::optional<QJsonArray> array = profiles::parseProfileFile(json, &result.fileError);
    if (!array)
        return result;
    if (!open_) {
        result.failed = true;
        return result;
    }
    QList<ProfileWithEntries> parsed;
    for (int i = 0; i < array->size(); ++i) {
        if (auto p = profileFromJson(array->at(i), i, &result.refusals))
            parsed << *p;
    }
    CdbDatabase& database = open_->table.database();
    try {
        if (!storeProfiles(database, parsed, &result.refusals))
            return result;
    } catch (const CdbException& e) {
        promptui::MessageBox(QStringLiteral("Cannot store the profiles.\n") + engineErrorText(e),
                             QStringLiteral("ERROR: Reader Manager"),
                             promptui::MB_OK | promptui::MB_ICONSTOP);
        result.failed = true;
        return result;
    }
    result.stored = int(parsed.size());
    return result;
}

QStringList LaundryPriceSpecials::jsonKeyOrder()
{
    return specials::jsonKeyOrder();
}
