// Every file the programs read as input (card image files, setup record
// files, profile files) is read here: never more than a limit, checked while
// reading, so that /dev/zero or an endless pipe is refused instead of
// filling memory, and never blocking for ever on a FIFO that nobody writes.
#pragma once

#include <QByteArray>
#include <QString>

namespace card {

struct InputLimits {
    qint64 maxBytes = 0;
    // How long a pipe or device may stay silent before the read gives up.
    int idleTimeoutMs = 10000;
};

// Reads the whole of path into *bytes: "" on success, else why not, naming
// the file as `what` ("card image file") and its path; *bytes is then empty.
QString readInputFile(const QString& what, const QString& path, const InputLimits& limits,
                      QByteArray* bytes);

} // namespace card
