#include "services/system_database.h"

namespace systemdb {
namespace {

constexpr char kDefaultDatabase[] = "manager.mdb";

QString& configuredPath()
{
    static QString path = QString::fromLatin1(kDefaultDatabase);
    return path;
}

} // namespace

QString databasePath()
{
    return configuredPath();
}

void setDatabasePath(const QString& path)
{
    configuredPath() = path.isEmpty() ? QString::fromLatin1(kDefaultDatabase) : path;
}

} // namespace systemdb
