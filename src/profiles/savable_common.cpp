#include "profiles/savable_common.h"

#include "profiles/editor_rules.h"
#include "profiles/profile_columns.h"
#include "setup/profile_types.h"

namespace profiles {
namespace {

Refusal refusal(const char* column, int control, const QString& message)
{
    Refusal r;
    r.column = QString::fromLatin1(column);
    r.control = control;
    r.message = message;
    return r;
}

} // namespace

QList<Refusal> checkSavableCommon(const CommonValues& common)
{
    QList<Refusal> refusals;
    const int code = common.typeCode;
    const QString type = setup::profileTypeListName(code);
    const EditControls controls = editControlsFor(code, common.checkLocation);
    if (common.locationClustering && !controls.locationClustering)
        refusals << refusal(
            kColLocationClustering, kIdLocationClustering,
            setup::clusteringAllowed(code)
                ? QStringLiteral("Location Clustering needs Check Location.")
                : QStringLiteral("A %1 profile cannot use Location Clustering.").arg(type));
    if (common.userTransactionCollection && code == setup::kTovan2000)
        refusals << refusal(
            kColUserTransaction, kIdUserTransaction,
            QStringLiteral("A %1 profile cannot use User Transaction Collection.").arg(type));
    if (common.enableTokens && !controls.enableTokens)
        refusals << refusal(kColEnableTokens, kIdEnableTokens,
                            QStringLiteral("A %1 profile cannot enable tokens.").arg(type));
    return refusals;
}

} // namespace profiles
