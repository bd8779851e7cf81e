// A prepared statement borrowed from the connection's cache for one use:
// bound, stepped, and reset when the guard ends so no read stays open.
#pragma once

#include "../sql_value.h"

#include <sqlite3.h>

#include <vector>

namespace dao {

class StatementUse {
public:
    StatementUse(sqlite3* db, sqlite3_stmt* stmt, int& activeUses);
    ~StatementUse();
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

    void bindAll(const std::vector<SqlValue>& values);
    void bind(int index, const SqlValue& value); // 1-based
    // true when a row is ready; raises the DAO error of a failure.
    bool step();
    SqlValue column(int index) const;
    qint64 columnInt(int index) const { return sqlite3_column_int64(stmt_, index); }
    QString columnText(int index) const;

private:
    int bindText(int index, const QString& text);

    sqlite3* db_;
    sqlite3_stmt* stmt_;
    int& activeUses_;
};

} // namespace dao
