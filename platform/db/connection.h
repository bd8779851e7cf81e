// One open database shared by the copies of a CdbDatabase and the recordsets
// opened from it. Closing it closes them all.
#pragma once

#include "backend.h"

#include <QHash>

#include <memory>

namespace dao {

class Connection {
public:
    explicit Connection(std::unique_ptr<Backend> backend) : backend_(std::move(backend)) {}

    Backend& backend(); // 3420 once closed
    // Described once per connection; the schema is not expected to change
    // under an open database.
    const TableInfo& table(const QString& name);
    QString name() const { return backend_->fileName(); }
    bool isOpen() const { return backend_->isOpen(); }
    void close() { backend_->close(); }

    int recordsAffected = 0;

private:
    std::unique_ptr<Backend> backend_;
    QHash<QString, TableInfo> tables_;
};

} // namespace dao
