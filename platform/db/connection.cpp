#include "connection.h"

#include "dao_error.h"

namespace dao {

Backend& Connection::backend()
{
    if (!backend_->isOpen())
        throwDao(kDaoObjectInvalid);
    return *backend_;
}

const TableInfo& Connection::table(const QString& name)
{
    const QString key = name.toLower();
    auto it = tables_.find(key);
    if (it == tables_.end())
        it = tables_.insert(key, backend().describeTable(name));
    return *it;
}

} // namespace dao
