#include "datacollection/dc_row_writer.h"

namespace datacollection {

FieldPositions::FieldPositions(const CdbRecordset& recordset)
{
    const CdbFields fields = recordset.GetFields();
    const int count = fields.GetCount();
    positions_.reserve(count);
    for (int i = 0; i < count; ++i)
        positions_.insert(fields.Item(i).GetName().toUpper(), i);
}

int FieldPositions::of(const char* name) const
{
    return positions_.value(QString::fromLatin1(name).toUpper(), -1);
}

void setCounterColumns(CdbRecordset& recordset, std::span<const cardcore::DcColumn> columns,
                       const uint8_t* block)
{
    const FieldPositions fields(recordset);
    for (const cardcore::DcColumn& column : columns) {
        const QVariant value = cardcore::dcColumnValue(column, block);
        const int position = fields.of(column.name);
        if (position < 0)
            recordset.SetField(QLatin1String(column.name), value); // raises the engine's error
        else
            recordset.SetField(position, value);
    }
}

} // namespace datacollection
