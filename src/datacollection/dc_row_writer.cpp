#include "datacollection/dc_row_writer.h"

namespace datacollection {

void setCounterColumns(CdbRecordset& recordset, std::span<const cardcore::DcColumn> columns,
                       const uint8_t* block)
{
    for (const cardcore::DcColumn& column : columns)
        recordset.SetField(QLatin1String(column.name), cardcore::dcColumnValue(column, block));
}

} // namespace datacollection
