// One open database shared by the copies of a CdbDatabase and the recordsets
// opened from it. Closing it closes them all.
#pragma once

#include "backend.h"
#include "filter_shape_cache.h"

#include <QHash>

#include <memory>
#include <vector>

namespace dao {

class RecordsetCore;

// A row added inside a transaction, which a rollback takes back.
struct AddedRow {
    QString table;
    qint64 key = 0;
};

class Connection {
public:
    explicit Connection(std::unique_ptr<Backend> backend);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Backend& backend(); // 3420 once closed
    // Described once per connection; the schema is not expected to change
    // under an open database.
    const TableInfo& table(const QString& name);
    QString name() const { return backend_->fileName(); }
    bool isOpen() const { return backend_->isOpen(); }
    // An open transaction is rolled back by the engine as it closes.
    void close();

    // Nested transactions; commit and rollback end the innermost (3034
    // without one). A rollback takes the rows it undid out of every open
    // recordset, so none shows a row that no longer exists.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return static_cast<int>(levels_.size()); }
    void rowAdded(const QString& table, qint64 key);

    // The finds of every recordset on this connection share one.
    FilterShapeCache& filterShapes() { return filterShapes_; }

    void attach(RecordsetCore* recordset) { recordsets_.push_back(recordset); }
    void detach(RecordsetCore* recordset);

private:
    void requireTransaction() const;

    std::unique_ptr<Backend> backend_;
    // Held apart so recordsets can keep a reference while more are added.
    QHash<QString, std::shared_ptr<const TableInfo>> tables_; // by lower-case name
    QHash<QString, std::shared_ptr<const TableInfo>> tablesAsWritten_;
    std::vector<std::vector<AddedRow>> levels_; // one per open transaction, innermost last
    std::vector<RecordsetCore*> recordsets_;
    FilterShapeCache filterShapes_;
    bool counted_ = true; // still in openConnectionCount()
};

} // namespace dao
