#include "host_settings.h"

#include "services/dao.h"

#include <QDir>

namespace readermanager {
namespace {

const QString kCustomerIdKey = QStringLiteral("host/customerId");
const QString kTokensEnabledKey = QStringLiteral("settings/tokensEnabled");
const QString kLastFolderKey = QStringLiteral("dialogs/lastFolder");
const QString kLastCardKey = QStringLiteral("reader/cardFile");
const QString kLastCardImageKey = QStringLiteral("reader/cardImage");
const QString kDatabaseKey = QStringLiteral("host/database");

} // namespace

HostSettings::HostSettings(const QString& folder)
    : folder_(QDir(folder).absolutePath()),
      store_(std::make_unique<QSettings>(
          QDir(folder_).filePath(QString::fromLatin1(kSettingsFileName)), QSettings::IniFormat))
{
}

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

std::optional<LastCard> HostSettings::lastCard() const
{
    if (!store_->contains(kLastCardKey))
        return std::nullopt;
    LastCard card;
    card.path = restored(store_->value(kLastCardKey).toString());
    bool ok = false;
    const int index = store_->value(kLastCardImageKey, 0).toInt(&ok);
    card.imageIndex = ok && index >= 0 ? index : 0;
    return card;
}

void HostSettings::setLastCard(const LastCard& card)
{
    store_->setValue(kLastCardKey, stored(card.path));
    store_->setValue(kLastCardImageKey, card.imageIndex);
}

QString HostSettings::database() const
{
    return restored(store_->value(kDatabaseKey).toString());
}

void HostSettings::setDatabase(const QString& path)
{
    store_->setValue(kDatabaseKey, stored(path));
}

QString HostSettings::stored(const QString& path) const
{
    if (path.isEmpty() || dbhelper::isServerDatabase(path))
        return path; // a server's URI is no path to make relative
    const QString relative = QDir(folder_).relativeFilePath(path);
    const bool outside = relative == QLatin1String("..") ||
                         relative.startsWith(QLatin1String("../")) ||
                         QDir::isAbsolutePath(relative);
    return outside ? QDir(folder_).absoluteFilePath(path) : relative;
}

QString HostSettings::restored(const QString& value) const
{
    if (dbhelper::isServerDatabase(value))
        return value;
    const QString path = QDir::fromNativeSeparators(value);
    return path.isEmpty() ? QString() : QDir::cleanPath(QDir(folder_).absoluteFilePath(path));
}

} // namespace readermanager
