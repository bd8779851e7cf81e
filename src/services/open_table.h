// One table of the system database open for one operation: the database file
// (or the caller's open database) and a recordset over the table, closed
// again on every path out. The
// profile table, and the data collection and price special tables after it,
// are opened this way; each says itself what the operator sees on failure.
#pragma once

#include "services/dao.h"

#include <QString>

class OpenTable {
public:
    enum class Failure { None, Database, Recordset };

    OpenTable() = default;
    ~OpenTable() { close(); }
    OpenTable(const OpenTable&) = delete;
    OpenTable& operator=(const OpenTable&) = delete;

    // Opens the database file at path, then the recordset of source (a table
    // name or SELECT text). On failure nothing stays open and the engine's
    // error is CdbLastOLEError's.
    Failure open(const QString& path, const QString& source);
    // Opens the recordset of source in a database the caller keeps open:
    // close() leaves that database open. Failure::Recordset or None.
    Failure open(CdbDatabase& database, const QString& source);
    // Closing the recordset drops a row being added or edited.
    void close();

    CdbDatabase& database() { return database_; }
    CdbRecordset& recordset() { return recordset_; }

    // "sentence (error N)" of the last engine error, for messages that add it.
    static QString lastErrorText();
    // What a host tells the operator after a failed open of table in the
    // database at path: the file and its cause, or the table and the engine's.
    static QString failureText(Failure failure, const QString& path, const QString& table);

private:
    CdbDatabase database_;
    CdbRecordset recordset_;
    bool ownsDatabase_ = true;
};
