#include "services/open_table.h"

OpenTable::Failure OpenTable::open(const QString& path, const QString& source)
{
    close();
    ownsDatabase_ = true;
    CdbDBEngine engine;
    if (!dbhelper::Connect_To_Database(path, &database_, &engine, 0))
        return Failure::Database;
    if (!dbhelper::Connect_To_Recordset(source, &recordset_, &database_)) {
        close();
        return Failure::Recordset;
    }
    return Failure::None;
}

OpenTable::Failure OpenTable::open(CdbDatabase& database, const QString& source)
{
    close();
    ownsDatabase_ = false;
    database_ = database;
    if (!dbhelper::Connect_To_Recordset(source, &recordset_, &database_)) {
        close();
        return Failure::Recordset;
    }
    return Failure::None;
}

void OpenTable::close()
{
    try {
        if (recordset_.IsOpen())
            recordset_.Close();
        // Closing rolls back a transaction the operation left open.
        if (ownsDatabase_ && database_.IsOpen())
            database_.Close();
    } catch (const CdbException&) {
        // Nothing is left to save: a failed close loses nothing.
    }
    // A borrowed database is let go, never closed.
    database_ = CdbDatabase();
    recordset_ = CdbRecordset();
}

QString OpenTable::failureText(Failure failure, const QString& path, const QString& table)
{
    if (failure == Failure::Database)
        return dbhelper::openFailureText(path);
    return QStringLiteral("cannot read the table %1: %2").arg(table, lastErrorText());
}

QString OpenTable::lastErrorText()
{
    const CdbLastOLEError last;
    return QStringLiteral("%1 (error %2)")
        .arg(last.GetDescription())
        .arg(last.GetResultCode() & 0xFFFF);
}
