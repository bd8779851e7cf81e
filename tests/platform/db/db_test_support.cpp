#include "db_test_support.h"

#include <QFile>

namespace dbtest {

TempDatabase::TempDatabase()
{
    path_ = dir_.filePath(QStringLiteral("manager.mdb"));
    QString error;
    EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
}

RawDb::RawDb(const QString& path)
{
    EXPECT_EQ(
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr),
        SQLITE_OK);
    sqlite3_busy_timeout(db_, 2000);
}

void RawDb::exec(const QString& sql)
{
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
}

QVariantList RawDb::firstColumn(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_);
    QVariantList values;
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        const int type = sqlite3_column_type(stmt, 0);
        if (type == SQLITE_INTEGER)
            values << qint64(sqlite3_column_int64(stmt, 0));
        else if (type == SQLITE_NULL)
            values << QVariant();
        else
            values << QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return values;
}

int daoError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CdbException& e) {
        EXPECT_EQ(e.resultCode() & 0xFFFF0000u, 0x800A0000u);
        return e.errorNumber();
    }
    return 0;
}

void addProfile(CdbRecordset& rs, const QString& name, const QString& type)
{
    rs.AddNew();
    rs.SetField("PROFILE NAME", name);
    if (!type.isEmpty())
        rs.SetField("PROFILE TYPE", type);
    rs.Update();
}

QStringList names(CdbRecordset rs)
{
    QStringList result;
    if (rs.GetRecordCount() == 0)
        return result;
    for (rs.MoveFirst(); !rs.GetEOF(); rs.MoveNext())
        result << rs.GetField("PROFILE NAME").toString();
    return result;
}

QStringList storedNames(const QString& path)
{
    QStringList result;
    for (const QVariant& name :
         RawDb(path).firstColumn("SELECT [PROFILE NAME] FROM [LAUNDRY SETUP] ORDER BY ID"))
        result << name.toString();
    return result;
}

} // namespace dbtest
