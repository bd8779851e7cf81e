#include "value_codec.h"

#include "dao_error.h"

#include <cmath>
#include <limits>

namespace dao {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

bool isIntegral(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool isReal(const QVariant& v)
{
    return v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
}

bool isCurrency(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<Currency>();
}

qint64 integralValue(const QVariant& v)
{
    if (v.typeId() == QMetaType::ULongLong || v.typeId() == QMetaType::ULong) {
        const qulonglong u = v.toULongLong();
        if (u > qulonglong(std::numeric_limits<qint64>::max()))
            throwDao(kDaoNumericOverflow);
        return qint64(u);
    }
    return v.toLongLong();
}

// Rounds half to even, as Jet does when a fraction meets an integer column.
qint64 roundedInteger(double d)
{
    if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
        throwDao(kDaoNumericOverflow);
    return static_cast<qint64>(std::nearbyint(d));
}

SqlValue encodeText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    if (isIntegral(v))
        return QString::number(integralValue(v));
    if (isReal(v))
        return QString::number(v.toDouble(), 'g', 17);
    if (isCurrency(v))
        return v.value<Currency>().toString();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (v.typeId() == QMetaType::QDateTime)
        return canonicalDateText(v.toDateTime());
    if (v.typeId() == QMetaType::QChar)
        return QString(v.toChar());
    throwDao(kDaoConversionError);
}

SqlValue encodeInteger(const QVariant& v)
{
    if (isIntegral(v))
        return integralValue(v);
    if (v.typeId() == QMetaType::Bool)
        return qint64(v.toBool() ? 1 : 0);
    if (isReal(v))
        return roundedInteger(v.toDouble());
    if (isCurrency(v))
        return roundedInteger(double(v.value<Currency>().units()) / Currency::kUnitsPerDollar);
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const QString text = v.toString().trimmed();
        const qint64 n = text.toLongLong(&ok);
        if (ok)
            return n;
        const double d = text.toDouble(&ok);
        if (ok)
            return roundedInteger(d);
    }
    throwDao(kDaoConversionError);
}

SqlValue encodeCurrency(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool || v.typeId() == QMetaType::QDateTime)
        throwDao(kDaoConversionError);
    if (const auto c = Currency::fromVariant(v))
        return c->units();
    if (isIntegral(v) || isReal(v))
        throwDao(kDaoNumericOverflow);
    throwDao(kDaoConversionError);
}

SqlValue encodeBoolean(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return qint64(v.toBool() ? 1 : 0);
    if (isIntegral(v) || isReal(v))
        return qint64(v.toDouble() != 0 ? 1 : 0);
    if (isCurrency(v))
        return qint64(v.value<Currency>().units() != 0 ? 1 : 0);
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed().toLower();
        if (t == u"true" || t == u"yes" || t == u"on" || t == u"-1" || t == u"1")
            return qint64(1);
        if (t == u"false" || t == u"no" || t == u"off" || t == u"0")
            return qint64(0);
    }
    throwDao(kDaoConversionError);
}

SqlValue encodeDate(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDateTime && v.toDateTime().isValid())
        return canonicalDateText(v.toDateTime());
    if (v.typeId() == QMetaType::QDate && v.toDate().isValid())
        return canonicalDateText(v.toDate().startOfDay());
    if (v.typeId() == QMetaType::QString) {
        if (const auto d = parseCanonicalDate(v.toString().trimmed()))
            return canonicalDateText(*d);
    }
    throwDao(kDaoConversionError);
}

SqlValue encodeDouble(const QVariant& v)
{
    if (isIntegral(v) || isReal(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1.0 : 0.0;
    if (isCurrency(v))
        return double(v.value<Currency>().units()) / Currency::kUnitsPerDollar;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    throwDao(kDaoConversionError);
}

SqlValue encodeAny(const QVariant& v)
{
    if (isIntegral(v))
        return integralValue(v);
    if (isReal(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::Bool)
        return qint64(v.toBool() ? 1 : 0);
    if (isCurrency(v))
        return v.value<Currency>().units();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return encodeDate(v);
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray();
    return encodeText(v);
}

QVariant integerVariant(qint64 n)
{
    if (n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max())
        return QVariant(static_cast<qint32>(n));
    return QVariant(static_cast<qlonglong>(n));
}

// What a stored value is when its kind gives no better reading.
QVariant plainVariant(const SqlValue& stored)
{
    if (const auto* n = std::get_if<qint64>(&stored))
        return integerVariant(*n);
    if (const auto* d = std::get_if<double>(&stored))
        return *d;
    if (const auto* t = std::get_if<QString>(&stored))
        return *t;
    if (const auto* b = std::get_if<QByteArray>(&stored))
        return *b;
    return QVariant();
}

} // namespace

QString canonicalDateText(const QDateTime& value)
{
    // Written by hand for the years a collection can have: the formatted
    // toString reads its format anew on every call, once per stored row.
    const QDate d = value.date();
    const QTime t = value.time();
    if (value.isValid() && d.year() >= 1000 && d.year() <= 9999) {
        // Digits by hand, not snprintf: every find by date and every stored
        // row writes one.
        char16_t text[19] = {u'0', u'0', u'0', u'0', u'-', u'0', u'0', u'-', u'0', u'0',
                             u' ', u'0', u'0', u':', u'0', u'0', u':', u'0', u'0'};
        const auto put = [&text](int at, int digits, int n) {
            for (int i = at + digits - 1; i >= at; --i, n /= 10)
                text[i] = char16_t(u'0' + n % 10);
        };
        put(0, 4, d.year());
        put(5, 2, d.month());
        put(8, 2, d.day());
        put(11, 2, t.hour());
        put(14, 2, t.minute());
        put(17, 2, t.second());
        return QString(reinterpret_cast<const QChar*>(text), 19);
    }
    return value.toString(kDateFormat);
}

std::optional<QDateTime> parseCanonicalDate(const QString& text)
{
    QDateTime d = QDateTime::fromString(text, kDateFormat);
    if (!d.isValid()) {
        const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return std::nullopt;
        d = date.startOfDay();
    }
    return d;
}

SqlValue encodeValue(ColumnKind kind, const QVariant& value)
{
    if (!value.isValid() || value.typeId() == QMetaType::Nullptr)
        return std::monostate();
    switch (kind) {
    case ColumnKind::Text:
        return encodeText(value);
    case ColumnKind::Integer:
        return encodeInteger(value);
    case ColumnKind::Currency:
        return encodeCurrency(value);
    case ColumnKind::Boolean:
        return encodeBoolean(value);
    case ColumnKind::Date:
        return encodeDate(value);
    case ColumnKind::Double:
        return encodeDouble(value);
    case ColumnKind::Any:
        break;
    }
    return encodeAny(value);
}

QVariant decodeValue(ColumnKind kind, const SqlValue& stored)
{
    if (isNull(stored))
        return QVariant();
    const auto* n = std::get_if<qint64>(&stored);
    const auto* d = std::get_if<double>(&stored);
    const auto* t = std::get_if<QString>(&stored);
    switch (kind) {
    case ColumnKind::Text:
        if (n)
            return QString::number(*n);
        if (d)
            return QString::number(*d, 'g', 17);
        break;
    case ColumnKind::Integer:
    case ColumnKind::Any:
        break;
    case ColumnKind::Currency:
        if (n)
            return QVariant::fromValue(Currency(*n));
        // A real here was written as dollars by something other than this layer.
        if (d && std::isfinite(*d) && std::fabs(*d) < 9.2e14)
            return QVariant::fromValue(Currency(std::llround(*d * Currency::kUnitsPerDollar)));
        if (t) {
            if (const auto c = Currency::fromVariant(*t))
                return QVariant::fromValue(*c);
        }
        break;
    case ColumnKind::Boolean:
        if (n)
            return *n != 0;
        if (d)
            return *d != 0;
        break;
    case ColumnKind::Date:
        if (t) {
            if (const auto date = parseCanonicalDate(*t))
                return *date;
        }
        break;
    case ColumnKind::Double:
        if (n)
            return double(*n);
        break;
    }
    return plainVariant(stored);
}

} // namespace dao
