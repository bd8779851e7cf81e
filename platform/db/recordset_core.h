// The DAO recordset behaviour over any backend: a cursor over the keys the
// query selected, the edit buffer of AddNew and Edit, NoMatch, and the DAO
// error of every misuse.
//
// Cursor places: before the first record (BOF), on a record, on the hole a
// Delete left (no current record; MoveNext goes to the record after it),
// after the last (EOF), or nowhere after a failed find.
#pragma once

#include "connection.h"
#include "jet_statement.h"
#include "keyset.h"

#include <QVariant>

#include <memory>

namespace dao {

class RecordsetCore {
public:
    // Raises 3078 for an unknown table, 3070 for an unknown column.
    RecordsetCore(std::shared_ptr<Connection> connection, const SelectStatement& statement);
    ~RecordsetCore();
    RecordsetCore(const RecordsetCore&) = delete;
    RecordsetCore& operator=(const RecordsetCore&) = delete;

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void remove();

    void moveFirst();
    void moveNext();
    void moveLast();
    bool eof() const;
    int recordCount() const;

    enum class FindKind { First, Last };
    void find(FindKind kind, const QString& criteria);
    bool noMatch() const;

    int fieldCount() const;
    int fieldIndex(const QString& name) const; // 3265 when unknown
    void checkFieldIndex(int field) const;     // 3265 when out of range
    QString fieldName(int field) const;
    CdbFieldType fieldType(int field) const;
    QVariant value(int field);
    void setValue(int field, const QVariant& value);

    CdbEditMode editMode() const;
    void requery();
    // After a rollback: the rows it took back leave the keyset as a Delete
    // would take them out, and every other row is read again.
    void forgetRolledBack(const std::vector<AddedRow>& rows);
    void close() { open_ = false; }
    bool isOpen() const { return open_ && connection_->isOpen(); }

private:
    enum class Place { Bof, On, Deleted, Eof, Nowhere };

    void checkOpen() const;
    Backend& backend() const { return connection_->backend(); }
    const ColumnInfo& column(int field) const;
    void loadKeys();
    void placeFirstOrEnd();
    void placeOn(int position);
    void dropKey(int position);
    void leaveEdit();
    void requireCurrent() const;
    const std::vector<QVariant>& currentRow();
    const BoundExpr& boundCriteria(const QString& criteria);
    std::optional<int> search(FindKind kind, const BoundExpr& filter);

    std::shared_ptr<Connection> connection_;
    TableInfo table_;
    std::vector<int> fields_; // table column of each field
    std::unique_ptr<BoundExpr> where_;
    std::vector<OrderTerm> order_;
    Keyset keys_;

    Place place_ = Place::Bof;
    int position_ = 0;
    std::optional<qint64> cachedKey_;
    std::vector<QVariant> cachedRow_;

    CdbEditMode mode_ = CdbEditMode::None;
    qint64 editKey_ = 0;
    std::vector<QVariant> buffer_;
    std::vector<SqlValue> encoded_;
    std::vector<bool> dirty_;

    bool noMatch_ = false;
    bool open_ = true;

    QString lastCriteria_;
    std::unique_ptr<BoundExpr> lastBound_;
};

} // namespace dao
