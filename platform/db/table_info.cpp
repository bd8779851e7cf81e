#include "table_info.h"

namespace dao {

int TableInfo::columnIndex(const QString& columnName) const
{
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(columnName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
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
