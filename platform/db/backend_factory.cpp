#include "backend_factory.h"

#include "database_name.h"
#include "postgres/pg_backend.h"
#include "sqlite/sqlite_backend.h"

namespace dao {
namespace {

BackendWrapper& wrapper()
{
    static BackendWrapper kWrapper;
    return kWrapper;
}

} // namespace

void setBackendWrapper(BackendWrapper wrapper)
{
    dao::wrapper() = std::move(wrapper);
}

std::unique_ptr<Backend> openBackend(const QString& fileName, const OpenOptions& options)
{
    std::unique_ptr<Backend> backend;
    if (isServerDatabase(fileName))
        backend = PgBackend::open(fileName, options.readOnly, options.busyTimeoutMs);
    else
        backend = SqliteBackend::open(fileName, options.readOnly, options.busyTimeoutMs);
    if (wrapper())
        backend = wrapper()(std::move(backend));
    return backend;
}

} // namespace dao
