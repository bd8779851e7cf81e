#include "specials/price_profiles.h"

#include "specials/price_special_set.h"

namespace specials {

QString profileListQuery(Mode mode)
{
    return mode == Mode::DoorAccess
               ? QStringLiteral("SELECT * FROM [PRICE PROFILES] WHERE [TOPOFF TIME] = -1")
               : QStringLiteral("SELECT * FROM [PRICE PROFILES] WHERE [TOPOFF TIME] <> -1");
}

SpecialProfile readProfile(const CdbRecordset& rows)
{
    SpecialProfile profile;
    profile.name = rows.GetField(QStringLiteral("PROFILE NAME")).toString();
    profile.vendPrice =
        Currency::fromVariant(rows.GetField(QStringLiteral("VEND PRICE"))).value_or(Currency());
    profile.topoffPrice =
        Currency::fromVariant(rows.GetField(QStringLiteral("TOPOFF PRICE"))).value_or(Currency());
    bool ok = false;
    const int minutes = rows.GetField(QStringLiteral("TOPOFF TIME")).toInt(&ok);
    profile.topoffTime = ok ? minutes : 0;
    return profile;
}

void writeProfile(CdbRecordset& rows, const SpecialProfile& profile)
{
    rows.SetField(QStringLiteral("PROFILE NAME"), profile.name);
    rows.SetField(QStringLiteral("VEND PRICE"), profile.vendPrice.toVariant());
    rows.SetField(QStringLiteral("TOPOFF PRICE"), profile.topoffPrice.toVariant());
    rows.SetField(QStringLiteral("TOPOFF TIME"), profile.topoffTime);
}

bool findProfile(CdbRecordset& rows, const QString& name)
{
    if (rows.GetRecordCount() == 0)
        return false;
    rows.FindFirst(profileNameFilter(name));
    return !rows.GetNoMatch();
}

} // namespace specials
