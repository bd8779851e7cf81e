// Setting the counter columns of a row being added.
#pragma once

#include "services/dao.h"
#include "services/dc_counters.h"

#include <QHash>
#include <QString>

#include <span>

namespace datacollection {

// The positions of a recordset's fields by name, taken once so that a row of
// a hundred columns does not search the field list a hundred times.
class FieldPositions {
public:
    explicit FieldPositions(const CdbRecordset& recordset);
    // The position of a field, or -1 when the recordset has none so named.
    int of(const char* name) const;

private:
    QHash<QString, int> positions_;
};

// Sets each column from its counter in block. Engine errors (a column the
// table lacks: 3265) are raised as CdbException.
void setCounterColumns(CdbRecordset& recordset, std::span<const cardcore::DcColumn> columns,
                       const uint8_t* block);

} // namespace datacollection
