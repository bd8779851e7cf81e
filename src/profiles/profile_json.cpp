#include "profiles/profile_json.h"

#include "profiles/page_catalogue.h"
#include "setup/profile_types.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>

namespace profiles {
namespace {

QString latin1(const char* text)
{
    return QString::fromLatin1(text);
}

// The common columns as editor values, normalised by kind.
QVariant commonValue(const CommonValues& common, const QString& column)
{
    if (column == latin1(kColProfileName))
        return common.name;
    if (column == latin1(kColProfileType))
        return common.typeCode;
    if (column == latin1(kColVendPrice))
        return common.vendPrice.toVariant();
    if (column == latin1(kColTopoffPrice))
        return common.topoffPrice.toVariant();
    if (column == latin1(kColMaxCardValue))
        return common.maxCardValue.toVariant();
    if (column == latin1(kColEnableTokens))
        return int(common.enableTokens);
    if (column == latin1(kColClearCount))
        return int(common.clearCounters);
    if (column == latin1(kColLocation))
        return int(common.checkLocation);
    if (column == latin1(kColLocationClustering))
        return int(common.locationClustering);
    if (column == latin1(kColUserTransaction))
        return int(common.userTransactionCollection);
    return {};
}

void setCommonValue(CommonValues& common, const QString& column, const QVariant& value)
{
    if (column == latin1(kColProfileName))
        common.name = value.toString();
    else if (column == latin1(kColVendPrice))
        common.vendPrice = value.value<Currency>();
    else if (column == latin1(kColTopoffPrice))
        common.topoffPrice = value.value<Currency>();
    else if (column == latin1(kColMaxCardValue))
        common.maxCardValue = value.value<Currency>();
    else if (column == latin1(kColEnableTokens))
        common.enableTokens = value.toInt() != 0;
    else if (column == latin1(kColClearCount))
        common.clearCounters = value.toInt() != 0;
    else if (column == latin1(kColLocation))
        common.checkLocation = value.toInt() != 0;
    else if (column == latin1(kColLocationClustering))
        common.locationClustering = value.toInt() != 0;
    else if (column == latin1(kColUserTransaction))
        common.userTransactionCollection = value.toInt() != 0;
}

std::optional<ColumnKind> kindIn(const std::vector<ProfileColumn>& columns, const QString& name)
{
    for (const ProfileColumn& c : columns)
        if (name == latin1(c.name))
            return c.kind;
    return std::nullopt;
}

QJsonValue toJson(const QVariant& value, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
        return value.toString();
    case ColumnKind::Money:
        return value.value<Currency>().toString();
    case ColumnKind::YesNo:
        return value.toInt() != 0;
    case ColumnKind::Integer:
        return value.toInt();
    }
    return {};
}

std::optional<int> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return int(number);
}

// A JSON value as the editor value of a column of `kind`, or the reason it
// is refused.
struct Reading {
    QVariant value;
    QString refusal;
};

Reading fromJson(const QJsonValue& value, ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
        if (value.isString())
            return {value.toString(), {}};
        return {{}, QStringLiteral("expected text")};
    case ColumnKind::Money:
        if (value.isString())
            if (const auto amount = Currency::parse(value.toString()))
                return {amount->toVariant(), {}};
        return {{}, QStringLiteral("expected money as decimal text such as \"1.25\"")};
    case ColumnKind::YesNo:
        if (value.isBool())
            return {int(value.toBool()), {}};
        return {{}, QStringLiteral("expected true or false")};
    case ColumnKind::Integer:
        if (const auto number = wholeNumber(value))
            return {*number, {}};
        return {{}, QStringLiteral("expected a whole number")};
    }
    return {};
}

QString labelOf(const QJsonObject& object, int position)
{
    const QString name = object.value(latin1(kColProfileName)).toString().trimmed();
    return name.isEmpty() ? QStringLiteral("#%1").arg(position + 1) : name;
}

} // namespace

QString ImportRefusal::text() const
{
    return column.isEmpty()
               ? profile + QStringLiteral(": ") + message
               : profile + QStringLiteral(": ") + column + QStringLiteral(": ") + message;
}

QStringList profileJsonKeys(int code)
{
    QStringList keys;
    for (const ProfileColumn& c : commonColumns())
        keys << latin1(c.name);
    for (const ProfileColumn& c : typeColumns(code))
        if (!keys.contains(latin1(c.name)))
            keys << latin1(c.name);
    return keys;
}

QJsonObject profileToJson(const ProfileValues& values)
{
    QJsonObject object;
    const int code = values.common.typeCode;
    for (const ProfileColumn& c : commonColumns())
        object.insert(latin1(c.name), toJson(commonValue(values.common, latin1(c.name)), c.kind));
    // Stored as text, the type travels as a number.
    object.insert(latin1(kColProfileType), code);
    for (const ProfileColumn& c : typeColumns(code)) {
        const QString name = latin1(c.name);
        if (object.contains(name))
            continue; // a common column the type keeps too holds the same value
        object.insert(name, toJson(values.columns.value(name), c.kind));
    }
    return object;
}

ParsedProfile profileFromJson(const QJsonValue& element, int position)
{
    ParsedProfile parsed;
    if (!element.isObject()) {
        parsed.label = QStringLiteral("#%1").arg(position + 1);
        parsed.refusals.append({parsed.label, {}, QStringLiteral("not a JSON object")});
        return parsed;
    }
    const QJsonObject object = element.toObject();
    parsed.label = labelOf(object, position);
    const auto refuse = [&parsed](const QString& column, const QString& message) {
        parsed.refusals.append({parsed.label, column, message});
    };

    const QString typeKey = latin1(kColProfileType);
    if (!object.contains(typeKey)) {
        refuse(typeKey, QStringLiteral("missing"));
        return parsed;
    }
    const auto code = wholeNumber(object.value(typeKey));
    if (!code) {
        refuse(typeKey, QStringLiteral("expected a whole number"));
        return parsed;
    }
    if (!setup::isValidProfileType(*code)) {
        refuse(typeKey, QStringLiteral("unknown profile type %1").arg(*code));
        return parsed;
    }
    // A missing name is left to the editor's name check, as an empty one.
    // Columns the object leaves out keep the defaults of a new profile.
    ProfileValues values;
    values.common = newProfileValues(*code);
    values.common.name.clear();
    const auto page = makePageRules(*code);
    page->reset();
    values.columns = page->columns();

    const std::vector<ProfileColumn>& ownColumns = typeColumns(*code);
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString column = it.key();
        if (column == typeKey)
            continue;
        const auto common = kindIn(commonColumns(), column);
        const auto own = kindIn(ownColumns, column);
        const auto kind = common ? common : own;
        if (!kind) {
            refuse(column, columnKind(column) ? QStringLiteral("not a column of a \"%1\" profile")
                                                    .arg(setup::profileTypeListName(*code))
                                              : QStringLiteral("unknown column"));
            continue;
        }
        const Reading reading = fromJson(it.value(), *kind);
        if (!reading.refusal.isEmpty()) {
            refuse(column, reading.refusal);
            continue;
        }
        if (common)
            setCommonValue(values.common, column, reading.value);
        if (own)
            values.columns.insert(column, reading.value);
    }
    // The editor trims trailing blanks from a name before its checks.
    while (values.common.name.endsWith(u' '))
        values.common.name.chop(1);
    values.common.typeCode = *code;
    parsed.values = values;
    return parsed;
}

std::optional<QJsonArray> parseProfileFile(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("not valid JSON at offset %1: %2")
                     .arg(parseError.offset)
                     .arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isArray()) {
        *error = QStringLiteral("a profile file holds a JSON array of profiles");
        return std::nullopt;
    }
    return document.array();
}

} // namespace profiles
