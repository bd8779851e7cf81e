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
    using Table = const dao::TableInfo&;
    using Columns = const std::vector<int>&;
    using Values = std::vector<dao::SqlValue>;
    using Where = const dao::BoundExpr*;

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
    dao::TableInfo describeTable(const QString& n) override { return counted().describeTable(n); }
    std::vector<qint64> selectKeys(Table t, Where w, const std::vector<dao::OrderTerm>& o) override
    {
        return counted().selectKeys(t, w, o);
    }
    std::vector<qint64> pageKeys(Table t, Where w, const dao::KeyRange& r, bool d, int n) override
    {
        return counted().pageKeys(t, w, r, d, n);
    }
    qint64 countRows(Table t, Where w, const dao::KeyRange& r) override
    {
        return counted().countRows(t, w, r);
    }
    bool readRow(Table t, Columns c, qint64 k, Values& v) override
    {
        return counted().readRow(t, c, k, v);
    }
    qint64 insertRow(Table t, Columns c, const Values& v) override
    {
        return counted().insertRow(t, c, v);
    }
    bool updateRow(Table t, qint64 k, Columns c, const Values& v) override
    {
        return counted().updateRow(t, k, c, v);
    }
    bool deleteRow(Table t, qint64 k) override { return counted().deleteRow(t, k); }
    qint64 deleteRows(Table t, Where w) override { return counted().deleteRows(t, w); }
    void scanMatches(Table t, const dao::BoundExpr& f, const dao::MatchScan& s,
                     const std::function<bool(qint64)>& visit) override
    {
        counted().scanMatches(t, f, s, visit);
    }
    std::vector<dbhelper::CollectionTotals>
    collectionTotals(const dbhelper::CollectionTotalsQuery& q) override
    {
        return counted().collectionTotals(q);
    }
    std::vector<dbhelper::MachineLastCollection>
    collectedMachines(const dbhelper::CollectionColumns& c) override
    {
        return counted().collectedMachines(c);
    }
    dbhelper::MachineLastCollection lastCollection(const dbhelper::CollectionColumns& c,
                                                   const QString& m, const QString& l,
                                                   const QDate& before) override
    {
        return counted().lastCollection(c, m, l, before);
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

private:
    std::shared_ptr<FaultPlan> plan_;
};

} // namespace testsupport
