// Setup record files: the exact bytes of one laundry setup record, as a
// profile editor, a script or `laundrycard setup read` saved them.
#pragma once

#include "laundry/laundry_setup.h"

#include <QString>

#include <optional>

namespace card {

// The record the file holds, or nullopt with *error saying why (unreadable,
// not a file, or not exactly one record long).
std::optional<STRUCT_laundry_setup> readSetupRecordFile(const QString& path, QString* error);
// Writes the record atomically; "" or why not (the old file is untouched).
QString writeSetupRecordFile(const QString& path, const STRUCT_laundry_setup& record);

} // namespace card
