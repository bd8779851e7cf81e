// The columns of the LAUNDRY SETUP table: the common ones every profile
// writes, the ones each profile type keeps, and the rules by which a stored
// value loads into the editor and an editor value is saved.
//
// Editor values of a column travel in a ColumnValues map keyed by column
// name, normalised by kind: text as QString, money as Currency, yes/no and
// integers as int.
#pragma once

#include "services/dao.h"

#include <QMap>
#include <QString>
#include <QVariant>

#include <array>
#include <optional>
#include <vector>

namespace profiles {

inline constexpr char kProfileTable[] = "LAUNDRY SETUP";

// Common column names.
inline constexpr char kColProfileName[] = "PROFILE NAME";
inline constexpr char kColProfileType[] = "PROFILE TYPE";
inline constexpr char kColVendPrice[] = "VEND PRICE";
inline constexpr char kColTopoffPrice[] = "TOPOFF PRICE";
inline constexpr char kColMaxCardValue[] = "MAX CARD VALUE";
inline constexpr char kColEnableTokens[] = "ENABLE TOKENS";
inline constexpr char kColClearCount[] = "CLEAR COUNT";
inline constexpr char kColLocation[] = "LOCATION";
inline constexpr char kColLocationClustering[] = "LOCATION CLUSTERING";
inline constexpr char kColUserTransaction[] = "USER TRANSACTION COL";
// The day columns of the pricing pages, Sunday first.
inline constexpr std::array<const char*, 7> kDayColumns = {
    "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};

enum class ColumnKind { Text, Money, YesNo, Integer };

struct ProfileColumn {
    const char* name;
    ColumnKind kind;
};

using ColumnValues = QMap<QString, QVariant>;

// PROFILE NAME .. PROFILE TYPE in the order a row is written.
const std::vector<ProfileColumn>& commonColumns();
// The columns of a profile type beside the common ones (types 0-9; 10-14 keep
// none until their pages name theirs). Empty for an unknown code.
const std::vector<ProfileColumn>& typeColumns(int code);
// Shared columns reset before an edited row is written, with their values,
// so a row whose type changed keeps nothing stale.
const std::vector<std::pair<ProfileColumn, QVariant>>& resetOnEditColumns();
// The kind of any column the editor writes (common or of some type).
std::optional<ColumnKind> columnKind(const QString& name);

// Loading rules: text that is not text loads as "", an integer that is not a
// 32-bit integer as 0, yes/no as 1 only when it holds true, money through
// currency conversion (anything else as $0.00).
QVariant loadValue(const QVariant& stored, ColumnKind kind);
// The value written for an editor value: yes/no true for any non-zero value.
QVariant saveValue(const QVariant& value, ColumnKind kind);

// Typed reads of a ColumnValues entry; a missing entry gives the fallback.
QString textValue(const ColumnValues& values, const char* column, const QString& fallback = {});
int intValue(const ColumnValues& values, const char* column, int fallback = 0);
bool flagValue(const ColumnValues& values, const char* column, bool fallback = false);

// The decimal parse of a PROFILE TYPE text ("" and anything else give 0).
int profileTypeFromText(const QVariant& stored);

} // namespace profiles
