#include "host_settings.h"

#include <QDir>

namespace readermanager {
namespace {

const QString kCustomerIdKey = QStringLiteral("host/customerId");
const QString kTokensEnabledKey = QStringLiteral("settings/tokensEnabled");
const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");

} // namespace

HostSettings::HostSettings(std::unique_ptr<QSettings> store) : store_(std::move(store)) {}

uint16_t HostSettings::customerId() const
{
    // A hand-edited or damaged value must not become some other customer's id.
    bool ok = false;
    const uint value = store_->value(kCustomerIdKey, 0).toUInt(&ok);
    return ok && value <= 0xFFFF ? uint16_t(value) : 0;
}

void HostSettings::setCustomerId(uint16_t id)
{
    store_->setValue(kCustomerIdKey, uint(id));
}

bool HostSettings::tokensEnabled() const
{
    return store_->value(kTokensEnabledKey, true).toBool();
}

void HostSettings::setTokensEnabled(bool enabled)
{
    store_->setValue(kTokensEnabledKey, enabled);
}

QString HostSettings::lastFolder() const
{
    return store_->value(kLastFolderKey, QDir::homePath()).toString();
}

void HostSettings::setLastFolder(const QString& folder)
{
    store_->setValue(kLastFolderKey, folder);
}

} // namespace readermanager
