#include "connection.h"

#include "backend_factory.h"
#include "dao_error.h"
#include "recordset_core.h"

#include <algorithm>
#include <atomic>

namespace dao {
namespace {

std::atomic<int> gOpenConnections{0};

} // namespace

int openConnectionCount()
{
    return gOpenConnections.load();
}

Connection::Connection(std::unique_ptr<Backend> backend) : backend_(std::move(backend))
{
    ++gOpenConnections;
}

Connection::~Connection()
{
    close();
}

void Connection::close()
{
    levels_.clear();
    backend_->close();
    if (counted_) {
        counted_ = false;
        --gOpenConnections;
    }
}

Backend& Connection::backend()
{
    if (!backend_->isOpen())
        throwDao(kDaoObjectInvalid);
    return *backend_;
}

const TableInfo& Connection::table(const QString& name)
{
    // The name as written first: folding its case costs more than the lookup.
    if (const auto known = tablesAsWritten_.constFind(name); known != tablesAsWritten_.constEnd())
        return **known;
    const QString key = name.toLower();
    auto it = tables_.find(key);
    if (it == tables_.end())
        it = tables_.insert(key, std::make_shared<const TableInfo>(backend().describeTable(name)));
    tablesAsWritten_.insert(name, *it);
    return **it;
}

void Connection::requireTransaction() const
{
    if (levels_.empty())
        throwDao(kDaoNoTransaction);
}

void Connection::beginTransaction()
{
    backend().beginTransaction();
    levels_.emplace_back();
}

void Connection::commitTransaction()
{
    requireTransaction();
    backend().commitTransaction();
    std::vector<AddedRow> added = std::move(levels_.back());
    levels_.pop_back();
    // Committed into the enclosing level, whose rollback still undoes them.
    if (!levels_.empty())
        levels_.back().insert(levels_.back().end(), added.begin(), added.end());
}

void Connection::rollbackTransaction()
{
    requireTransaction();
    backend().rollbackTransaction();
    const std::vector<AddedRow> added = std::move(levels_.back());
    levels_.pop_back();
    for (RecordsetCore* recordset : recordsets_)
        recordset->forgetRolledBack(added);
}

void Connection::rowAdded(const QString& table, qint64 key)
{
    if (!levels_.empty())
        levels_.back().push_back({table, key});
}

void Connection::detach(RecordsetCore* recordset)
{
    recordsets_.erase(std::remove(recordsets_.begin(), recordsets_.end(), recordset),
                      recordsets_.end());
}

} // namespace dao
