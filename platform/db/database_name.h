// Which engine a database name asks for: a postgresql:// (or postgres://)
// connection URI names a PostgreSQL server; anything else is an SQLite file.
#pragma once

#include <QString>

namespace dao {

inline bool isServerDatabase(const QString& name)
{
    return name.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

} // namespace dao
