// The PostgreSQL engine behind the DAO layer, over libpq: every value a
// bound parameter, text columns in a case-insensitive collation, a write
// outside a transaction a transaction of its own, nested levels as
// savepoints, and a lost connection opened again (outside a transaction)
// before the statement that found it lost is sent once more, unless it was
// an insert or delete by key that turns out to have committed already.
#pragma once

#include "../backend.h"
#include "pg_sql_writer.h"

#include <libpq-fe.h>

#include <memory>

namespace dao {

struct PgResultFree {
    void operator()(PGresult* r) const { PQclear(r); }
};
using PgResult = std::unique_ptr<PGresult, PgResultFree>;

class PgBackend : public Backend {
public:
    // Connects to the server the URI names: 3024 when the database does not
    // exist, 3051 when the server refuses or cannot be reached. Opened for
    // writing, a database of an older schema gains what is new.
    static std::unique_ptr<PgBackend> open(const QString& uri, bool readOnly, int busyTimeoutMs);
    ~PgBackend() override;

    QString fileName() const override { return uri_; }
    bool isOpen() const override { return conn_ != nullptr; }
    void close() override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

    TableInfo describeTable(const QString& name) override;
    std::vector<qint64> selectKeys(const TableInfo& table, const BoundExpr* where,
                                   const std::vector<OrderTerm>& order) override;
    std::vector<qint64> pageKeys(const TableInfo& table, const BoundExpr* where,
                                 const KeyRange& range, bool descending, int limit) override;
    qint64 countRows(const TableInfo& table, const BoundExpr* where,
                     const KeyRange& range) override;
    bool readRow(const TableInfo& table, const std::vector<int>& columns, qint64 key,
                 std::vector<SqlValue>& values) override;
    void readRowsInKeyOrder(const TableInfo& table, const std::vector<int>& columns, int pageRows,
                            const std::function<bool(RowPage&)>& visit) override;
    qint64 insertRow(const TableInfo& table, const std::vector<int>& columns,
                     const std::vector<SqlValue>& values) override;
    void insertRows(const TableInfo& table, const std::vector<int>& columns,
                    const RowPage& rows) override;
    bool updateRow(const TableInfo& table, qint64 key, const std::vector<int>& columns,
                   const std::vector<SqlValue>& values) override;
    bool deleteRow(const TableInfo& table, qint64 key) override;
    qint64 deleteRows(const TableInfo& table, const BoundExpr* where) override;
    void scanMatches(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan,
                     const std::function<bool(qint64)>& visit) override;
    std::vector<dbhelper::CollectionTotals>
    collectionTotals(const dbhelper::CollectionTotalsQuery& query) override;
    std::vector<dbhelper::MachineLastCollection>
    collectedMachines(const dbhelper::CollectionColumns& columns) override;
    dbhelper::MachineLastCollection lastCollection(const dbhelper::CollectionColumns& columns,
                                                   const QString& machine, const QString& location,
                                                   const QDate& before) override;

    // The server's plan of the statement scanMatches runs, for checking that
    // finds use indexes.
    QStringList scanPlan(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan);
    // Runs one statement with bound values; raises the DAO error of a failure.
    // Outside a transaction a statement whose connection dropped is sent
    // again on a new one; alreadyDone, when given, is asked there first
    // whether the first send took effect after all, and when it says so the
    // statement is not sent again and the result is null.
    PgResult run(const QString& sql, const std::vector<SqlValue>& params = {},
                 const std::function<bool()>& alreadyDone = {});
    // The server process of this connection (for tests that end it).
    int serverProcessId() const { return conn_ ? PQbackendPID(conn_) : 0; }

private:
    PgBackend(PGconn* conn, QString uri, bool readOnly, int busyTimeoutMs);

    PGconn* connection() const;
    PGresult* send(const QString& sql, const std::vector<SqlValue>& params);
    void configureSession();
    [[noreturn]] void raise(PGresult* result);
    std::vector<qint64> keys(const PgSql& text);
    static PgSql scanSql(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan,
                         const KeyRange& range);
    qint64 write(const PgSql& text);
    bool rowExists(const TableInfo& table, qint64 key);
    void keyCounterPastRows(const TableInfo& table);
    void copyIn(const TableInfo& table, const std::vector<int>& columns, const RowPage& rows);

    PGconn* conn_;
    QString uri_;
    bool readOnly_;
    int busyTimeoutMs_;
    int depth_ = 0;       // transactions open: 1 is BEGIN, deeper are savepoints
    bool lost_ = false;   // the connection dropped inside a transaction
    int statementNo_ = 0; // names the savepoint around each statement
};

} // namespace dao
