// The SQLite engine behind the DAO layer, straight on the sqlite3 C API:
// prepared statements with bound values, transactions begun with BEGIN
// IMMEDIATE (savepoints when nested), a busy timeout and the WAL journal so
// two programs on one machine can share the file, extended result codes
// mapped to DAO errors.
#pragma once

#include "../backend.h"
#include "sqlite_sql_writer.h"
#include "sqlite_statement.h"

#include <QHash>
#include <QStringList>

#include <sqlite3.h>

#include <functional>
#include <memory>

namespace dao {

class SqliteBackend : public Backend {
public:
    // Opens an existing file: 3024 when missing, 3051 for a folder, 3049
    // when not a database, 3027 for writing to a read-only one. Opened for
    // writing, an older system database is upgraded when it can be.
    static std::unique_ptr<SqliteBackend> open(const QString& fileName, bool readOnly,
                                               int busyTimeoutMs);
    ~SqliteBackend() override;

    QString fileName() const override { return fileName_; }
    bool isOpen() const override { return db_ != nullptr; }
    void close() override;

    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;

    TableInfo describeTable(const QString& name) override;
    std::vector<qint64> selectKeys(const TableInfo& table, const BoundExpr* where,
                                   const std::vector<OrderTerm>& order) override;
    std::optional<qint64> highestKey(const TableInfo& table) override;
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
    TopAndMatch highestKeyAndMatch(const TableInfo& table, const BoundExpr& filter,
                                   MatchScan scan) override;

    std::vector<dbhelper::CollectionTotals>
    collectionTotals(const dbhelper::CollectionTotalsQuery& query) override;
    std::vector<dbhelper::MachineLastCollection>
    collectedMachines(const dbhelper::CollectionColumns& columns) override;
    dbhelper::MachineLastCollection lastCollection(const dbhelper::CollectionColumns& columns,
                                                   const QString& machine, const QString& location,
                                                   const QDate& before) override;
    // The plan of the collections report's statement, for checking its index.
    QStringList collectionTotalsPlan(const dbhelper::CollectionTotalsQuery& query);

    // The query plan of the statement scanMatches runs, one line per step
    // ("SEARCH ... USING INDEX ..."), for checking that finds use indexes.
    QStringList scanPlan(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan);
    sqlite3* handle() const { return db_; }

private:
    SqliteBackend(sqlite3* db, QString fileName) : db_(db), fileName_(std::move(fileName)) {}

    sqlite3* connection() const;
    sqlite3_stmt* prepared(const QString& sql);
    StatementUse use(const QString& sql);
    // The statement of a query known by its shape (what it asks of which
    // columns, not the values): its SQL is written once, so repeating a
    // query with new values costs binding and stepping only.
    StatementUse useShaped(const QByteArray& shape, const std::function<QString()>& write);
    void execute(const QString& sql);
    void requireLiveTransaction();
    qint64 runWrite(const QByteArray& shape, const std::function<QString()>& write,
                    const std::vector<SqlValue>& params);
    static QByteArray scanShape(const char* kind, const TableInfo& table, const BoundExpr& filter,
                                const MatchScan& scan, std::vector<SqlValue>& params);
    static SqlText scanSql(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan);
    void finalizeAll();

    sqlite3* db_;
    QString fileName_;
    QHash<QString, sqlite3_stmt*> statements_;
    QHash<QByteArray, sqlite3_stmt*> shapedStatements_;
    int activeUses_ = 0;
    int depth_ = 0; // transactions open: 1 is BEGIN IMMEDIATE, deeper are savepoints
};

} // namespace dao
