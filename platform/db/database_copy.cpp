// dbhelper::copyDatabase: every system table through the two engines'
// backends, read in key order and written a page of rows at a time, so what
// one engine stored the other stores unchanged; the progress window counts
// the rows of each table.
#include "backend_factory.h"
#include "dao_error.h"
#include "database_name.h"
#include "schema.h"
#include "services/dao.h"
#include "services/progress.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace dao {
namespace {

// Rows read and written together: few round trips to a server, and a
// progress step every page.
constexpr int kCopyPage = 10000;

// The target's tables, the schema made first when the target has none.
void prepareTarget(const QString& to)
{
    const bool missingFile = !isServerDatabase(to) && !QFileInfo::exists(to);
    if (!missingFile) {
        std::unique_ptr<Backend> probe = openBackend(to, {});
        try {
            probe->describeTable(QLatin1String(systemTables().front().name));
            return;
        } catch (const CdbException& e) {
            if (e.errorNumber() != kDaoTableNotFound || !isServerDatabase(to))
                throw;
        }
    }
    QString error;
    if (!dbhelper::createDatabase(to, &error))
        throwDao(kDaoCannotOpenFile, error);
}

struct TableCopy {
    TableInfo source;
    TableInfo target;
    std::vector<int> sourceColumns;
    std::vector<int> targetColumns;
    qint64 rows = 0; // in the source when the copy began
};

TableCopy matchColumns(Backend& source, Backend& target, const char* name)
{
    TableCopy copy{source.describeTable(QLatin1String(name)),
                   target.describeTable(QLatin1String(name)),
                   {},
                   {},
                   0};
    for (size_t c = 0; c < copy.source.columns.size(); ++c) {
        const int t = copy.target.columnIndex(copy.source.columns[c].name);
        if (t < 0)
            throwDao(kDaoItemNotFound, QStringLiteral("The target's table %1 has no column %2.")
                                           .arg(copy.target.name, copy.source.columns[c].name));
        copy.sourceColumns.push_back(int(c));
        copy.targetColumns.push_back(t);
    }
    return copy;
}

} // namespace
} // namespace dao

namespace dbhelper {

bool copyDatabase(const QString& from, const QString& to, bool replace, QString* error,
                  qint64* rowsCopied)
{
    using namespace dao;
    try {
        if (from == to)
            throwDao(kDaoInvalidArgument,
                     QStringLiteral("The source and the target are one database."));
        std::unique_ptr<Backend> source = openBackend(from, {true, 5000});
        prepareTarget(to);
        std::unique_ptr<Backend> target = openBackend(to, {});
        std::vector<TableCopy> tables;
        for (const TableDef& table : systemTables())
            tables.push_back(matchColumns(*source, *target, table.name));
        target->beginTransaction();
        auto rollback = qScopeGuard([&] { target->rollbackTransaction(); });
        for (const TableCopy& table : tables) {
            if (target->countRows(table.target, nullptr, {}) == 0)
                continue;
            if (!replace)
                throwDao(kDaoInvalidArgument,
                         QStringLiteral("The target already holds rows in %1; nothing was "
                                        "copied (give --replace to empty it first).")
                             .arg(table.target.name));
            target->deleteRows(table.target, nullptr);
        }
        int steps = 0;
        for (TableCopy& table : tables) {
            table.rows = source->countRows(table.source, nullptr, {});
            steps += int((table.rows + kCopyPage - 1) / kCopyPage);
        }
        promptui::ProgressGuard progress(QStringLiteral("Copying the database"), steps);
        for (const TableCopy& table : tables) {
            qint64 copied = 0;
            source->readRowsInKeyOrder(
                table.source, table.sourceColumns, kCopyPage, [&](RowPage& page) {
                    target->insertRows(table.target, table.targetColumns, page);
                    copied += qint64(page.size());
                    promptui::StepProgress(QStringLiteral("%1: %2 of %3 rows")
                                               .arg(table.target.name)
                                               .arg(copied)
                                               .arg(table.rows));
                    return true;
                });
        }
        rollback.dismiss();
        target->commitTransaction();
        if (rowsCopied) {
            *rowsCopied = 0;
            for (const TableCopy& table : tables)
                *rowsCopied += table.rows;
        }
        return true;
    } catch (const CdbException& e) {
        if (error)
            *error = e.description();
        return false;
    }
}

} // namespace dbhelper
