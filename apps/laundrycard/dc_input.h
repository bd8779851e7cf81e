// What the data collection commands share: the records of the card file in
// the reader, and the system database they are stored in.
#pragma once

#include "services/dao.h"
#include "services/dc_records.h"

#include <QString>

#include <cstdint>

namespace cli {

class CommandParser;

// --reader CARD and --cust ID: the data collection card and its customer.
void addDcCardOptions(CommandParser& cmd);

// Reads every data collection card image of the file into `records`; false
// with the reason printed (or shown by the library) when none could be read.
bool readDcRecords(const QString& cardPath, uint16_t custId, GenericDC& records);

// Opens the system database for writing and makes it the library's system
// database; false with the file and the cause printed.
bool openSystemDatabase(const QString& path, CdbDatabase& database);

} // namespace cli
