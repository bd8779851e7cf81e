#include "pg_backend.h"

#include "../dao_error.h"
#include "../database_name.h"
#include "pg_errors.h"
#include "pg_schema.h"

#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace dao {
namespace {

// Rows scanMatches fetches at a time: a find usually stops at the first.
constexpr int kScanPage = 64;
// COPY data is handed to libpq in pieces of about this size.
constexpr qsizetype kCopyChunk = 1 << 20;

QString savepointName(int level)
{
    return QStringLiteral("level%1").arg(level);
}

const QString kStatementSavepoint = QStringLiteral("laundry_statement");

QString columnList(const TableInfo& table, const std::vector<int>& columns)
{
    QStringList names;
    for (int c : columns)
        names << pgQuote(table.columns[size_t(c)].name);
    return names.join(QStringLiteral(", "));
}

const QString kKeySequence = QStringLiteral("pg_get_serial_sequence($1::text, $2::text)");

// Where the table's key column is.
size_t keyColumnIndex(const TableInfo& table)
{
    for (size_t i = 0; i < table.columns.size(); ++i)
        if (table.columns[i].isRowKey)
            return i;
    pgKeyExpression(table); // raises: no key column
    return 0;
}

// The name of the table's key column, for pg_get_serial_sequence.
QString keyColumnName(const TableInfo& table)
{
    return table.columns[keyColumnIndex(table)].name;
}

bool includesKey(const TableInfo& table, const std::vector<int>& columns)
{
    for (int c : columns)
        if (table.columns[size_t(c)].isRowKey)
            return true;
    return false;
}

// " WHERE " and the filters and key bounds that apply, joined by AND.
void appendConditions(const TableInfo& table, std::initializer_list<const BoundExpr*> filters,
                      const KeyRange& range, PgSql& text)
{
    const QString key = pgKeyExpression(table);
    QString joiner = QStringLiteral(" WHERE ");
    for (const BoundExpr* filter : filters) {
        if (!filter)
            continue;
        text.sql += joiner;
        appendPgFilter(*filter, table, text);
        joiner = QStringLiteral(" AND ");
    }
    if (range.above) {
        text.sql += joiner + key + QStringLiteral(" > ");
        text.appendValue(*range.above);
        joiner = QStringLiteral(" AND ");
    }
    if (range.atMost) {
        text.sql += joiner + key + QStringLiteral(" <= ");
        text.appendValue(*range.atMost);
    }
}

PgSql selectKeyFrom(const TableInfo& table)
{
    PgSql text;
    text.sql = QStringLiteral("SELECT %1 FROM %2").arg(pgKeyExpression(table), pgQuote(table.name));
    return text;
}

ColumnKind kindOfType(const QString& type)
{
    if (type == QLatin1String(kPgCurrencyType))
        return ColumnKind::Currency;
    if (type == QLatin1String(kPgYesNoType))
        return ColumnKind::Boolean;
    if (type == QLatin1String(kPgDateType))
        return ColumnKind::Date;
    if (type == u"bigint" || type == u"integer" || type == u"smallint")
        return ColumnKind::Integer;
    if (type == u"double precision" || type == u"real" || type.startsWith(u"numeric"))
        return ColumnKind::Double;
    if (type == u"text" || type.startsWith(u"character"))
        return ColumnKind::Text;
    return ColumnKind::Any;
}

qint64 intAt(PGresult* r, int row, int col)
{
    return QByteArray(PQgetvalue(r, row, col)).toLongLong();
}

// A returned value as the kind of column it came from.
SqlValue valueAt(PGresult* r, int row, int col, ColumnKind kind)
{
    if (PQgetisnull(r, row, col))
        return std::monostate{};
    const char* text = PQgetvalue(r, row, col);
    const int length = PQgetlength(r, row, col);
    switch (kind) {
    case ColumnKind::Integer:
    case ColumnKind::Currency:
    case ColumnKind::Boolean:
        return QByteArray(text, length).toLongLong();
    case ColumnKind::Double:
        return QByteArray(text, length).toDouble();
    case ColumnKind::Text:
    case ColumnKind::Date:
        return QString::fromUtf8(text, length);
    case ColumnKind::Any:
        break;
    }
    if (PQftype(r, col) == 17) { // bytea
        size_t size = 0;
        unsigned char* bytes = PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
        QByteArray value(reinterpret_cast<const char*>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return value;
    }
    return QString::fromUtf8(text, length);
}

// The text the server reads a value from, as a parameter or in COPY data
// (bytes in bytea's hex form).
QByteArray valueText(const SqlValue& v)
{
    if (const auto* n = std::get_if<qint64>(&v))
        return QByteArray::number(*n);
    if (const auto* d = std::get_if<double>(&v))
        return qIsInf(*d)   ? QByteArray(*d > 0 ? "Infinity" : "-Infinity")
               : qIsNaN(*d) ? QByteArray("NaN")
                            : QByteArray::number(*d, 'g', 17);
    if (const auto* s = std::get_if<QString>(&v))
        return s->toUtf8();
    if (const auto* b = std::get_if<QByteArray>(&v))
        return QByteArrayLiteral("\\x") + b->toHex();
    return {};
}

// One field of COPY's text format: \N for NULL; a backslash and the
// characters that end fields and lines escaped, everything else as it is.
void appendCopyField(const SqlValue& v, QByteArray& out)
{
    if (isNull(v)) {
        out += "\\N";
        return;
    }
    const QByteArray text = valueText(v);
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
}

} // namespace

std::unique_ptr<PgBackend> PgBackend::open(const QString& uri, bool readOnly, int busyTimeoutMs)
{
    const QByteArray name = uri.toUtf8();
    const char* keys[] = {"dbname", "client_encoding", "fallback_application_name", nullptr};
    const char* values[] = {name.constData(), "UTF8", "laundry", nullptr};
    PGconn* conn = PQconnectdbParams(keys, values, 1);
    if (!conn)
        throwDao(kDaoOutOfMemory);
    if (PQstatus(conn) != CONNECTION_OK) {
        // What libpq could not read of the URI it quotes, passwords and all.
        const QString message =
            hidePasswords(QString::fromUtf8(PQerrorMessage(conn)).trimmed(), uri);
        PQfinish(conn);
        const bool missing = message.contains(QLatin1String("does not exist")) &&
                             message.contains(QLatin1String("database"));
        throwDao(missing ? kDaoFileNotFound : kDaoCannotOpenFile, message);
    }
    std::unique_ptr<PgBackend> backend(new PgBackend(conn, uri, readOnly, busyTimeoutMs));
    backend->configureSession();
    if (!readOnly)
        upgradePgSchema(*backend);
    return backend;
}

PgBackend::PgBackend(PGconn* conn, QString uri, bool readOnly, int busyTimeoutMs)
    : conn_(conn), uri_(std::move(uri)), readOnly_(readOnly), busyTimeoutMs_(busyTimeoutMs)
{
}

PgBackend::~PgBackend()
{
    close();
}

void PgBackend::close()
{
    if (!conn_)
        return;
    // Ending the session rolls back an open transaction.
    PQfinish(conn_);
    conn_ = nullptr;
    depth_ = 0;
    lost_ = false;
}

PGconn* PgBackend::connection() const
{
    if (!conn_)
        throwDao(kDaoObjectInvalid);
    return conn_;
}

void PgBackend::configureSession()
{
    // A row another workstation holds is waited for as long as SQLite waits
    // for its file, then refused as locked.
    // No JIT compiling: the collections report's statement looks costly
    // enough to the planner to be compiled, and compiling took longer than
    // running it (1.8 s against 1.0 s for a year of a million rows). A
    // server without the setting refuses it, and the session goes on.
    QStringList settings{QStringLiteral("SET lock_timeout = %1").arg(busyTimeoutMs_),
                         QStringLiteral("SET jit = off")};
    if (readOnly_)
        settings << QStringLiteral("SET default_transaction_read_only = on");
    for (const QString& setting : std::as_const(settings))
        PgResult(send(setting, {}));
}

PGresult* PgBackend::send(const QString& sql, const std::vector<SqlValue>& params)
{
    std::vector<QByteArray> storage(params.size());
    std::vector<const char*> values(params.size(), nullptr);
    std::vector<int> lengths(params.size(), 0);
    std::vector<int> formats(params.size(), 0);
    for (size_t i = 0; i < params.size(); ++i) {
        const SqlValue& v = params[i];
        if (isNull(v))
            continue;
        if (const auto* bytes = std::get_if<QByteArray>(&v)) {
            storage[i] = *bytes;
            formats[i] = 1; // bytes go as they are
        } else {
            storage[i] = valueText(v);
        }
        values[i] = storage[i].constData();
        lengths[i] = int(storage[i].size());
    }
    return PQexecParams(connection(), sql.toUtf8().constData(), int(params.size()), nullptr,
                        values.data(), lengths.data(), formats.data(), 0);
}

static bool succeeded(PGresult* r)
{
    const ExecStatusType status = r ? PQresultStatus(r) : PGRES_FATAL_ERROR;
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

void PgBackend::raise(PGresult* result)
{
    PgResult owned(result);
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    QString text = QString::fromUtf8(primary ? primary : PQerrorMessage(conn_)).trimmed();
    if (!state || PQstatus(conn_) == CONNECTION_BAD)
        throwDao(kDaoDiskIoError,
                 QStringLiteral("The connection to the database server was lost: %1").arg(text));
    throwDao(daoNumberForSqlState(QByteArray(state)), text);
}

PgResult PgBackend::run(const QString& sql, const std::vector<SqlValue>& params,
                        const std::function<bool()>& alreadyDone)
{
    PGconn* conn = connection();
    if (depth_ == 0) {
        PGresult* r = send(sql, params);
        if (succeeded(r))
            return PgResult(r);
        // A dropped connection is opened again and the statement sent once
        // more, unless the first send had already taken effect: its answer
        // can be lost after the server committed it.
        if (PQstatus(conn) == CONNECTION_BAD) {
            PQclear(r);
            r = nullptr;
            PQreset(conn);
            if (PQstatus(conn) == CONNECTION_OK) {
                configureSession();
                if (alreadyDone && alreadyDone())
                    return PgResult();
                r = send(sql, params);
                if (succeeded(r))
                    return PgResult(r);
            }
        }
        raise(r);
    }
    if (lost_)
        throwDao(kDaoDiskIoError, QStringLiteral("The connection to the database server was "
                                                 "lost; roll the transaction back."));
    if (PQtransactionStatus(conn) == PQTRANS_INERROR)
        throwDao(kDaoReservedError, QStringLiteral("The transaction was ended by the database "
                                                   "engine after an error; roll it back."));
    // A failed statement aborts a whole PostgreSQL transaction; inside a
    // savepoint only the statement is undone, as SQLite does.
    PgResult(send(QStringLiteral("SAVEPOINT ") + kStatementSavepoint, {}));
    PGresult* r = send(sql, params);
    if (succeeded(r)) {
        PgResult(send(QStringLiteral("RELEASE SAVEPOINT ") + kStatementSavepoint, {}));
        return PgResult(r);
    }
    if (PQstatus(conn) == CONNECTION_BAD) {
        lost_ = true;
    } else {
        PgResult(send(QStringLiteral("ROLLBACK TO SAVEPOINT ") + kStatementSavepoint, {}));
        PgResult(send(QStringLiteral("RELEASE SAVEPOINT ") + kStatementSavepoint, {}));
    }
    raise(r);
}

void PgBackend::beginTransaction()
{
    if (depth_ == 0) {
        run(QStringLiteral("BEGIN"));
    } else {
        if (lost_ || PQtransactionStatus(connection()) == PQTRANS_INERROR)
            run(QStringLiteral("SELECT 1")); // raises why the transaction is gone
        PGresult* r = send(QStringLiteral("SAVEPOINT ") + savepointName(depth_ + 1), {});
        if (!succeeded(r)) {
            lost_ = PQstatus(conn_) == CONNECTION_BAD;
            raise(r);
        }
        PQclear(r);
    }
    ++depth_;
}

void PgBackend::commitTransaction()
{
    if (lost_ || PQtransactionStatus(connection()) == PQTRANS_INERROR)
        run(QStringLiteral("SELECT 1")); // raises why the transaction is gone
    const QString sql = depth_ == 1 ? QStringLiteral("COMMIT")
                                    : QStringLiteral("RELEASE SAVEPOINT ") + savepointName(depth_);
    PGresult* r = send(sql, {});
    if (!succeeded(r)) {
        lost_ = PQstatus(conn_) == CONNECTION_BAD;
        raise(r);
    }
    PQclear(r);
    --depth_;
}

void PgBackend::rollbackTransaction()
{
    // A transaction lost with its connection is gone already.
    if (!lost_) {
        if (depth_ == 1) {
            PgResult(send(QStringLiteral("ROLLBACK"), {}));
        } else {
            PgResult(send(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepointName(depth_), {}));
            PgResult(send(QStringLiteral("RELEASE SAVEPOINT ") + savepointName(depth_), {}));
        }
    }
    --depth_;
    if (depth_ == 0)
        lost_ = false;
}

TableInfo PgBackend::describeTable(const QString& name)
{
    const PgResult r =
        run(QStringLiteral("SELECT c.relname, a.attname, format_type(a.atttypid, NULL), "
                           "a.attidentity <> '' FROM pg_class c "
                           "JOIN pg_namespace n ON n.oid = c.relnamespace "
                           "JOIN pg_attribute a ON a.attrelid = c.oid "
                           "WHERE c.relkind = 'r' AND n.nspname = current_schema() "
                           "AND lower(c.relname) = lower($1::text) AND a.attnum > 0 "
                           "AND NOT a.attisdropped ORDER BY a.attnum"),
            {name});
    if (PQntuples(r.get()) == 0)
        throwDaoWith(kDaoTableNotFound, name);
    TableInfo table;
    table.name = QString::fromUtf8(PQgetvalue(r.get(), 0, 0));
    for (int row = 0; row < PQntuples(r.get()); ++row) {
        ColumnInfo column;
        column.name = QString::fromUtf8(PQgetvalue(r.get(), row, 1));
        column.kind = kindOfType(QString::fromUtf8(PQgetvalue(r.get(), row, 2)));
        column.isRowKey = PQgetvalue(r.get(), row, 3)[0] == 't';
        table.columns.push_back(column);
    }
    pgKeyExpression(table); // a table without a key column cannot be used
    return table;
}

std::vector<qint64> PgBackend::keys(const PgSql& text)
{
    const PgResult r = run(text.sql, text.params);
    std::vector<qint64> found;
    found.reserve(size_t(PQntuples(r.get())));
    for (int row = 0; row < PQntuples(r.get()); ++row)
        found.push_back(intAt(r.get(), row, 0));
    return found;
}

qint64 PgBackend::write(const PgSql& text)
{
    const PgResult r = run(text.sql, text.params);
    return QByteArray(PQcmdTuples(r.get())).toLongLong();
}

std::vector<qint64> PgBackend::selectKeys(const TableInfo& table, const BoundExpr* where,
                                          const std::vector<OrderTerm>& order)
{
    PgSql text = selectKeyFrom(table);
    appendConditions(table, {where}, {}, text);
    QStringList terms;
    for (const OrderTerm& term : order) {
        const ColumnInfo& column = table.columns[size_t(term.column)];
        QString t = pgQuote(column.name);
        if (term.noCase && column.kind != ColumnKind::Text)
            t += QStringLiteral(" COLLATE ") + QLatin1String(kPgNoCaseCollation);
        if (term.descending)
            t += QStringLiteral(" DESC");
        // NULL sorts first, as in SQLite and Jet.
        t += term.descending ? QStringLiteral(" NULLS LAST") : QStringLiteral(" NULLS FIRST");
        terms << t;
    }
    terms << pgKeyExpression(table);
    text.sql += QStringLiteral(" ORDER BY ") + terms.join(QStringLiteral(", "));
    return keys(text);
}

std::vector<qint64> PgBackend::pageKeys(const TableInfo& table, const BoundExpr* where,
                                        const KeyRange& range, bool descending, int limit)
{
    PgSql text = selectKeyFrom(table);
    appendConditions(table, {where}, range, text);
    text.sql += QStringLiteral(" ORDER BY %1%2 LIMIT ")
                    .arg(pgKeyExpression(table), descending ? QStringLiteral(" DESC") : QString());
    text.appendValue(qint64(limit));
    return keys(text);
}

qint64 PgBackend::countRows(const TableInfo& table, const BoundExpr* where, const KeyRange& range)
{
    PgSql text;
    text.sql = QStringLiteral("SELECT count(*) FROM %1").arg(pgQuote(table.name));
    appendConditions(table, {where}, range, text);
    const PgResult r = run(text.sql, text.params);
    return PQntuples(r.get()) > 0 ? intAt(r.get(), 0, 0) : 0;
}

bool PgBackend::readRow(const TableInfo& table, const std::vector<int>& columns, qint64 key,
                        std::vector<SqlValue>& values)
{
    PgSql text;
    text.sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ")
                   .arg(columns.empty() ? QStringLiteral("1") : columnList(table, columns),
                        pgQuote(table.name), pgKeyExpression(table));
    text.appendValue(key);
    const PgResult r = run(text.sql, text.params);
    if (PQntuples(r.get()) == 0)
        return false;
    values.clear();
    for (size_t i = 0; i < columns.size(); ++i)
        values.push_back(valueAt(r.get(), 0, int(i), table.columns[size_t(columns[i])].kind));
    return true;
}

void PgBackend::readRowsInKeyOrder(const TableInfo& table, const std::vector<int>& columns,
                                   int pageRows, const std::function<bool(RowPage&)>& visit)
{
    // Pages by key, each starting past the last key of the one before: every
    // page an index range scan, however far into the table.
    const QString key = pgKeyExpression(table);
    QString select = QStringLiteral("SELECT ") + key;
    if (!columns.empty())
        select += QStringLiteral(", ") + columnList(table, columns);
    select += QStringLiteral(" FROM ") + pgQuote(table.name);
    pageRows = std::max(pageRows, 1);
    KeyRange range;
    RowPage page;
    for (;;) {
        PgSql text;
        text.sql = select;
        appendConditions(table, {}, range, text);
        text.sql += QStringLiteral(" ORDER BY %1 LIMIT ").arg(key);
        text.appendValue(qint64(pageRows));
        const PgResult r = run(text.sql, text.params);
        const int rows = PQntuples(r.get());
        if (rows == 0)
            return;
        page.clear();
        page.reserve(size_t(rows));
        for (int row = 0; row < rows; ++row) {
            std::vector<SqlValue> values;
            values.reserve(columns.size());
            for (size_t i = 0; i < columns.size(); ++i)
                values.push_back(
                    valueAt(r.get(), row, int(i) + 1, table.columns[size_t(columns[i])].kind));
            page.push_back(std::move(values));
        }
        range.above = intAt(r.get(), rows - 1, 0);
        if (!visit(page) || rows < pageRows)
            return;
    }
}

bool PgBackend::rowExists(const TableInfo& table, qint64 key)
{
    std::vector<SqlValue> none;
    return readRow(table, {}, key, none);
}

qint64 PgBackend::insertRow(const TableInfo& table, const std::vector<int>& columns,
                            const std::vector<SqlValue>& values)
{
    const QString tableName = pgQuote(table.name);
    const QString key = pgKeyExpression(table);
    const bool explicitKey = includesKey(table, columns);

    std::vector<int> insertColumns = columns;
    std::vector<SqlValue> insertValues = values;
    // Outside a transaction the key is taken before the row goes in, so that
    // after a lost answer the row can be looked up to tell whether the insert
    // committed. A key from the counter needs no setval.
    std::optional<qint64> takenKey;
    if (!explicitKey && depth_ == 0) {
        const PgResult r = run(QStringLiteral("SELECT nextval(%1)").arg(kKeySequence),
                               {tableName, keyColumnName(table)});
        takenKey = intAt(r.get(), 0, 0);
        insertColumns.push_back(int(keyColumnIndex(table)));
        insertValues.emplace_back(*takenKey);
    }

    PgSql text;
    text.sql = QStringLiteral("INSERT INTO %1").arg(tableName);
    if (insertColumns.empty()) {
        text.sql += QStringLiteral(" DEFAULT VALUES");
    } else {
        text.sql += QStringLiteral(" (%1) VALUES (").arg(columnList(table, insertColumns));
        for (size_t i = 0; i < insertColumns.size(); ++i) {
            if (i > 0)
                text.sql += QStringLiteral(", ");
            text.appendPlain(insertValues[i]);
        }
        text.sql += u')';
    }
    text.sql += QStringLiteral(" RETURNING ") + key;
    std::function<bool()> committed;
    if (takenKey)
        committed = [&] { return rowExists(table, *takenKey); };
    const PgResult r = run(text.sql, text.params, committed);
    const qint64 added = r ? intAt(r.get(), 0, 0) : *takenKey;
    if (explicitKey)
        keyCounterPastRows(table);
    return added;
}

// Rows given their keys keep the key counter past them, so a later row never
// takes a key twice.
void PgBackend::keyCounterPastRows(const TableInfo& table)
{
    run(QStringLiteral("SELECT setval(%1, greatest((SELECT max(%2) FROM %3), 1))")
            .arg(kKeySequence, pgKeyExpression(table), pgQuote(table.name)),
        {pgQuote(table.name), keyColumnName(table)});
}

void PgBackend::insertRows(const TableInfo& table, const std::vector<int>& columns,
                           const RowPage& rows)
{
    if (columns.empty() || rows.empty()) {
        Backend::insertRows(table, columns, rows);
        return;
    }
    for (const std::vector<SqlValue>& row : rows)
        if (row.size() != columns.size())
            throwDao(kDaoInvalidArgument, QStringLiteral("A row of %1 values for %2 columns.")
                                              .arg(row.size())
                                              .arg(columns.size()));
    // COPY reads every value with its column's input function, as a bound
    // parameter is read, but sets each column's up once: as parameters, a
    // domain's (money, yes/no) is set up again for every value. In a
    // transaction of its own (a savepoint in the caller's), so the rows go
    // in together or not at all, and the key counter is set once at the end.
    beginTransaction();
    try {
        copyIn(table, columns, rows);
        if (includesKey(table, columns))
            keyCounterPastRows(table);
    } catch (...) {
        rollbackTransaction();
        throw;
    }
    commitTransaction();
}

void PgBackend::copyIn(const TableInfo& table, const std::vector<int>& columns, const RowPage& rows)
{
    // Inside the transaction: a failure leaves it to roll back, never a
    // half-sent COPY to send again on a new connection.
    run(QStringLiteral("SELECT 1"));
    PGconn* conn = connection();
    const QString sql = QStringLiteral("COPY %1 (%2) FROM STDIN")
                            .arg(pgQuote(table.name), columnList(table, columns));
    PGresult* started = PQexec(conn, sql.toUtf8().constData());
    if (PQresultStatus(started) != PGRES_COPY_IN) {
        lost_ = PQstatus(conn) == CONNECTION_BAD;
        raise(started);
    }
    PQclear(started);
    bool sent = true;
    QByteArray data;
    data.reserve(kCopyChunk + 4096);
    for (size_t r = 0; r < rows.size() && sent; ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                data += '\t';
            appendCopyField(rows[r][c], data);
        }
        data += '\n';
        if (data.size() >= kCopyChunk || r + 1 == rows.size()) {
            sent = PQputCopyData(conn, data.constData(), int(data.size())) == 1;
            data.clear();
        }
    }
    sent = PQputCopyEnd(conn, sent ? nullptr : "the data could not be sent") == 1 && sent;
    PGresult* done = PQgetResult(conn);
    // The COPY's own result, then the null that ends the command.
    for (PGresult* more = PQgetResult(conn); more; more = PQgetResult(conn))
        PQclear(more);
    if (!sent || !succeeded(done)) {
        lost_ = PQstatus(conn) == CONNECTION_BAD;
        raise(done);
    }
    PQclear(done);
}

bool PgBackend::updateRow(const TableInfo& table, qint64 key, const std::vector<int>& columns,
                          const std::vector<SqlValue>& values)
{
    PgSql text;
    text.sql = QStringLiteral("UPDATE %1 SET ").arg(pgQuote(table.name));
    for (size_t i = 0; i < columns.size(); ++i) {
        if (i > 0)
            text.sql += QStringLiteral(", ");
        text.sql += pgQuote(table.columns[size_t(columns[i])].name) + QStringLiteral(" = ");
        text.appendPlain(values[i]);
    }
    text.sql += QStringLiteral(" WHERE %1 = ").arg(pgKeyExpression(table));
    text.appendValue(key);
    // Setting values by key is the same sent once or twice: a resend after
    // a lost answer changes nothing more.
    return write(text) > 0;
}

bool PgBackend::deleteRow(const TableInfo& table, qint64 key)
{
    PgSql text;
    text.sql = QStringLiteral("DELETE FROM %1 WHERE %2 = ")
                   .arg(pgQuote(table.name), pgKeyExpression(table));
    text.appendValue(key);
    // Deleting by key is the same sent once or twice; but a resend after a
    // lost answer would find the row gone by the first send and report it
    // deleted before (3167). A row gone after reconnecting is done with.
    const PgResult r = run(text.sql, text.params, [&] { return !rowExists(table, key); });
    return !r || QByteArray(PQcmdTuples(r.get())).toLongLong() > 0;
}

qint64 PgBackend::deleteRows(const TableInfo& table, const BoundExpr* where)
{
    PgSql text;
    text.sql = QStringLiteral("DELETE FROM %1").arg(pgQuote(table.name));
    appendConditions(table, {where}, {}, text);
    return write(text);
}

// One page of a scan: the matching keys past range's bounds, in key order.
PgSql PgBackend::scanSql(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan,
                         const KeyRange& range)
{
    PgSql text = selectKeyFrom(table);
    appendConditions(table, {&filter, scan.also}, range, text);
    text.sql +=
        QStringLiteral(" ORDER BY %1%2 LIMIT %3")
            .arg(pgKeyExpression(table),
                 scan.order == MatchScan::Order::Descending ? QStringLiteral(" DESC") : QString())
            .arg(kScanPage);
    return text;
}

void PgBackend::scanMatches(const TableInfo& table, const BoundExpr& filter, const MatchScan& scan,
                            const std::function<bool(qint64)>& visit)
{
    // Pages in key order, each starting past the last: a find that stops at
    // its first match reads one page.
    KeyRange range = scan.range;
    for (;;) {
        const std::vector<qint64> page = keys(scanSql(table, filter, scan, range));
        for (qint64 key : page)
            if (!visit(key))
                return;
        if (int(page.size()) < kScanPage)
            return;
        if (scan.order == MatchScan::Order::Descending)
            range.atMost = page.back() - 1;
        else
            range.above = page.back();
    }
}

QStringList PgBackend::scanPlan(const TableInfo& table, const BoundExpr& filter,
                                const MatchScan& scan)
{
    const PgSql text = scanSql(table, filter, scan, scan.range);
    const PgResult r = run(QStringLiteral("EXPLAIN ") + text.sql, text.params);
    QStringList lines;
    for (int row = 0; row < PQntuples(r.get()); ++row)
        lines << QString::fromUtf8(PQgetvalue(r.get(), row, 0));
    return lines;
}

} // namespace dao
