#include "table_info.h"

namespace dao {

int TableInfo::columnIndex(const QString& columnName) const
{
    if (indexedColumns_ != columns.size()) {
        byName_.clear();
        indexedColumns_ = columns.size();
        // The first of two names equal in any case wins, as a walk would;
        // names as spelt in the schema are found without folding.
        for (size_t i = columns.size(); i-- > 0;)
            byName_.insert(columns[i].name.toCaseFolded(), static_cast<int>(i));
        for (size_t i = 0; i < columns.size(); ++i) {
            if (byName_.value(columns[i].name.toCaseFolded()) == static_cast<int>(i))
                byName_.insert(columns[i].name, static_cast<int>(i));
        }
    }
    const auto exact = byName_.constFind(columnName);
    if (exact != byName_.constEnd())
        return *exact;
    return byName_.value(columnName.toCaseFolded(), -1);
}

ColumnKind kindFromDeclaredType(const QString& declaredType)
{
    const QString type = declaredType.trimmed().toUpper();
    const QString first = type.section(u' ', 0, 0).section(u'(', 0, 0);
    if (first == u"CURRENCY" || first == u"MONEY")
        return ColumnKind::Currency;
    if (first == u"YESNO" || first == u"BOOLEAN" || first == u"BOOL" || first == u"BIT")
        return ColumnKind::Boolean;
    if (first == u"DATETIME" || first == u"DATE" || first == u"TIMESTAMP")
        return ColumnKind::Date;
    // The engine's own affinity rules for everything else.
    if (type.contains(u"INT"))
        return ColumnKind::Integer;
    if (type.contains(u"CHAR") || type.contains(u"CLOB") || type.contains(u"TEXT") ||
        first == u"MEMO")
        return ColumnKind::Text;
    if (type.contains(u"REAL") || type.contains(u"FLOA") || type.contains(u"DOUB"))
        return ColumnKind::Double;
    return ColumnKind::Any;
}

QString declaredTypeOf(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Text:
        return QStringLiteral("TEXT");
    case ColumnKind::Integer:
        return QStringLiteral("INTEGER");
    case ColumnKind::Currency:
        // INTEGER affinity: an amount is a count of 1/10000, never a double.
        return QStringLiteral("CURRENCY INTEGER");
    case ColumnKind::Boolean:
        return QStringLiteral("YESNO INTEGER");
    case ColumnKind::Date:
        return QStringLiteral("DATETIME TEXT");
    case ColumnKind::Double:
        return QStringLiteral("REAL");
    case ColumnKind::Any:
        break;
    }
    return QString();
}

CdbFieldType fieldTypeOf(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Integer:
        return CdbFieldType::Long;
    case ColumnKind::Currency:
        return CdbFieldType::Currency;
    case ColumnKind::Boolean:
        return CdbFieldType::Boolean;
    case ColumnKind::Date:
        return CdbFieldType::Date;
    case ColumnKind::Double:
        return CdbFieldType::Double;
    case ColumnKind::Text:
    case ColumnKind::Any:
        break;
    }
    return CdbFieldType::Text;
}

} // namespace dao
