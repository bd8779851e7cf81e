// Raising DAO errors: every failure of the database layer goes through here so
// the exception and the last-error record always agree.
#pragma once

#include "services/dao.h"

namespace dao {

[[noreturn]] void throwDao(int number, const QString& description);
// Raises with the standard text of a DAO error number; %1 is filled from arg.
[[noreturn]] void throwDao(int number);
[[noreturn]] void throwDaoWith(int number, const QString& arg);

// The standard description of a DAO error number (with %1 where it names
// something).
QString standardText(int number);

struct LastError {
    uint32_t resultCode = 0;
    QString description;
};
const LastError& lastError();
void recordLastError(uint32_t resultCode, const QString& description);

} // namespace dao
