// Fault injection for database operations: while a FaultInjection lives,
// every database opened is wrapped in a FailingBackend. All of them count
// their calls on one shared plan, and the k-th call raises a chosen DAO error
// without doing its work. fileName, isOpen and close are not counted, so
// closing always works.
#pragma once

#include "db/backend_factory.h"
#include "db/dao_error.h"

#include <memory>

namespace testsupport {

struct FaultPlan {
    int failAt = 0; // the call to fail, counted from 1; 0 fails none
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
    void beginTransaction() override { counted().beginTransaction(); }
    void commitTransaction() override { counted().commitTransaction(); }
    void rollbackTransaction() override { counted().rollbackTransaction(); }
    dao::TableInfo describeTable(const QString& name) override
    {
        return counted().describeTable(name);
    }
    std::vector<qint64> selectKeys(const dao::TableInfo& table, const dao::BoundExpr* where,
                                   const std::vector<dao::OrderTerm>& order) override
    {
        return counted().selectKeys(table, where, order);
    }
    bool readRow(const dao::TableInfo& table, const std::vector<int>& columns, qint64 key,
                 std::vector<dao::SqlValue>& values) override
    {
        return counted().readRow(table, columns, key, values);
    }
    qint64 insertRow(const dao::TableInfo& table, const std::vector<int>& columns,
                     const std::vector<dao::SqlValue>& values) override
    {
        return counted().insertRow(table, columns, values);
    }
    bool updateRow(const dao::TableInfo& table, qint64 key, const std::vector<int>& columns,
                   const std::vector<dao::SqlValue>& values) override
    {
        return counted().updateRow(table, key, columns, values);
    }
    bool deleteRow(const dao::TableInfo& table, qint64 key) override
    {
        return counted().deleteRow(table, key);
    }
    qint64 deleteRows(const dao::TableInfo& table, const dao::BoundExpr* where) override
    {
        return counted().deleteRows(table, where);
    }
    void scanMatches(const dao::TableInfo& table, const dao::BoundExpr& filter,
                     const dao::MatchScan& scan, const std::function<bool(qint64)>& visit) override
    {
        counted().scanMatches(table, filter, scan, visit);
    }

private:
    dao::Backend& counted()
    {
        if (++plan_->calls == plan_->failAt)
            dao::throwDao(plan_->errorNumber);
        return *inner_;
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
