// Picks the storage engine behind an opened database file.
#pragma once

#include "backend.h"

#include <functional>
#include <memory>

namespace dao {

struct OpenOptions {
    bool readOnly = false;
    int busyTimeoutMs = 5000;
};

std::unique_ptr<Backend> openBackend(const QString& fileName, const OpenOptions& options);

// Fault tests wrap every backend opened from now on (a decorator that fails
// the k-th call); a null wrapper gives the plain backend again.
using BackendWrapper = std::function<std::unique_ptr<Backend>(std::unique_ptr<Backend>)>;
void setBackendWrapper(BackendWrapper wrapper);

// Database connections open now, in this process: zero after an operation
// proves it closed every database, and with it every recordset, it opened.
int openConnectionCount();

} // namespace dao
