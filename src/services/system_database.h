// Where the system database "manager.mdb" is: the file the host chose
// (default: manager.mdb in the current folder). Every part of the library
// that opens the system database itself asks here.
#pragma once

#include <QString>

namespace systemdb {

QString databasePath();
// An empty path restores the default.
void setDatabasePath(const QString& path);

} // namespace systemdb
