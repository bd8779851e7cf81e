// What opening checks before SQLite touches a file, so that a refused open
// leaves the file and its folder exactly as they were: SQLite would treat a
// folder as unopenable, an empty file as an empty database (and write one
// into it), and a read-only file opened for writing as readable only,
// leaving journal files that keep failing once the file is writable again.
#pragma once

#include <QString>

namespace dao {

// Raises 3024 for a missing file, 3051 for a folder, 3049 for an empty file,
// and, unless readOnly, 3027 when the file, its journal files or the folder
// that must hold them is read-only.
void checkDatabaseFile(const QString& fileName, bool readOnly);

[[noreturn]] void refuseReadOnlyFile(const QString& fileName);

} // namespace dao
