// The reader setup profiles of a system database, for hosts: every profile
// in the JSON form `laundrycard profile export` writes and `profile import`
// reads, finding one by name, and the all-or-nothing import. The library's
// own messages (database errors, refusals) go through its prompt service.
#pragma once

#include "laundry/laundry_export.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// One profile: its columns keyed by the LAUNDRY SETUP column names (money as
// decimal text, yes/no as booleans, integers and PROFILE TYPE as numbers),
// and those names in column order.
struct LAUNDRY_EXPORT LaundryProfile {
    QJsonObject columns;
    QStringList keys;

    QString name() const;
    int type() const;
};

struct LaundryProfileImport {
    int stored = 0;
    QString fileError;    // the text is no profile file (not a JSON array)
    QStringList refusals; // "NAME: COLUMN: message"; when any, nothing was stored
    bool failed = false;  // the database stopped it (already shown); nothing was stored

    bool succeeded() const { return fileError.isEmpty() && refusals.isEmpty() && !failed; }
};

class LAUNDRY_EXPORT LaundryProfileTable {
public:
    LaundryProfileTable();
    ~LaundryProfileTable();
    LaundryProfileTable(const LaundryProfileTable&) = delete;
    LaundryProfileTable& operator=(const LaundryProfileTable&) = delete;

    // Opens an existing system database and every profile row; false with
    // error() saying why.
    bool open(const QString& databasePath);
    QString error() const;

    // Every profile, Tovan2000 Cycle Setup profiles included, by name;
    // nullopt after a database error.
    std::optional<QList<LaundryProfile>> all();
    // The profile of that name, letter case ignored; nullopt (error() set)
    // when there is none.
    std::optional<LaundryProfile> find(const QString& name);
    // Adds the profiles of a profile file (a JSON array), each checked by the
    // profile editor's rules, all of them or none.
    LaundryProfileImport import(const QByteArray& json);

    // "Retrofit", "Maytag Gen2", ... ("" for a code no type has).
    static QString typeName(int code);
    // A column's value as the operator reads it: money "$1.50", yes/no
    // "Yes"/"No", numbers and text as they are.
    static QString valueText(const QString& column, const QJsonValue& value);

private:
    struct Open;
    std::unique_ptr<Open> open_;
    QString error_;
};
