#include "database_name.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace dao {
namespace {

// A password in the URI: the text cut to hide it (separator included) and
// the password itself.
struct PasswordPart {
    qsizetype cutFrom = 0;
    qsizetype cutLength = 0;
    QString password;
};

std::vector<PasswordPart> passwordParts(const QString& uri)
{
    std::vector<PasswordPart> parts;
    if (!isServerDatabase(uri))
        return parts;
    // The user part ends at the first '@' before any '/'; a ':' in it starts
    // the password.
    const qsizetype authority = uri.indexOf(QLatin1String("://")) + 3;
    qsizetype at = authority;
    while (at < uri.size() && uri[at] != QLatin1Char('@') && uri[at] != QLatin1Char('/'))
        ++at;
    qsizetype host = authority;
    if (at < uri.size() && uri[at] == QLatin1Char('@')) {
        const qsizetype colon = uri.indexOf(QLatin1Char(':'), authority);
        if (colon >= 0 && colon < at)
            parts.push_back({colon, at - colon, uri.mid(colon + 1, at - colon - 1)});
        host = at + 1;
    }
    const qsizetype query = uri.indexOf(QLatin1Char('?'), host);
    const QLatin1String key("password=");
    for (qsizetype start = query + 1; query >= 0 && start <= uri.size();) {
        qsizetype end = uri.indexOf(QLatin1Char('&'), start);
        if (end < 0)
            end = uri.size();
        if (QStringView(uri).mid(start, end - start).startsWith(key)) {
            // With the '&' after it, or the one (or the '?') before the last.
            const bool last = end == uri.size();
            const qsizetype from = last ? start - 1 : start;
            parts.push_back({from, end + (last ? 0 : 1) - from,
                             uri.mid(start + key.size(), end - start - key.size())});
        }
        start = end + 1;
    }
    return parts;
}

} // namespace

QStringList serverPasswords(const QString& uri)
{
    QStringList passwords;
    for (const PasswordPart& part : passwordParts(uri))
        passwords << part.password;
    return passwords;
}

QString withoutPasswords(const QString& uri)
{
    QString shown = uri;
    const std::vector<PasswordPart> parts = passwordParts(uri);
    for (auto it = parts.rbegin(); it != parts.rend(); ++it)
        shown.remove(it->cutFrom, it->cutLength);
    return shown;
}

QString hidePasswords(QString message, const QString& uri)
{
    message.replace(uri, withoutPasswords(uri));
    // libpq quotes what it could not read, which may be (part of) a password.
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    QString hidden;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : quoted.globalMatch(message)) {
        QString text = match.captured();
        for (const QString& password : serverPasswords(uri))
            if (!password.isEmpty())
                text.replace(password, QStringLiteral("***"));
        hidden.append(QStringView(message).mid(done, match.capturedStart() - done)).append(text);
        done = match.capturedEnd();
    }
    return hidden.append(QStringView(message).mid(done));
}

} // namespace dao
