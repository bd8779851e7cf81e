#include "sqlite_backend.h"

#include "../dao_error.h"
#include "../schema_upgrade.h"
#include "sqlite_errors.h"
#include "sqlite_file_checks.h"
#include "sqlite_jet_like.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>
#include <initializer_list>

namespace dao {
namespace {

// More distinct statements than this and the cache starts over.
constexpr int kStatementCacheLimit = 128;

struct HandleCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

QString savepointName(int level)
{
    return QStringLiteral("level%1").arg(level);
}

QString columnList(const TableInfo& table, const std::vector<int>& columns)
{
    QStringList names;
    for (int c : columns)
        names << quoteIdentifier(table.columns[size_t(c)].name);
    return names.join(QStringLiteral(", "));
}

// " WHERE " and the filters and key bounds that apply, joined by AND.
void appendConditions(const TableInfo& table, std::initializer_list<const BoundExpr*> filters,
                      const KeyRange& range, SqlText& text)
{
    const QString key = keyExpression(table);
    QString joiner = QStringLiteral(" WHERE ");
    for (const BoundExpr* filter : filters) {
        if (!filter)
            continue;
        text.sql += joiner;
        appendFilter(*filter, table, text);
        joiner = QStringLiteral(" AND ");
    }
    if (range.above) {
        text.sql += joiner + key + QStringLiteral(" > ?");
        text.params.push_back(*range.above);
        joiner = QStringLiteral(" AND ");
    }
    if (range.atMost) {
        text.sql += joiner + key + QStringLiteral(" <= ?");
        text.params.push_back(*range.atMost);
    }
}

// The start of a shape: the statement's kind and its table.
QByteArray shapeStart(const char* kind, const TableInfo& table)
{
    QByteArray shape;
    shape.reserve(512); // a duplicate search's shape runs to some 400 bytes
    shape += kind;
    // The name's length, then its UTF-16 as it is: no conversion per query.
    const qsizetype length = table.name.size();
    shape.append(reinterpret_cast<const char*>(&length), qsizetype(sizeof length));
    shape.append(reinterpret_cast<const char*>(table.name.utf16()), length * 2);
    return shape;
}

// Which bounds a range has; their values to params (after the filters').
void appendRangeShape(const KeyRange& range, QByteArray& shape, std::vector<SqlValue>& params)
{
    shape += range.above ? 'a' : '-';
    shape += range.atMost ? 'm' : '-';
    if (range.above)
        params.push_back(*range.above);
    if (range.atMost)
        params.push_back(*range.atMost);
}

void appendColumnsShape(const std::vector<int>& columns, QByteArray& shape)
{
    shape.append(reinterpret_cast<const char*>(columns.data()),
                 qsizetype(columns.size() * sizeof(int)));
}

} // namespace

std::unique_ptr<SqliteBackend> SqliteBackend::open(const QString& fileName, bool readOnly,
                                                   int busyTimeoutMs)
{
    // Never create or change a file here that is not a database to write.
    checkDatabaseFile(fileName, readOnly);
    sqlite3* raw = nullptr;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_EXRESCODE | SQLITE_OPEN_NOMUTEX;
    const int rc = sqlite3_open_v2(QFile::encodeName(fileName).constData(), &raw, flags, nullptr);
    std::unique_ptr<sqlite3, HandleCloser> handle(raw);
    if (rc != SQLITE_OK)
        raiseSqlite(raw, rc);
    // SQLite quietly falls back to reading a file it may not write; refuse
    // before the first read makes journal files beside it.
    if (!readOnly && sqlite3_db_readonly(raw, "main") == 1)
        refuseReadOnlyFile(fileName);
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_timeout(raw, busyTimeoutMs);
    if (registerJetLike(raw) != SQLITE_OK)
        raiseSqlite(raw, sqlite3_errcode(raw));
    // Reading the schema proves the file is a database.
    int probe = sqlite3_exec(raw, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    if (probe != SQLITE_OK)
        raiseSqlite(raw, probe);
    if (!readOnly) {
        // WAL lets a reader and a writer work at once; a file that cannot
        // switch (another program holds it) keeps its journal mode.
        sqlite3_exec(raw, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
        upgradeSchema(raw);
    }
    return std::unique_ptr<SqliteBackend>(new SqliteBackend(handle.release(), fileName));
}

SqliteBackend::~SqliteBackend()
{
    close();
}

void SqliteBackend::finalizeAll()
{
    for (sqlite3_stmt* stmt : std::as_const(statements_))
        sqlite3_finalize(stmt);
    statements_.clear();
    shapedStatements_.clear();
}

void SqliteBackend::close()
{
    if (!db_)
        return;
    finalizeAll();
    // An open transaction is rolled back (closing would do it anyway).
    if (!sqlite3_get_autocommit(db_))
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    depth_ = 0;
}

sqlite3* SqliteBackend::connection() const
{
    if (!db_)
        throwDao(kDaoObjectInvalid);
    return db_;
}

sqlite3_stmt* SqliteBackend::prepared(const QString& sql)
{
    sqlite3* db = connection();
    auto it = statements_.constFind(sql);
    if (it == statements_.constEnd()) {
        if (statements_.size() >= kStatementCacheLimit && activeUses_ == 0)
            finalizeAll();
        const QByteArray utf8 = sql.toUtf8();
        sqlite3_stmt* stmt = nullptr;
        const int rc = sqlite3_prepare_v3(db, utf8.constData(), int(utf8.size()),
                                          SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
        if (rc != SQLITE_OK)
            raiseSqlite(db, rc);
        it = statements_.insert(sql, stmt);
    }
    return *it;
}

StatementUse SqliteBackend::use(const QString& sql)
{
    sqlite3_stmt* stmt = prepared(sql);
    return StatementUse(db_, stmt, activeUses_);
}

// A known shape goes straight to its statement (statements_ owns it), so a
// repeated query hashes its short shape, never its SQL.
StatementUse SqliteBackend::useShaped(const QByteArray& shape,
                                      const std::function<QString()>& write)
{
    sqlite3* db = connection();
    auto it = shapedStatements_.constFind(shape);
    if (it == shapedStatements_.constEnd()) {
        sqlite3_stmt* stmt = prepared(write());
        if (shapedStatements_.size() >= kStatementCacheLimit)
            shapedStatements_.clear();
        it = shapedStatements_.insert(shape, stmt);
    }
    return StatementUse(db, *it, activeUses_);
}

void SqliteBackend::execute(const QString& sql)
{
    StatementUse statement = use(sql);
    while (statement.step()) {
    }
}

// The engine itself may end a transaction after some failures (disk full,
// I/O); writing on would then commit each write alone.
void SqliteBackend::requireLiveTransaction()
{
    if (depth_ > 0 && sqlite3_get_autocommit(connection()))
        throwDao(kDaoReservedError, QStringLiteral("The transaction was ended by the database "
                                                   "engine after an error; roll it back."));
}

// The first level is one SQLite transaction begun with BEGIN IMMEDIATE, so
// the write lock is taken up front (the busy timeout covers the wait) and no
// write fails half-way for want of it; deeper levels are savepoints.
void SqliteBackend::beginTransaction()
{
    requireLiveTransaction();
    execute(depth_ == 0 ? QStringLiteral("BEGIN IMMEDIATE")
                        : QStringLiteral("SAVEPOINT ") + savepointName(depth_ + 1));
    ++depth_;
}

void SqliteBackend::commitTransaction()
{
    requireLiveTransaction();
    execute(depth_ == 1 ? QStringLiteral("COMMIT")
                        : QStringLiteral("RELEASE ") + savepointName(depth_));
    --depth_;
}

void SqliteBackend::rollbackTransaction()
{
    if (!sqlite3_get_autocommit(connection())) {
        if (depth_ == 1) {
            execute(QStringLiteral("ROLLBACK"));
        } else {
            execute(QStringLiteral("ROLLBACK TO ") + savepointName(depth_));
            execute(QStringLiteral("RELEASE ") + savepointName(depth_));
        }
    }
    --depth_;
}

// Outside the caller's transactions a write is a transaction of its own.
qint64 SqliteBackend::runWrite(const QByteArray& shape, const std::function<QString()>& write,
                               const std::vector<SqlValue>& params)
{
    requireLiveTransaction();
    const bool own = depth_ == 0;
    if (own)
        execute(QStringLiteral("BEGIN IMMEDIATE"));
    auto rollback =
        qScopeGuard([this] { sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr); });
    // Inside the caller's transaction the caller decides what a failure
    // undoes; SQLite has undone the failed statement (or, after the errors
    // requireLiveTransaction looks for, the whole transaction).
    if (!own)
        rollback.dismiss();
    {
        StatementUse statement = useShaped(shape, write);
        statement.bindAll(params);
        while (statement.step()) {
        }
    }
    const qint64 changes = sqlite3_changes64(db_);
    if (own)
        execute(QStringLiteral("COMMIT"));
    rollback.dismiss();
    return changes;
}

TableInfo SqliteBackend::describeTable(const QString& name)
{
    TableInfo table;
    {
        StatementUse find = use(QStringLiteral(
            "SELECT name FROM sqlite_schema WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
        find.bind(1, name);
        if (!find.step())
            throwDaoWith(kDaoTableNotFound, name);
        table.name = find.columnText(0);
    }
    int keyColumns = 0;
    int integerKey = -1;
    {
        StatementUse columns =
            use(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?1)"));
        columns.bind(1, table.name);
        while (columns.step()) {
            ColumnInfo column;
            column.name = columns.columnText(0);
            const QString declared = columns.columnText(1);
            column.kind = kindFromDeclaredType(declared);
            if (columns.columnInt(2) > 0) {
                ++keyColumns;
                if (declared.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                    integerKey = static_cast<int>(table.columns.size());
            }
            table.columns.push_back(column);
        }
    }
    // A lone INTEGER PRIMARY KEY is the rowid under another name.
    if (keyColumns == 1 && integerKey >= 0)
        table.columns[size_t(integerKey)].isRowKey = true;
    // Tables without a rowid have no key this layer can hold.
    StatementUse probe = use(QStringLiteral("SELECT %1 FROM %2 LIMIT 0")
                                 .arg(keyExpression(table), quoteIdentifier(table.name)));
    probe.step();
    return table;
}

std::vector<qint64> SqliteBackend::selectKeys(const TableInfo& table, const BoundExpr* where,
                                              const std::vector<OrderTerm>& order)
{
    const QString key = keyExpression(table);
    SqlText text;
    text.sql = QStringLiteral("SELECT %1 FROM %2").arg(key, quoteIdentifier(table.name));
    if (where) {
        text.sql += QStringLiteral(" WHERE ");
        appendFilter(*where, table, text);
    }
    QStringList terms;
    for (const OrderTerm& term : order) {
        QString t = quoteIdentifier(table.columns[size_t(term.column)].name);
        if (term.noCase)
            t += QStringLiteral(" COLLATE NOCASE");
        if (term.descending)
            t += QStringLiteral(" DESC");
        terms << t;
    }
    terms << key;
    text.sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));

    StatementUse statement = use(text.sql);
    statement.bindAll(text.params);
    std::vector<qint64> keys;
    while (statement.step())
        keys.push_back(statement.columnInt(0));
    return keys;
}

std::vector<qint64> SqliteBackend::pageKeys(const TableInfo& table, const BoundExpr* where,
                                            const KeyRange& range, bool descending, int limit)
{
    QByteArray shape = shapeStart(descending ? "page down " : "page up ", table);
    std::vector<SqlValue> params;
    if (where)
        appendFilterShape(*where, shape, params);
    appendRangeShape(range, shape, params);
    params.push_back(qint64(limit));
    StatementUse statement = useShaped(shape, [&] {
        const QString key = keyExpression(table);
        SqlText text;
        text.sql = QStringLiteral("SELECT %1 FROM %2").arg(key, quoteIdentifier(table.name));
        appendConditions(table, {where}, range, text);
        return text.sql + QStringLiteral(" ORDER BY %1%2 LIMIT ?")
                              .arg(key, descending ? QStringLiteral(" DESC") : QString());
    });
    statement.bindAll(params);
    std::vector<qint64> keys;
    while (statement.step())
        keys.push_back(statement.columnInt(0));
    return keys;
}

// A page of one key without a filter, range or parameters to shape and bind.
std::optional<qint64> SqliteBackend::highestKey(const TableInfo& table)
{
    StatementUse statement = useShaped(shapeStart("top ", table), [&] {
        const QString key = keyExpression(table);
        return QStringLiteral("SELECT %1 FROM %2 ORDER BY %1 DESC LIMIT 1")
            .arg(key, quoteIdentifier(table.name));
    });
    if (!statement.step())
        return std::nullopt;
    return statement.columnInt(0);
}

qint64 SqliteBackend::countRows(const TableInfo& table, const BoundExpr* where,
                                const KeyRange& range)
{
    QByteArray shape = shapeStart("count ", table);
    std::vector<SqlValue> params;
    if (where)
        appendFilterShape(*where, shape, params);
    appendRangeShape(range, shape, params);
    StatementUse statement = useShaped(shape, [&] {
        SqlText text;
        text.sql = QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(table.name));
        appendConditions(table, {where}, range, text);
        return text.sql;
    });
    statement.bindAll(params);
    return statement.step() ? statement.columnInt(0) : 0;
}

bool SqliteBackend::readRow(const TableInfo& table, const std::vector<int>& columns, qint64 key,
                            std::vector<SqlValue>& values)
{
    QByteArray shape = shapeStart("read ", table);
    appendColumnsShape(columns, shape);
    StatementUse statement = useShaped(shape, [&] {
        const QString select = columns.empty() ? QStringLiteral("1") : columnList(table, columns);
        return QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1")
            .arg(select, quoteIdentifier(table.name), keyExpression(table));
    });
    statement.bind(1, key);
    if (!statement.step())
        return false;
    values.clear();
    for (size_t i = 0; i < columns.size(); ++i)
        values.push_back(statement.column(int(i)));
    return true;
}

// One statement over the whole table: SQLite reads it from one snapshot.
void SqliteBackend::readRowsInKeyOrder(const TableInfo& table, const std::vector<int>& columns,
                                       int pageRows, const std::function<bool(RowPage&)>& visit)
{
    const QString select = columns.empty() ? QStringLiteral("1") : columnList(table, columns);
    StatementUse statement =
        use(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                .arg(select, quoteIdentifier(table.name), keyExpression(table)));
    RowPager pager(pageRows, visit);
    while (statement.step()) {
        std::vector<SqlValue> values;
        values.reserve(columns.size());
        for (size_t i = 0; i < columns.size(); ++i)
            values.push_back(statement.column(int(i)));
        if (!pager.add(std::move(values)))
            return;
    }
    pager.finish();
}

qint64 SqliteBackend::insertRow(const TableInfo& table, const std::vector<int>& columns,
                                const std::vector<SqlValue>& values)
{
    QByteArray shape = shapeStart("insert ", table);
    appendColumnsShape(columns, shape);
    runWrite(
        shape,
        [&] {
            if (columns.empty())
                return QStringLiteral("INSERT INTO %1 DEFAULT VALUES")
                    .arg(quoteIdentifier(table.name));
            QStringList marks;
            for (size_t i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoteIdentifier(table.name), columnList(table, columns),
                     marks.join(QStringLiteral(", ")));
        },
        values);
    return sqlite3_last_insert_rowid(db_);
}

// One prepared INSERT bound and stepped for each row, in one transaction
// (a savepoint inside the caller's).
void SqliteBackend::insertRows(const TableInfo& table, const std::vector<int>& columns,
                               const RowPage& rows)
{
    if (columns.empty() || rows.empty()) {
        Backend::insertRows(table, columns, rows);
        return;
    }
    QStringList marks;
    for (size_t i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoteIdentifier(table.name), columnList(table, columns),
                                 marks.join(QStringLiteral(", ")));
    beginTransaction();
    try {
        sqlite3_stmt* stmt = prepared(sql);
        for (const std::vector<SqlValue>& row : rows) {
            StatementUse statement(db_, stmt, activeUses_);
            statement.bindAll(row);
            while (statement.step()) {
            }
        }
    } catch (...) {
        rollbackTransaction();
        throw;
    }
    commitTransaction();
}

bool SqliteBackend::updateRow(const TableInfo& table, qint64 key, const std::vector<int>& columns,
                              const std::vector<SqlValue>& values)
{
    QByteArray shape = shapeStart("update ", table);
    appendColumnsShape(columns, shape);
    std::vector<SqlValue> params = values;
    params.push_back(key);
    return runWrite(
               shape,
               [&] {
                   QStringList sets;
                   for (int c : columns)
                       sets << quoteIdentifier(table.columns[size_t(c)].name) +
                                   QStringLiteral(" = ?");
                   return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                       .arg(quoteIdentifier(table.name), sets.join(QStringLiteral(", ")),
                            keyExpression(table));
               },
               params) > 0;
}

bool SqliteBackend::deleteRow(const TableInfo& table, qint64 key)
{
    return runWrite(shapeStart("delete ", table),
                    [&] {
                        return QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
                            .arg(quoteIdentifier(table.name), keyExpression(table));
                    },
                    {key}) > 0;
}

qint64 SqliteBackend::deleteRows(const TableInfo& table, const BoundExpr* where)
{
    QByteArray shape = shapeStart("delete where ", table);
    std::vector<SqlValue> params;
    if (where)
        appendFilterShape(*where, shape, params);
    return runWrite(
        shape,
        [&] {
            SqlText text;
            text.sql = QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(table.name));
            appendConditions(table, {where}, {}, text);
            return text.sql;
        },
        params);
}

SqlText SqliteBackend::scanSql(const TableInfo& table, const BoundExpr& filter,
                               const MatchScan& scan)
{
    const QString key = keyExpression(table);
    SqlText text;
    text.sql = QStringLiteral("SELECT %1 FROM %2").arg(key, quoteIdentifier(table.name));
    appendConditions(table, {&filter, scan.also}, scan.range, text);
    if (scan.order == MatchScan::Order::Ascending)
        text.sql += QStringLiteral(" ORDER BY %1").arg(key);
    else if (scan.order == MatchScan::Order::Descending)
        text.sql += QStringLiteral(" ORDER BY %1 DESC").arg(key);
    return text;
}

QByteArray SqliteBackend::scanShape(const char* kind, const TableInfo& table,
                                    const BoundExpr& filter, const MatchScan& scan,
                                    std::vector<SqlValue>& params)
{
    QByteArray shape = shapeStart(kind, table);
    shape += char('0' + int(scan.order));
    params.reserve(16);
    if (filter.shape != 0) {
        // A numbered shape: its number stands for the text it would write.
        shape += '%';
        shape.append(reinterpret_cast<const char*>(&filter.shape), qsizetype(sizeof filter.shape));
        appendFilterValues(filter, params);
    } else {
        appendFilterShape(filter, shape, params);
    }
    if (scan.also) {
        shape += '&';
        appendFilterShape(*scan.also, shape, params);
    }
    appendRangeShape(scan.range, shape, params);
    return shape;
}

void SqliteBackend::scanMatches(const TableInfo& table, const BoundExpr& filter,
                                const MatchScan& scan, const std::function<bool(qint64)>& visit)
{
    std::vector<SqlValue> params;
    const QByteArray shape = scanShape("scan ", table, filter, scan, params);
    StatementUse statement = useShaped(shape, [&] { return scanSql(table, filter, scan).sql; });
    statement.bindAll(params);
    while (statement.step()) {
        if (!visit(statement.columnInt(0)))
            return;
    }
}

// One statement reads one snapshot, so its match lies at or below its top
// without a bound of its own.
TopAndMatch SqliteBackend::highestKeyAndMatch(const TableInfo& table, const BoundExpr& filter,
                                              MatchScan scan)
{
    scan.range.atMost.reset();
    std::vector<SqlValue> params;
    const QByteArray shape = scanShape("top and scan ", table, filter, scan, params);
    StatementUse statement = useShaped(shape, [&] {
        const QString key = keyExpression(table);
        return QStringLiteral("SELECT (SELECT %1 FROM %2 ORDER BY %1 DESC LIMIT 1), (%3 LIMIT 1)")
            .arg(key, quoteIdentifier(table.name), scanSql(table, filter, scan).sql);
    });
    statement.bindAll(params);
    TopAndMatch read;
    if (statement.step()) {
        const SqlValue top = statement.column(0);
        const SqlValue match = statement.column(1);
        if (!isNull(top))
            read.top = std::get<qint64>(top);
        if (!isNull(match))
            read.match = std::get<qint64>(match);
    }
    return read;
}

QStringList SqliteBackend::scanPlan(const TableInfo& table, const BoundExpr& filter,
                                    const MatchScan& scan)
{
    const SqlText text = scanSql(table, filter, scan);
    StatementUse statement = use(QStringLiteral("EXPLAIN QUERY PLAN ") + text.sql);
    statement.bindAll(text.params);
    QStringList lines;
    while (statement.step())
        lines << statement.columnText(3);
    return lines;
}

} // namespace dao
