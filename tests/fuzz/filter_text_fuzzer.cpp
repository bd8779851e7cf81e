// Jet filter texts and the recordset and delete statements around them.
// The first byte chooses what the rest (UTF-8) is read as and which table of
// the system database binds it; no database is opened. A bound filter must
// become SQL whose every value is a parameter.
#include "db/dao_error.h"
#include "db/filter_binder.h"
#include "db/filter_parser.h"
#include "db/jet_date.h"
#include "db/jet_statement.h"
#include "db/schema.h"
#include "db/sqlite/sqlite_sql_writer.h"
#include "fuzz_support.h"

namespace {

enum class Input { Filter, RecordsetSource, DeleteStatement, Date, Count };

// The tables as the backend describes them: the key column, then the rest.
const std::vector<dao::TableInfo>& tables()
{
    static const std::vector<dao::TableInfo> kTables = [] {
        std::vector<dao::TableInfo> out;
        for (const dao::TableDef& def : dao::systemTables()) {
            dao::TableInfo table{QString::fromLatin1(def.name), {}};
            table.columns.push_back(
                {QString::fromLatin1(def.keyColumn), dao::ColumnKind::Integer, true});
            for (const dao::ColumnDef& column : def.columns)
                table.columns.push_back({QString::fromLatin1(column.name), column.kind, false});
            out.push_back(table);
        }
        return out;
    }();
    return kTables;
}

const dao::TableInfo& tableNamed(const QString& name, const dao::TableInfo& fallback)
{
    for (const dao::TableInfo& table : tables())
        if (table.name.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return fallback;
}

void bindAndWrite(const dao::Expr* where, const dao::TableInfo& table, const QString& text)
{
    if (!where)
        return;
    const auto bound = dao::bindFilter(*where, table, text);
    dao::SqlText sql;
    dao::appendFilter(*bound, table, sql);
    // No system column name holds a '?': every one in the SQL is a parameter.
    if (size_t(sql.sql.count(u'?')) != sql.params.size())
        fuzz::fail("a filter value reached the SQL text instead of a parameter");
}

void run(Input input, const dao::TableInfo& table, const QString& text)
{
    switch (input) {
    case Input::Filter: {
        const auto expr = dao::parseFilter(text);
        bindAndWrite(expr.get(), table, text);
        break;
    }
    case Input::RecordsetSource: {
        const dao::SelectStatement s = dao::parseRecordsetSource(text);
        const dao::TableInfo& from = tableNamed(s.table, table);
        bindAndWrite(s.where.get(), from, s.whereText);
        for (const dao::OrderName& order : s.order)
            from.columnIndex(order.column);
        break;
    }
    case Input::DeleteStatement: {
        const dao::DeleteStatement s = dao::parseDeleteStatement(text);
        bindAndWrite(s.where.get(), tableNamed(s.table, table), s.whereText);
        break;
    }
    case Input::Date:
        // A date written into a filter must read back as itself (the text
        // form has no years before 1000).
        if (const auto date = dao::parseJetDate(text); date && date->date().year() >= 1000)
            if (dao::parseJetDate(dao::usDateText(*date)) != date)
                fuzz::fail("a date does not read back from its filter text");
        break;
    case Input::Count:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int count = int(Input::Count);
    const auto input = Input(data[0] % count);
    const dao::TableInfo& table = tables()[(data[0] / count) % tables().size()];
    try {
        run(input, table, fuzz::textOf(data + 1, size - 1));
    } catch (const CdbException&) {
        // A refused text is the expected answer to most inputs.
    }
    return 0;
}
