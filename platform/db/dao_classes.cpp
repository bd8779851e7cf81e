// The public DAO classes: thin handles over the shared recordset core and
// connection, so copies share one cursor or one database.
#include "services/dao.h"

#include "backend_factory.h"
#include "connection.h"
#include "dao_error.h"
#include "filter_binder.h"
#include "jet_statement.h"
#include "recordset_core.h"

using dao::RecordsetCore;

// --- CdbField / CdbFields ---------------------------------------------------

CdbField::CdbField(std::shared_ptr<RecordsetCore> recordset, int index)
    : recordset_(std::move(recordset)), index_(index)
{
}

QString CdbField::GetName() const
{
    if (!recordset_)
        dao::throwDao(kDaoObjectInvalid);
    return recordset_->fieldName(index_);
}

CdbFieldType CdbField::GetType() const
{
    if (!recordset_)
        dao::throwDao(kDaoObjectInvalid);
    return recordset_->fieldType(index_);
}

QVariant CdbField::GetValue() const
{
    if (!recordset_)
        dao::throwDao(kDaoObjectInvalid);
    return recordset_->value(index_);
}

CdbFields::CdbFields(std::shared_ptr<RecordsetCore> recordset) : recordset_(std::move(recordset)) {}

int CdbFields::GetCount() const
{
    return recordset_->fieldCount();
}

CdbField CdbFields::Item(int index) const
{
    recordset_->checkFieldIndex(index);
    return CdbField(recordset_, index);
}

CdbField CdbFields::Item(const QString& name) const
{
    return CdbField(recordset_, recordset_->fieldIndex(name));
}

// --- CdbRecordset -----------------------------------------------------------

RecordsetCore& CdbRecordset::core() const
{
    if (!core_)
        dao::throwDao(kDaoObjectInvalid);
    return *core_;
}

void CdbRecordset::AddNew()
{
    core().addNew();
}
void CdbRecordset::Edit()
{
    core().edit();
}
void CdbRecordset::Update()
{
    core().update();
}
void CdbRecordset::CancelUpdate()
{
    core().cancelUpdate();
}
void CdbRecordset::Delete()
{
    core().remove();
}
void CdbRecordset::MoveFirst()
{
    core().moveFirst();
}
void CdbRecordset::MoveNext()
{
    core().moveNext();
}
void CdbRecordset::MoveLast()
{
    core().moveLast();
}
bool CdbRecordset::GetEOF() const
{
    return core().eof();
}
int CdbRecordset::GetRecordCount() const
{
    return core().recordCount();
}
void CdbRecordset::FindFirst(const QString& criteria)
{
    core().find(RecordsetCore::FindKind::First, criteria);
}
void CdbRecordset::FindLast(const QString& criteria)
{
    core().find(RecordsetCore::FindKind::Last, criteria);
}
bool CdbRecordset::GetNoMatch() const
{
    return core().noMatch();
}
QVariant CdbRecordset::GetField(const QString& name) const
{
    return core().value(core().fieldIndex(name));
}
QVariant CdbRecordset::GetField(int index) const
{
    return core().value(index);
}
void CdbRecordset::SetField(const QString& name, const QVariant& value)
{
    core().setValue(core().fieldIndex(name), value);
}
void CdbRecordset::SetField(int index, const QVariant& value)
{
    core().setValue(index, value);
}
CdbFields CdbRecordset::GetFields() const
{
    core();
    return CdbFields(core_);
}
CdbEditMode CdbRecordset::GetEditMode() const
{
    return core().editMode();
}
void CdbRecordset::Requery()
{
    core().requery();
}
void CdbRecordset::Close()
{
    if (core_)
        core_->close();
}
bool CdbRecordset::IsOpen() const
{
    return core_ && core_->isOpen();
}

CdbDatabase CdbRecordset::GetDatabase() const
{
    CdbDatabase database;
    database.connection_ = core().sharedConnection();
    return database;
}

// --- CdbDatabase ------------------------------------------------------------

dao::Connection& CdbDatabase::connection() const
{
    if (!connection_ || !connection_->isOpen())
        dao::throwDao(kDaoObjectInvalid);
    return *connection_;
}

dao::Connection& dao::connectionOf(const CdbDatabase& database)
{
    return database.connection();
}

CdbRecordset CdbDatabase::OpenRecordset(const QString& source)
{
    connection();
    const dao::SelectStatement statement = dao::parseRecordsetSource(source);
    CdbRecordset recordset;
    recordset.core_ = std::make_shared<RecordsetCore>(connection_, statement);
    return recordset;
}

void CdbDatabase::Execute(const QString& sql)
{
    dao::Connection& c = connection();
    const dao::DeleteStatement statement = dao::parseDeleteStatement(sql);
    const dao::TableInfo& table = c.table(statement.table);
    std::unique_ptr<dao::BoundExpr> where;
    if (statement.where)
        where = dao::bindFilter(*statement.where, table, statement.whereText);
    c.backend().deleteRows(table, where.get());
}

void CdbDatabase::Close()
{
    if (connection_)
        connection_->close();
}

bool CdbDatabase::IsOpen() const
{
    return connection_ && connection_->isOpen();
}

void CdbDatabase::BeginTrans()
{
    connection().beginTransaction();
}

void CdbDatabase::CommitTrans()
{
    connection().commitTransaction();
}

void CdbDatabase::Rollback()
{
    connection().rollbackTransaction();
}

// --- CdbTransaction ---------------------------------------------------------

CdbTransaction::CdbTransaction(CdbDatabase& database) : database_(database)
{
    database_.BeginTrans();
    level_ = database_.connection().transactionDepth();
}

void CdbTransaction::Commit()
{
    database_.CommitTrans();
    committed_ = true;
}

CdbTransaction::~CdbTransaction()
{
    // Inner levels left open are rolled back with this one. A closed
    // database has rolled back already.
    try {
        while (!committed_ && database_.IsOpen() &&
               database_.connection().transactionDepth() >= level_)
            database_.Rollback();
    } catch (const CdbException&) {
        // Left to the engine, which rolls back when the database closes.
    }
}

// --- CdbDBEngine ------------------------------------------------------------

CdbDatabase CdbDBEngine::OpenDatabase(const QString& fileName, bool readOnly)
{
    CdbDatabase database;
    database.connection_ = std::make_shared<dao::Connection>(
        dao::openBackend(fileName, dao::OpenOptions{readOnly, busyTimeoutMs_}));
    return database;
}
