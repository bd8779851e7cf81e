// Which engine a database name asks for: a postgresql:// (or postgres://)
// connection URI names a PostgreSQL server; anything else is an SQLite file.
#pragma once

#include <QString>
#include <QStringList>

namespace dao {

inline bool isServerDatabase(const QString& name)
{
    return name.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

// The passwords a server URI holds, as typed: its user part's
// ("user:password@") and a password= parameter's. Read as libpq reads the
// URI, not by a URL parser, so that a URI too malformed to connect gives
// them up as well.
QStringList serverPasswords(const QString& uri);
// The URI as typed without those passwords (and their separators).
QString withoutPasswords(const QString& uri);
// An engine's message about uri with the URI in it shown without its
// passwords, and what it quotes of a password "***".
QString hidePasswords(QString message, const QString& uri);

} // namespace dao
