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
#include "row_order.h"

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
    // After a rollback: the rows it took back leave the recordset as a
    // Delete would take them out, and every other row is read again.
    void forgetRolledBack(const std::vector<AddedRow>& rows);
    void close() { open_ = false; }
    bool isOpen() const { return open_ && connection_->isOpen(); }
    const std::shared_ptr<Connection>& sharedConnection() const { return connection_; }

private:
    // First: on the first record, whose key is not read yet (settle reads it).
    enum class Place { Bof, First, On, Deleted, Eof, Nowhere };

    void checkOpen() const;
    Backend& backend() const { return connection_->backend(); }
    const ColumnInfo& column(int field) const;
    void placeFirstOrEnd();
    void placeOn(qint64 key);
    void settle() const;
    void leaveEdit();
    void requireCurrent() const;
    const std::vector<QVariant>& currentRow();

    std::shared_ptr<Connection> connection_;
    const TableInfo& table_;  // kept by the connection
    std::vector<int> fields_; // table column of each field
    bool allColumns_ = false; // fields_ is every column in order
    std::unique_ptr<BoundExpr> where_;
    std::unique_ptr<RowOrder> rows_;

    mutable Place place_ = Place::Bof;
    mutable qint64 current_ = 0; // On: the current row; Deleted: the hole
    std::optional<qint64> cachedKey_;
    std::vector<QVariant> cachedRow_;

    CdbEditMode mode_ = CdbEditMode::None;
    qint64 editKey_ = 0;
    std::vector<QVariant> buffer_;
    std::vector<SqlValue> encoded_;
    std::vector<bool> dirty_;

    bool noMatch_ = false;
    bool open_ = true;
};

} // namespace dao
