#include "sqlite_errors.h"

#include "../dao_error.h"

namespace dao {

int daoNumberForSqlite(int extendedCode)
{
    switch (extendedCode) {
    case SQLITE_CONSTRAINT_NOTNULL:
        return kDaoNullNotAllowed;
    // Only a unique index or key makes a duplicate; a trigger or a check
    // that refuses a row breaks a rule of the table.
    case SQLITE_CONSTRAINT_CHECK:
    case SQLITE_CONSTRAINT_TRIGGER:
    case SQLITE_CONSTRAINT_FOREIGNKEY:
        return kDaoValidationRule;
    case SQLITE_IOERR_NOMEM:
        return kDaoOutOfMemory;
    default:
        break;
    }
    switch (extendedCode & 0xFF) {
    case SQLITE_CONSTRAINT:
        return kDaoDuplicateKey;
    case SQLITE_BUSY:
        return kDaoLockedByUser;
    case SQLITE_LOCKED:
        return kDaoLocked;
    case SQLITE_READONLY:
        return kDaoReadOnly;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return kDaoCannotOpenFile;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return kDaoNotADatabase;
    case SQLITE_FULL:
        return kDaoDiskFull;
    case SQLITE_IOERR:
        return kDaoDiskIoError;
    case SQLITE_NOMEM:
        return kDaoOutOfMemory;
    case SQLITE_MISMATCH:
        return kDaoTypeMismatch;
    case SQLITE_RANGE:
        return kDaoInvalidArgument;
    default:
        return kDaoReservedError;
    }
}

void raiseSqlite(sqlite3* db, int rc)
{
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    // The handle's code is the one the failing call left; prefer it when it
    // is the same failure, else trust rc.
    const int code = (extended & 0xFF) == (rc & 0xFF) ? extended : rc;
    const char* text = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throwDao(daoNumberForSqlite(code), QString::fromUtf8(text));
}

} // namespace dao
