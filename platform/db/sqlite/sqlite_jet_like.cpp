#include "sqlite_jet_like.h"

#include "../jet_like.h"
#include "sqlite_sql_writer.h"

#include <QString>

namespace dao {
namespace {

QString valueText(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

void deletePattern(void* p)
{
    delete static_cast<JetPattern*>(p);
}

void jetLike(sqlite3_context* context, int, sqlite3_value** args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    // The pattern is the same for every row of a statement: compile it once.
    auto* pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 1));
    if (!pattern) {
        auto compiled = JetPattern::compile(valueText(args[1]));
        if (!compiled) {
            sqlite3_result_error(context, "Invalid pattern string.", -1);
            return;
        }
        pattern = new JetPattern(std::move(*compiled));
        sqlite3_set_auxdata(context, 1, pattern, deletePattern);
        pattern = static_cast<JetPattern*>(sqlite3_get_auxdata(context, 1));
        if (!pattern) {
            sqlite3_result_error_nomem(context);
            return;
        }
    }
    sqlite3_result_int(context, pattern->matches(valueText(args[0])) ? 1 : 0);
}

} // namespace

int registerJetLike(sqlite3* db)
{
    return sqlite3_create_function_v2(db, kLikeFunctionName, 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                      nullptr, jetLike, nullptr, nullptr, nullptr);
}

} // namespace dao
