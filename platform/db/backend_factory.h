// Picks the storage engine behind an opened database file.
#pragma once

#include "backend.h"

#include <memory>

namespace dao {

struct OpenOptions {
    bool readOnly = false;
    int busyTimeoutMs = 5000;
};

std::unique_ptr<Backend> openBackend(const QString& fileName, const OpenOptions& options);

} // namespace dao
