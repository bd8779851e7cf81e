// Texts for filters and lists: values written so a filter reads them back as
// one literal, and field values as an operator reads them.
#include "services/dao.h"

#include "jet_date.h"

namespace dbhelper {

QString quoteFilterText(const QString& value)
{
    QString quoted;
    quoted.reserve(value.size() + 2);
    quoted += u'\'';
    for (const QChar c : value) {
        quoted += c;
        if (c == u'\'')
            quoted += c; // doubled inside the quotes
    }
    quoted += u'\'';
    return quoted;
}

QString filterDateText(const QDateTime& value)
{
    return dao::usDateText(value);
}

QString fieldText(const QVariant& value)
{
    if (!value.isValid())
        return QString();
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        // Whole cents as "$1.50"; finer amounts keep their digits.
        const Currency amount = value.value<Currency>();
        const qint64 units = amount.units();
        const bool negative = units < 0;
        const quint64 magnitude = negative ? quint64(0) - quint64(units) : quint64(units);
        QString text =
            QStringLiteral("$%1.%2")
                .arg(magnitude / Currency::kUnitsPerDollar)
                .arg((magnitude % Currency::kUnitsPerDollar) / 100, 2, 10, QLatin1Char('0'));
        if (magnitude % 100 != 0)
            text = u'$' + Currency(qint64(magnitude)).toString();
        return negative ? u'-' + text : text;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Yes") : QStringLiteral("No");
    case QMetaType::QDateTime:
        return dao::usDateText(value.toDateTime());
    case QMetaType::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default:
        return value.toString();
    }
}

} // namespace dbhelper
