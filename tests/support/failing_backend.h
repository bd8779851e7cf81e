// Fault injection for database operations: while a FaultInjection lives,
// every database opened is wrapped in a FailingBackend. All of them count
// their calls on one shared plan, and the k-th call raises a chosen DAO error
// without doing its work. A sweep runs an operation once to count its calls,
// then once per k, and checks that each failure reached the caller and left
// no connection open (dao::openConnectionCount()).
//
// Counted: every call that reads or writes (describeTable, selectKeys,
// readRow, scanMatches, the writes and the transaction calls); fileName,
// isOpen and close are not, so closing always works.
#pragma once

#include "db/backend_factory.h"
#include "db/dao_error.h"

#include <memory>

namespace testsupport {

struct FaultPlan {
    int failAt = 0;          // the call to fail, counted from 1; 0 fails none
    bool writesOnly = false; // count only writes and transaction calls
    int errorNumber = kDaoDiskFull;
    int calls = 0; // counted so far
};

class FailingBackend : public dao::Backend {
public:
    FailingBackend(std::unique_ptr<dao::Backend> inner, std::shared_ptr<FaultPlan> plan)
        : inner_(std::move(inner)), plan_(std::move(plan))
    {
    }

    QString fileName() const override { return inner_->fileName(); }
    bool isOpen() const override { return inner_->isOpen(); }
    void close() override { inner_->close(); }

    void beginTransaction() override
    {
        count(true);
        inner_->beginTransaction();
    }
    void commitTransaction() override
    {
        count(true);
        inner_->commitTransaction();
    }
    void rollbackTransaction() override
    {
        count(true);
        inner_->rollbackTransaction();
    }
    dao::TableInfo describeTable(const QString& name) override
    {
        count(false);
        return inner_->describeTable(name);
    }
    std::vector<qint64> selectKeys(const dao::TableInfo& table, const dao::BoundExpr* where,
                                   const std::vector<dao::OrderTerm>& order) override
    {
        count(false);
        return inner_->selectKeys(table, where, order);
    }
    bool readRow(const dao::TableInfo& table, const std::vector<int>& columns, qint64 key,
                 std::vector<dao::SqlValue>& values) override
    {
        count(false);
        return inner_->readRow(table, columns, key, values);
    }
    qint64 insertRow(const dao::TableInfo& table, const std::vector<int>& columns,
                     const std::vector<dao::SqlValue>& values) override
    {
        count(true);
        return inner_->insertRow(table, columns, values);
    }
    bool updateRow(const dao::TableInfo& table, qint64 key, const std::vector<int>& columns,
                   const std::vector<dao::SqlValue>& values) override
    {
        count(true);
        return inner_->updateRow(table, key, columns, values);
    }
    bool deleteRow(const dao::TableInfo& table, qint64 key) override
    {
        count(true);
        return inner_->deleteRow(table, key);
    }
    qint64 deleteRows(const dao::TableInfo& table, const dao::BoundExpr* where) override
    {
        count(true);
        return inner_->deleteRows(table, where);
    }
    void scanMatches(const dao::TableInfo& table, const dao::BoundExpr& filter,
                     const dao::MatchScan& scan, const std::function<bool(qint64)>& visit) override
    {
        count(false);
        inner_->scanMatches(table, filter, scan, visit);
    }

private:
    void count(bool isWrite)
    {
        if (plan_->writesOnly && !isWrite)
            return;
        if (++plan_->calls == plan_->failAt)
            dao::throwDao(plan_->errorNumber);
    }

    std::unique_ptr<dao::Backend> inner_;
    std::shared_ptr<FaultPlan> plan_;
};

// Wraps every database opened while it lives; plain backends again after.
class FaultInjection {
public:
    explicit FaultInjection(FaultPlan plan = {}) : plan_(std::make_shared<FaultPlan>(plan))
    {
        dao::setBackendWrapper([plan = plan_](std::unique_ptr<dao::Backend> inner) {
            return std::make_unique<FailingBackend>(std::move(inner), plan);
        });
    }
    ~FaultInjection() { dao::setBackendWrapper(nullptr); }
    FaultInjection(const FaultInjection&) = delete;
    FaultInjection& operator=(const FaultInjection&) = delete;

    // Counts again from zero and fails the k-th call (0: none).
    void failAt(int k)
    {
        plan_->failAt = k;
        plan_->calls = 0;
    }
    int calls() const { return plan_->calls; }
    FaultPlan& plan() { return *plan_; }

private:
    std::shared_ptr<FaultPlan> plan_;
};

} // namespace testsupport
