#include "recordset_core.h"

#include "dao_error.h"
#include "filter_binder.h"
#include "filter_parser.h"
#include "value_codec.h"

namespace dao {

RecordsetCore::RecordsetCore(std::shared_ptr<Connection> connection,
                             const SelectStatement& statement)
    : connection_(std::move(connection)), table_(connection_->table(statement.table))
{
    if (statement.columns.isEmpty()) {
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
    for (const OrderName& term : statement.order) {
        const int index = table_.columnIndex(term.column);
        if (index < 0)
            throwDaoWith(kDaoUnknownName, term.column);
        order_.push_back(
            {index, term.descending, table_.columns[size_t(index)].kind == ColumnKind::Text});
    }
    loadKeys();
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

void RecordsetCore::loadKeys()
{
    keys_.assign(backend().selectKeys(table_, where_.get(), order_), order_.empty());
}

void RecordsetCore::placeFirstOrEnd()
{
    if (keys_.size() > 0)
        placeOn(0);
    else
        place_ = Place::Eof;
}

void RecordsetCore::placeOn(int position)
{
    place_ = Place::On;
    position_ = position;
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
    if (place_ != Place::On)
        throwDao(kDaoNoCurrentRecord);
}

const std::vector<QVariant>& RecordsetCore::currentRow()
{
    requireCurrent();
    const qint64 key = keys_.at(position_);
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
    editKey_ = keys_.at(position_);
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
        keys_.append(key);
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
    if (!backend().deleteRow(table_, keys_.at(position_)))
        throwDao(kDaoRecordDeleted);
    dropKey(position_);
}

// The cursor keeps its place: on the current record's key it becomes the
// hole a Delete leaves.
void RecordsetCore::dropKey(int position)
{
    keys_.removeAt(position);
    cachedKey_.reset();
    if (place_ != Place::On && place_ != Place::Deleted)
        return;
    if (position < position_)
        --position_;
    else if (position == position_)
        place_ = Place::Deleted;
}

void RecordsetCore::forgetRolledBack(const std::vector<AddedRow>& rows)
{
    cachedKey_.reset();
    for (const AddedRow& row : rows) {
        if (row.table != table_.name)
            continue;
        if (const auto position = keys_.positionOf(row.key))
            dropKey(*position);
    }
}

// --- moving ----------------------------------------------------------------

void RecordsetCore::moveFirst()
{
    checkOpen();
    leaveEdit();
    if (keys_.size() == 0)
        throwDao(kDaoNoCurrentRecord);
    placeOn(0);
}

void RecordsetCore::moveLast()
{
    checkOpen();
    leaveEdit();
    if (keys_.size() == 0)
        throwDao(kDaoNoCurrentRecord);
    placeOn(keys_.size() - 1);
}

void RecordsetCore::moveNext()
{
    checkOpen();
    leaveEdit();
    const int n = keys_.size();
    int next = 0;
    switch (place_) {
    case Place::Bof:
        if (n == 0)
            throwDao(kDaoNoCurrentRecord);
        next = 0;
        break;
    case Place::On:
        next = position_ + 1;
        break;
    case Place::Deleted:
        next = position_; // the record after the deleted one moved up into its place
        break;
    case Place::Eof:
    case Place::Nowhere:
        throwDao(kDaoNoCurrentRecord);
    }
    if (next < n)
        placeOn(next);
    else
        place_ = Place::Eof;
}

bool RecordsetCore::eof() const
{
    checkOpen();
    return place_ == Place::Eof || keys_.size() == 0;
}

int RecordsetCore::recordCount() const
{
    checkOpen();
    return keys_.size();
}

// --- finding ---------------------------------------------------------------

const BoundExpr& RecordsetCore::boundCriteria(const QString& criteria)
{
    if (!lastBound_ || criteria != lastCriteria_) {
        lastBound_.reset();
        const auto parsed = parseFilter(criteria);
        lastBound_ = bindFilter(*parsed, table_, criteria);
        lastCriteria_ = criteria;
    }
    return *lastBound_;
}

void RecordsetCore::find(FindKind kind, const QString& criteria)
{
    checkOpen();
    leaveEdit();
    const BoundExpr& filter = boundCriteria(criteria);
    const auto found = search(kind, filter);
    noMatch_ = !found;
    if (found)
        placeOn(*found);
    else
        place_ = Place::Nowhere;
}

std::optional<int> RecordsetCore::search(FindKind kind, const BoundExpr& filter)
{
    if (keys_.size() == 0)
        return std::nullopt;
    const bool forward = kind == FindKind::First;
    std::optional<int> best;
    if (keys_.ascending()) {
        // Position order is key order: the engine walks its index in key
        // order and the first key of this recordset is the answer.
        MatchScan scan;
        scan.order = forward ? MatchScan::Order::Ascending : MatchScan::Order::Descending;
        backend().scanMatches(table_, filter, scan, [&](qint64 key) {
            const auto position = keys_.positionOf(key);
            if (!position)
                return true; // a row outside this recordset
            best = position;
            return false;
        });
        return best;
    }
    // Sorted recordsets: take the nearest of all matches in position order.
    backend().scanMatches(table_, filter, MatchScan{}, [&](qint64 key) {
        const auto position = keys_.positionOf(key);
        if (position && (!best || (forward ? *position < *best : *position > *best)))
            best = position;
        return true;
    });
    return best;
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
    if (mode_ != CdbEditMode::None)
        return buffer_[size_t(field)];
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
    const SqlValue stored = encodeValue(info.kind, value);
    // The buffer holds what a read would give back, in the column's kind.
    buffer_[size_t(field)] = decodeValue(info.kind, stored);
    encoded_[size_t(field)] = stored;
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
    loadKeys();
    placeFirstOrEnd();
    noMatch_ = false;
}

} // namespace dao
