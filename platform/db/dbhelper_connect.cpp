// Opening the database and its recordsets for the system: failures become a
// zero result, and the error stays available through CdbLastOLEError.
#include "services/dao.h"

namespace dbhelper {

uint8_t Connect_To_Database(QString fileName, CdbDatabase* database, CdbDBEngine* engine,
                            int options)
{
    if (!database || !engine)
        return 0;
    try {
        *database = engine->OpenDatabase(fileName, options == 1);
        return 1;
    } catch (const CdbException&) {
        return 0;
    }
}

uint8_t Connect_To_Recordset(QString sql, CdbRecordset* recordset, CdbDatabase* database)
{
    if (!recordset || !database)
        return 0;
    try {
        *recordset = database->OpenRecordset(sql);
        return 1;
    } catch (const CdbException&) {
        return 0;
    }
}

} // namespace dbhelper
