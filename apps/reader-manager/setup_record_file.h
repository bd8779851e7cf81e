// Record files: the exact bytes of one laundry setup record, as a profile
// editor or a script saved them.
#pragma once

#include "laundry/laundry_setup.h"

#include <QString>

#include <optional>

namespace readermanager {

// The record the file holds, or nullopt with *error saying why (the file is
// unreadable or not exactly one record long).
std::optional<STRUCT_laundry_setup> readSetupRecordFile(const QString& path, QString* error);

} // namespace readermanager
