#include "db_test_support.h"

#include "db/database_name.h"

#include <QFile>
#include <QRegularExpression>
#include <QUuid>

#include <sstream>

namespace dbtest {
namespace {

QString bracketsAsQuotes(QString sql)
{
    static const QRegularExpression kBracketed(QStringLiteral("\\[([^\\]]*)\\]"));
    return sql.replace(kBracketed, QStringLiteral("\"\\1\""));
}

// Runs one statement on the server's maintenance database.
bool serverCommand(const QString& sql, QString* error)
{
    const QString uri = testServerUri(QStringLiteral("postgres"), error);
    if (uri.isEmpty())
        return false;
    PGconn* conn = PQconnectdb(uri.toUtf8().constData());
    PGresult* r = PQexec(conn, sql.toUtf8().constData());
    const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok && error)
        *error = QString::fromUtf8(PQerrorMessage(conn));
    PQclear(r);
    PQfinish(conn);
    return ok;
}

} // namespace

std::string engineName(const ::testing::TestParamInfo<Engine>& info)
{
    std::ostringstream name;
    PrintTo(info.param, &name);
    return name.str();
}

void PrintTo(Engine engine, std::ostream* out)
{
    *out << (engine == Engine::Sqlite ? "Sqlite" : "Postgres");
}

QString testServerUri(const QString& database, QString* reason)
{
    QByteArray infoFile = qgetenv("LAUNDRY_TEST_PG");
    if (infoFile.isEmpty())
        infoFile = LAUNDRY_TEST_PG_INFO;
    QFile info(QString::fromLocal8Bit(infoFile));
    if (infoFile.isEmpty() || !info.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = QStringLiteral("No PostgreSQL test server is running (the ctest fixture "
                                     "pg_server starts one when the PostgreSQL programs are "
                                     "installed); this engine's tests are skipped.");
        return {};
    }
    QString host, port;
    for (const QString& line : QString::fromUtf8(info.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("host=")))
            host = line.mid(5);
        else if (line.startsWith(QLatin1String("port=")))
            port = line.mid(5);
    }
    return QStringLiteral("postgresql://laundry@/%1?host=%2&port=%3").arg(database, host, port);
}

TempDatabase::TempDatabase(Engine engine)
{
    QString error;
    if (engine == Engine::Postgres) {
        const QString name = QStringLiteral("t") + QUuid::createUuid().toString(QUuid::Id128);
        if (!serverCommand(QStringLiteral("CREATE DATABASE %1").arg(name), &error)) {
            unavailable_ = error;
            return;
        }
        serverDatabase_ = name;
        path_ = testServerUri(name);
    } else {
        path_ = dir_.filePath(QStringLiteral("manager.mdb"));
    }
    EXPECT_TRUE(dbhelper::createDatabase(path_, &error)) << error.toStdString();
}

TempDatabase::~TempDatabase()
{
    if (!serverDatabase_.isEmpty())
        serverCommand(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(serverDatabase_),
                      nullptr);
}

QString TempDatabase::missing() const
{
    return serverDatabase_.isEmpty() ? dir_.filePath(QStringLiteral("missing.mdb"))
                                     : testServerUri(serverDatabase_ + QStringLiteral("_missing"));
}

RawDb::RawDb(const QString& path)
{
    if (dao::isServerDatabase(path)) {
        pg_ = PQconnectdb(path.toUtf8().constData());
        EXPECT_EQ(PQstatus(pg_), CONNECTION_OK) << PQerrorMessage(pg_);
        return;
    }
    EXPECT_EQ(
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr),
        SQLITE_OK);
    sqlite3_busy_timeout(db_, 2000);
}

RawDb::~RawDb()
{
    if (pg_)
        PQfinish(pg_);
    else
        sqlite3_close_v2(db_);
}

void RawDb::exec(const QString& sql)
{
    if (pg_) {
        PGresult* r = PQexec(pg_, bracketsAsQuotes(sql).toUtf8().constData());
        EXPECT_TRUE(PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK)
            << PQerrorMessage(pg_) << " in " << sql.toStdString();
        PQclear(r);
        return;
    }
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
}

QVariantList RawDb::firstColumn(const QString& sql)
{
    if (pg_) {
        PGresult* r = PQexec(pg_, bracketsAsQuotes(sql).toUtf8().constData());
        EXPECT_EQ(PQresultStatus(r), PGRES_TUPLES_OK)
            << PQerrorMessage(pg_) << " in " << sql.toStdString();
        QVariantList values;
        const Oid type = PQnfields(r) > 0 ? PQftype(r, 0) : 0;
        for (int row = 0; row < PQntuples(r); ++row) {
            const QString text = QString::fromUtf8(PQgetvalue(r, row, 0));
            if (PQgetisnull(r, row, 0))
                values << QVariant();
            else if (type == 20 || type == 21 || type == 23) // int8, int2, int4
                values << text.toLongLong();
            else
                values << text;
        }
        PQclear(r);
        return values;
    }
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

qint64 RawDb::schemaVersion()
{
    return scalar(pg_ ? "SELECT max(version) FROM laundry_schema_version" : "PRAGMA user_version")
        .toLongLong();
}

void RawDb::setSchemaVersion(int version)
{
    exec(
        QString(pg_ ? "UPDATE laundry_schema_version SET version = %1" : "PRAGMA user_version = %1")
            .arg(version));
}

QStringList RawDb::tables()
{
    QStringList names;
    for (const QVariant& name :
         firstColumn(pg_ ? "SELECT tablename FROM pg_tables WHERE schemaname = current_schema() "
                           "AND tablename <> 'laundry_schema_version' ORDER BY 1"
                         : "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT "
                           "LIKE 'sqlite%' ORDER BY 1"))
        names << name.toString();
    return names;
}

bool RawDb::hasColumn(const QString& table, const QString& column)
{
    return scalar(QString(pg_ ? "SELECT count(*) FROM information_schema.columns WHERE "
                                "table_schema = current_schema() AND table_name = '%1' AND "
                                "column_name = '%2'"
                              : "SELECT count(*) FROM pragma_table_info('%1') WHERE name = '%2'")
                      .arg(table, column))
               .toLongLong() == 1;
}

bool RawDb::hasIndex(const QString& name)
{
    return scalar(QString(pg_ ? "SELECT count(*) FROM pg_indexes WHERE schemaname = "
                                "current_schema() AND indexname = '%1'"
                              : "SELECT count(*) FROM sqlite_schema WHERE type = 'index' AND "
                                "name = '%1'")
                      .arg(name))
               .toLongLong() == 1;
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
         RawDb(path).firstColumn("SELECT [PROFILE NAME] FROM [LAUNDRY SETUP] ORDER BY [ID]"))
        result << name.toString();
    return result;
}

} // namespace dbtest
