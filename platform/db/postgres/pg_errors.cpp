#include "pg_errors.h"

#include "services/dao.h"

namespace dao {

int daoNumberForSqlState(const QByteArray& state)
{
    struct Entry {
        const char* state;
        int number;
    };
    // Exact codes first, then by class (the first two characters).
    static const Entry kExact[] = {
        {"23505", kDaoDuplicateKey},    {"23502", kDaoNullNotAllowed},
        {"23514", kDaoValidationRule},  {"23503", kDaoValidationRule},
        {"55P03", kDaoLockedByUser},    {"40P01", kDaoLockedByUser},
        {"40001", kDaoLockedByUser},    {"57014", kDaoLockedByUser},
        {"42703", kDaoItemNotFound},    {"42P01", kDaoTableNotFound},
        {"22003", kDaoNumericOverflow}, {"22P02", kDaoTypeMismatch},
        {"42804", kDaoTypeMismatch},    {"2201B", kDaoInvalidArgument},
        {"25006", kDaoReadOnly},        {"42501", kDaoReadOnly},
        {"53100", kDaoDiskFull},        {"53200", kDaoOutOfMemory},
        {"3D000", kDaoFileNotFound},    {"57P01", kDaoDiskIoError},
        {"57P02", kDaoDiskIoError},     {"57P03", kDaoCannotOpenFile},
    };
    for (const Entry& e : kExact)
        if (state == e.state)
            return e.number;
    const QByteArray cls = state.left(2);
    if (cls == "08")
        return kDaoDiskIoError; // the connection failed
    if (cls == "28")
        return kDaoCannotOpenFile; // not allowed in
    if (cls == "23")
        return kDaoValidationRule;
    if (cls == "42")
        return kDaoSyntaxError;
    if (cls == "22")
        return kDaoConversionError;
    if (cls == "58")
        return kDaoDiskIoError;
    return kDaoReservedError;
}

} // namespace dao
