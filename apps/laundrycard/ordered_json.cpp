#include "ordered_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {
namespace {

// One scalar as QJsonDocument writes it, escapes included.
QString scalarJson(const QJsonValue& value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

} // namespace

QString toOrderedJson(const QJsonValue& value, const QStringList& keyOrder)
{
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << toOrderedJson(item, keyOrder);
        return '[' + items.join(',') + ']';
    }
    if (!value.isObject())
        return scalarJson(value);

    const QJsonObject object = value.toObject();
    QStringList keys;
    for (const QString& key : keyOrder)
        if (object.contains(key))
            keys << key;
    for (const QString& key : object.keys()) // alphabetical
        if (!keyOrder.contains(key))
            keys << key;
    QStringList members;
    for (const QString& key : keys)
        members << scalarJson(key) + ':' + toOrderedJson(object[key], keyOrder);
    return '{' + members.join(',') + '}';
}

QString jsonLines(const QStringList& values)
{
    if (values.isEmpty())
        return QStringLiteral("[]\n");
    return QStringLiteral("[\n") + values.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

} // namespace cli
