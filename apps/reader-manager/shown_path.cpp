#include "shown_path.h"

#include "services/dao.h"

#include <QDir>

namespace readermanager {

QString shownPath(const QString& path)
{
    if (dbhelper::isServerDatabase(path))
        return dbhelper::shownDatabaseName(path); // never its password

    const QString home = QDir::homePath();
    const QString clean = QDir::cleanPath(path);
    if (home != QLatin1String("/") && (clean == home || clean.startsWith(home + '/')))
        return QDir::toNativeSeparators(QStringLiteral("~") + clean.mid(home.size()));
    return QDir::toNativeSeparators(path);
}

} // namespace readermanager
