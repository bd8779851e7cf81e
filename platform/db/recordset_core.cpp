#include "recordset_core.h"

#include "dao_error.h"
#include "filter_binder.h"
#include "key_order_cursor.h"
#include "keyset.h"
#include "value_codec.h"

namespace dao {

RecordsetCore::RecordsetCore(std::shared_ptr<Connection> connection,
                             const SelectStatement& statement)
    : connection_(std::move(connection)), table_(connection_->table(statement.table))
{
    allColumns_ = statement.columns.isEmpty();
    if (allColumns_) {
        fields_.reserve(table_.columns.size());
        for (size_t i = 0; i < table_.columns.size(); ++i)
            fields_.push_back(static_cast<int>(i));
    } else {
        for (const QString& name : statement.columns) {
            const int index = table_.columnIndex(name);
            if (index < 0)
                throwDaoWith(kDaoUnknownName, name);
            fields_.push_back(index);
        }
    }
    if (statement.where)
        where_ = bindFilter(*statement.where, table_, statement.whereText);
    std::vector<OrderTerm> order;
    for (const OrderName& term : statement.order) {
        const int index = table_.columnIndex(term.column);
        if (index < 0)
            throwDaoWith(kDaoUnknownName, term.column);
        order.push_back(
            {index, term.descending, table_.columns[size_t(index)].kind == ColumnKind::Text});
    }
    // Only a sorted recordset needs all its keys up front.
    if (order.empty())
        rows_ = std::make_unique<KeyOrderCursor>(*connection_, table_, where_.get());
    else
        rows_ = std::make_unique<Keyset>(*connection_, table_, where_.get(), std::move(order));
    rows_->reload();
    placeFirstOrEnd();
    connection_->attach(this);
}

RecordsetCore::~RecordsetCore()
{
    connection_->detach(this);
}

void RecordsetCore::checkOpen() const
{
    if (!isOpen())
        throwDao(kDaoObjectInvalid);
}

const ColumnInfo& RecordsetCore::column(int field) const
{
    return table_.columns[size_t(fields_[size_t(field)])];
}

// The first record is looked up when first needed: a recordset opened for
// an AddNew or a find never reads it.
void RecordsetCore::placeFirstOrEnd()
{
    place_ = Place::First;
}

void RecordsetCore::settle() const
{
    if (place_ != Place::First)
        return;
    if (const auto first = rows_->next(std::nullopt)) {
        place_ = Place::On;
        current_ = *first;
    } else {
        place_ = Place::Eof;
    }
}

void RecordsetCore::placeOn(qint64 key)
{
    place_ = Place::On;
    current_ = key;
}

// Moving or finding drops an AddNew or Edit in progress, as DAO does.
void RecordsetCore::leaveEdit()
{
    mode_ = CdbEditMode::None;
    buffer_.clear();
    encoded_.clear();
    dirty_.clear();
}

void RecordsetCore::requireCurrent() const
{
    settle();
    if (place_ != Place::On)
        throwDao(kDaoNoCurrentRecord);
}

const std::vector<QVariant>& RecordsetCore::currentRow()
{
    requireCurrent();
    const qint64 key = current_;
    if (cachedKey_ == key)
        return cachedRow_;
    std::vector<int> columns;
    for (int f : fields_)
        columns.push_back(f);
    std::vector<SqlValue> stored;
    if (!backend().readRow(table_, columns, key, stored))
        throwDao(kDaoRecordDeleted);
    cachedRow_.clear();
    for (size_t i = 0; i < stored.size(); ++i)
        cachedRow_.push_back(decodeValue(column(int(i)).kind, stored[i]));
    cachedKey_ = key;
    return cachedRow_;
}

// --- editing ---------------------------------------------------------------

void RecordsetCore::addNew()
{
    checkOpen();
    leaveEdit();
    mode_ = CdbEditMode::Add;
    buffer_.assign(fields_.size(), QVariant());
    encoded_.assign(fields_.size(), SqlValue());
    dirty_.assign(fields_.size(), false);
}

void RecordsetCore::edit()
{
    checkOpen();
    leaveEdit();
    buffer_ = currentRow();
    editKey_ = current_;
    encoded_.assign(fields_.size(), SqlValue());
    dirty_.assign(fields_.size(), false);
    mode_ = CdbEditMode::InProgress;
}

void RecordsetCore::update()
{
    checkOpen();
    if (mode_ == CdbEditMode::None)
        throwDao(kDaoUpdateWithoutEdit);
    std::vector<int> columns;
    std::vector<SqlValue> values;
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (dirty_[i]) {
            columns.push_back(fields_[i]);
            values.push_back(encoded_[i]);
        }
    }
    // A failed write leaves the buffer as it was, so the caller can correct
    // a value and update again, or cancel.
    if (mode_ == CdbEditMode::Add) {
        const qint64 key = backend().insertRow(table_, columns, values);
        connection_->rowAdded(table_.name, key);
        rows_->append(key);
    } else {
        if (!columns.empty() && !backend().updateRow(table_, editKey_, columns, values))
            throwDao(kDaoRecordDeleted);
        cachedKey_.reset();
    }
    leaveEdit();
}

void RecordsetCore::cancelUpdate()
{
    checkOpen();
    if (mode_ == CdbEditMode::None)
        throwDao(kDaoUpdateWithoutEdit);
    leaveEdit();
}

void RecordsetCore::remove()
{
    checkOpen();
    leaveEdit();
    requireCurrent();
    if (!backend().deleteRow(table_, current_))
        throwDao(kDaoRecordDeleted);
    rows_->remove(current_);
    cachedKey_.reset();
    place_ = Place::Deleted; // the cursor stays on the key, now a hole
}

void RecordsetCore::forgetRolledBack(const std::vector<AddedRow>& rows)
{
    cachedKey_.reset();
    settle();
    for (const AddedRow& row : rows) {
        if (row.table != table_.name)
            continue;
        rows_->remove(row.key);
        if (place_ == Place::On && current_ == row.key)
            place_ = Place::Deleted;
    }
}

// --- moving ----------------------------------------------------------------

void RecordsetCore::moveFirst()
{
    checkOpen();
    leaveEdit();
    const auto first = rows_->next(std::nullopt);
    if (!first)
        throwDao(kDaoNoCurrentRecord);
    placeOn(*first);
}

void RecordsetCore::moveLast()
{
    checkOpen();
    leaveEdit();
    const auto last = rows_->last();
    if (!last)
        throwDao(kDaoNoCurrentRecord);
    placeOn(*last);
}

void RecordsetCore::moveNext()
{
    checkOpen();
    leaveEdit();
    std::optional<qint64> next;
    settle();
    switch (place_) {
    case Place::Bof:
        next = rows_->next(std::nullopt);
        if (!next)
            throwDao(kDaoNoCurrentRecord);
        break;
    case Place::On:
    case Place::Deleted: // from a hole, to the record after it
        next = rows_->next(current_);
        break;
    case Place::First: // settled above
    case Place::Eof:
    case Place::Nowhere:
        throwDao(kDaoNoCurrentRecord);
    }
    if (next)
        placeOn(*next);
    else
        place_ = Place::Eof;
}

bool RecordsetCore::eof() const
{
    checkOpen();
    settle();
    if (place_ == Place::Eof)
        return true;
    return place_ != Place::On && rows_->empty();
}

int RecordsetCore::recordCount() const
{
    checkOpen();
    return rows_->count();
}

// --- finding ---------------------------------------------------------------

void RecordsetCore::find(FindKind kind, const QString& criteria)
{
    checkOpen();
    leaveEdit();
    const BoundExpr& filter = connection_->filterShapes().bind(table_, criteria);
    const auto found = rows_->find(kind == FindKind::First, filter);
    noMatch_ = !found;
    if (found)
        placeOn(*found);
    else
        place_ = Place::Nowhere;
}

bool RecordsetCore::noMatch() const
{
    checkOpen();
    return noMatch_;
}

// --- fields ----------------------------------------------------------------

int RecordsetCore::fieldCount() const
{
    checkOpen();
    return static_cast<int>(fields_.size());
}

int RecordsetCore::fieldIndex(const QString& name) const
{
    checkOpen();
    if (allColumns_) {
        const int index = table_.columnIndex(name);
        if (index >= 0)
            return index;
        throwDao(kDaoItemNotFound);
    }
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (column(int(i)).name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    throwDao(kDaoItemNotFound);
}

void RecordsetCore::checkFieldIndex(int field) const
{
    checkOpen();
    if (field < 0 || field >= static_cast<int>(fields_.size()))
        throwDao(kDaoItemNotFound);
}

QString RecordsetCore::fieldName(int field) const
{
    checkFieldIndex(field);
    return column(field).name;
}

CdbFieldType RecordsetCore::fieldType(int field) const
{
    checkFieldIndex(field);
    return fieldTypeOf(column(field).kind);
}

QVariant RecordsetCore::value(int field)
{
    checkFieldIndex(field);
    if (mode_ != CdbEditMode::None) {
        // A value set is read back as a read of the stored row would give it.
        if (dirty_[size_t(field)])
            return decodeValue(column(field).kind, encoded_[size_t(field)]);
        return buffer_[size_t(field)];
    }
    return currentRow()[size_t(field)];
}

void RecordsetCore::setValue(int field, const QVariant& value)
{
    checkFieldIndex(field);
    if (mode_ == CdbEditMode::None)
        throwDao(kDaoUpdateWithoutEdit);
    const ColumnInfo& info = column(field);
    if (info.isRowKey)
        throwDaoWith(kDaoFieldNotUpdatable, info.name);
    encoded_[size_t(field)] = encodeValue(info.kind, value);
    dirty_[size_t(field)] = true;
}

// --- the rest --------------------------------------------------------------

CdbEditMode RecordsetCore::editMode() const
{
    checkOpen();
    return mode_;
}

void RecordsetCore::requery()
{
    checkOpen();
    leaveEdit();
    cachedKey_.reset();
    rows_->reload();
    placeFirstOrEnd();
    noMatch_ = false;
}

} // namespace dao
