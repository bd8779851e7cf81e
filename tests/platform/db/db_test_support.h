// Shared by the database tests: a fresh system database in a temporary
// folder, raw SQLite access to check what was really stored, and the DAO
// error number an action raises.
#pragma once

#include "services/dao.h"

#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

namespace dbtest {

class TempDatabase {
public:
    TempDatabase();
    QString path() const { return path_; }
    CdbDatabase open() { return engine_.OpenDatabase(path_); }

private:
    QTemporaryDir dir_;
    QString path_;
    CdbDBEngine engine_;
};

// A plain connection to the file, beside the DAO layer.
class RawDb {
public:
    explicit RawDb(const QString& path);
    ~RawDb() { sqlite3_close_v2(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    void exec(const QString& sql);
    // The first column of each row: qint64 for an integer, an invalid variant
    // for NULL, text for anything else.
    QVariantList firstColumn(const QString& sql);
    // The first row's, invalid when there is none.
    QVariant scalar(const QString& sql) { return firstColumn(sql).value(0); }

private:
    sqlite3* db_ = nullptr;
};

// The DAO error number action raises, 0 when it raises none.
int daoError(const std::function<void()>& action);

// Adds a profile row as the editor does; the type only when one is given.
void addProfile(CdbRecordset& rs, const QString& name, const QString& type = {});
// The profile names of the recordset in its order (it moves the cursor).
QStringList names(CdbRecordset rs);
// The profile names stored in the file, in the order they were added.
QStringList storedNames(const QString& path);

} // namespace dbtest
