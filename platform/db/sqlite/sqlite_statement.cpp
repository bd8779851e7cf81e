#include "sqlite_statement.h"

#include "sqlite_errors.h"

namespace dao {

StatementUse::StatementUse(sqlite3* db, sqlite3_stmt* stmt, int& activeUses)
    : db_(db), stmt_(stmt), activeUses_(activeUses)
{
    ++activeUses_;
}

StatementUse::~StatementUse()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    --activeUses_;
}

void StatementUse::bindAll(const std::vector<SqlValue>& values)
{
    for (size_t i = 0; i < values.size(); ++i)
        bind(static_cast<int>(i) + 1, values[i]);
}

// A short ASCII text (ids, amounts, dates) is copied through the stack, not
// a QByteArray of its own: a find binds several per record.
int StatementUse::bindText(int index, const QString& text)
{
    char ascii[64];
    if (text.size() <= qsizetype(sizeof ascii)) {
        qsizetype n = 0;
        for (const QChar c : text) {
            if (c.unicode() >= 0x80)
                break;
            ascii[n++] = char(c.unicode());
        }
        if (n == text.size())
            return sqlite3_bind_text64(stmt_, index, ascii, sqlite3_uint64(n), SQLITE_TRANSIENT,
                                       SQLITE_UTF8);
    }
    const QByteArray utf8 = text.toUtf8();
    return sqlite3_bind_text64(stmt_, index, utf8.constData(), sqlite3_uint64(utf8.size()),
                               SQLITE_TRANSIENT, SQLITE_UTF8);
}

void StatementUse::bind(int index, const SqlValue& value)
{
    int rc = SQLITE_OK;
    if (const auto* n = std::get_if<qint64>(&value)) {
        rc = sqlite3_bind_int64(stmt_, index, *n);
    } else if (const auto* d = std::get_if<double>(&value)) {
        rc = sqlite3_bind_double(stmt_, index, *d);
    } else if (const auto* t = std::get_if<QString>(&value)) {
        rc = bindText(index, *t);
    } else if (const auto* b = std::get_if<QByteArray>(&value)) {
        rc = sqlite3_bind_blob64(stmt_, index, b->constData(), sqlite3_uint64(b->size()),
                                 SQLITE_TRANSIENT);
    } else {
        rc = sqlite3_bind_null(stmt_, index);
    }
    if (rc != SQLITE_OK)
        raiseSqlite(db_, rc);
}

bool StatementUse::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    raiseSqlite(db_, rc);
}

SqlValue StatementUse::column(int index) const
{
    switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(stmt_, index));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt_, index);
    case SQLITE_TEXT:
        return columnText(index);
    case SQLITE_BLOB: {
        const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, index));
        return QByteArray(data, sqlite3_column_bytes(stmt_, index));
    }
    default:
        return std::monostate();
    }
}

QString StatementUse::columnText(int index) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
    return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, index));
}

} // namespace dao
