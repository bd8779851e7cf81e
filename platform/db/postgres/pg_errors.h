// PostgreSQL's SQLSTATE codes as DAO error numbers.
#pragma once

#include <QByteArray>

namespace dao {

int daoNumberForSqlState(const QByteArray& sqlState);

} // namespace dao
