// The host's data folder: the system database and the card file the reader
// starts with. A first run creates both.
#pragma once

#include <QString>
#include <QStringList>

namespace readermanager {

inline constexpr char kDatabaseFileName[] = "manager.mdb";
inline constexpr char kReaderCardFileName[] = "reader-card.lcard";

struct DataFolder {
    QString folder;       // absolute
    QString databasePath; // empty when the host goes on without a database
    QString cardPath;     // the card file to put into the reader; empty when none
    bool createdDatabase = false;
    bool createdCard = false;
    QStringList errors; // for the operator, one message each
};

// Creates the folder, a new database and a factory-fresh card file where
// they are missing, and checks that an existing database opens.
DataFolder prepareDataFolder(const QString& folder);

// "" when the database at path opens, else why not for the operator.
QString databaseOpenError(const QString& path);

} // namespace readermanager
