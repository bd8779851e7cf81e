// Compact JSON with the keys of each object in a given order, so that the
// output reads as documented (QJsonDocument sorts keys alphabetically).
#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

namespace cli {

// Keys named in keyOrder come first, in that order; any others follow
// alphabetically.
QString toOrderedJson(const QJsonValue& value, const QStringList& keyOrder);

// An array of already written JSON values, one a line, as the export files
// are written: "[\n" value ",\n" value "\n]\n" ("[]\n" when empty).
QString jsonLines(const QStringList& values);

} // namespace cli
