// Reader setup profiles as JSON, for export, import and the sample profiles
// of a new database. A profile is one object keyed by its LAUNDRY SETUP
// column names: money as decimal text ("1.25"), yes/no as true/false,
// integers and PROFILE TYPE as numbers, text as strings. A file is an array
// of such objects.
#pragma once

#include "profiles/profile_values.h"
#include "services/dao.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace profiles {

class ProfileTable;

// The keys of a profile of `code` in the order an export writes them: the
// common columns, then the type's own (a column both hold appears once).
QStringList profileJsonKeys(int code);

QJsonObject profileToJson(const ProfileValues& values);

// A profile an import refuses, by profile name (or "#n", its position in the
// file, when it has no usable name) and column.
struct ImportRefusal {
    QString profile;
    QString column; // "" when the refusal concerns the whole object
    QString message;

    // "NAME: COLUMN: message"
    QString text() const;
};

struct ImportOutcome {
    int stored = 0;
    QList<ImportRefusal> refusals; // when any, nothing was stored
    bool databaseFailed = false;   // a database error stopped it (already shown)

    bool succeeded() const { return refusals.isEmpty() && !databaseFailed; }
};

// One element of a profile file read into values. `label` names the profile
// in refusals. `values` is empty when the element is no object or its type
// cannot be read; a column that cannot be read is refused and keeps its
// default. Only the form is checked here, not the editor's rules.
struct ParsedProfile {
    QString label;
    std::optional<ProfileValues> values;
    QList<ImportRefusal> refusals;
};
ParsedProfile profileFromJson(const QJsonValue& element, int position);

// A profile takes a few KiB as JSON: a larger file is refused before it is
// parsed.
inline constexpr qint64 kProfileFileMaxBytes = 16 * 1024 * 1024;

// The array of a profile file; nullopt with *error set when the text is not
// a JSON array.
std::optional<QJsonArray> parseProfileFile(const QByteArray& json, QString* error);

// Checks every profile of `profiles` by the editor's rules (name, Max Card
// Value, nickel prices, the page's field limits and save check) and adds
// them all to the open table (every row), or none of them. A name already in
// the table, of any type, is refused as a duplicate: an import never
// overwrites a profile.
ImportOutcome importProfiles(const QJsonArray& profiles, ProfileTable& table);

} // namespace profiles
