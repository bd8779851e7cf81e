#include "dao_error.h"

#include <QHash>

namespace dao {
namespace {

thread_local LastError tLastError;

const QHash<int, QString>& texts()
{
    static const QHash<int, QString> kTexts = {
        {kDaoReservedError, QStringLiteral("Reserved error; there is no message for this error.")},
        {kDaoInvalidArgument, QStringLiteral("Invalid argument.")},
        {kDaoUpdateWithoutEdit, QStringLiteral("Update or CancelUpdate without AddNew or Edit.")},
        {kDaoNoCurrentRecord, QStringLiteral("No current record.")},
        {kDaoDuplicateKey,
         QStringLiteral("The changes you requested to the table were not successful because "
                        "they would create duplicate values in the index, primary key, or "
                        "relationship.")},
        {kDaoFileNotFound, QStringLiteral("Could not find file '%1'.")},
        {kDaoDiskFull, QStringLiteral("Not enough space on disk.")},
        {kDaoReadOnly, QStringLiteral("Cannot update. Database or object is read-only.")},
        {kDaoNoTransaction, QStringLiteral("You tried to commit or rollback a transaction "
                                           "without first beginning a transaction.")},
        {kDaoNotADatabase,
         QStringLiteral("Cannot open database '%1'. It may not be a database that your "
                        "application recognizes, or the file may be corrupt.")},
        {kDaoCannotOpenFile,
         QStringLiteral("The database engine cannot open the file '%1'. It is already opened "
                        "exclusively by another user, or you need permission to view its data.")},
        {kDaoUnknownName, QStringLiteral("The database engine does not recognize '%1' as a valid "
                                         "field name or expression.")},
        {kDaoTableNotFound,
         QStringLiteral("The database engine cannot find the input table or query '%1'. Make "
                        "sure it exists and that its name is spelled correctly.")},
        {kDaoInvalidStatement,
         QStringLiteral("Invalid SQL statement; expected 'DELETE' or 'SELECT'.")},
        {kDaoFromClauseError, QStringLiteral("Syntax error in FROM clause.")},
        {kDaoOrderByClauseError, QStringLiteral("Syntax error in ORDER BY clause.")},
        {kDaoSelectListError,
         QStringLiteral("The SELECT statement includes a reserved word or an argument name that "
                        "is misspelled or missing, or the punctuation is incorrect.")},
        {kDaoFieldNotUpdatable, QStringLiteral("Field '%1' can't be updated.")},
        {kDaoRecordDeleted, QStringLiteral("Record is deleted.")},
        {kDaoItemNotFound, QStringLiteral("Item not found in this collection.")},
        {kDaoNumericOverflow, QStringLiteral("Numeric field overflow.")},
        {kDaoObjectInvalid, QStringLiteral("Object invalid or no longer set.")},
        {kDaoConversionError, QStringLiteral("Data type conversion error.")},
        {kDaoTypeMismatch, QStringLiteral("Data type mismatch in criteria expression.")},
    };
    return kTexts;
}

} // namespace

QString standardText(int number)
{
    return texts().value(number, texts().value(kDaoReservedError));
}

void throwDao(int number, const QString& description)
{
    CdbException error(daoResultCode(number), description);
    throw error;
}

void throwDao(int number)
{
    throwDao(number, standardText(number));
}

void throwDaoWith(int number, const QString& arg)
{
    throwDao(number, standardText(number).arg(arg));
}

const LastError& lastError()
{
    return tLastError;
}

void recordLastError(uint32_t resultCode, const QString& description)
{
    tLastError.resultCode = resultCode;
    tLastError.description = description;
}

} // namespace dao

CdbException::CdbException(uint32_t resultCode, QString description)
    : resultCode_(resultCode), description_(std::move(description)), what_(description_.toUtf8())
{
    dao::recordLastError(resultCode_, description_);
}

CdbLastOLEError::CdbLastOLEError()
    : description_(dao::lastError().description), resultCode_(dao::lastError().resultCode)
{
}
