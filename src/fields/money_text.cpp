#include "fields/money_text.h"

namespace fields {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Pads "1" to "1.00" and "1.5" to "1.50"; longer fractions stay as they are.
void padToCents(QString& text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        text += QStringLiteral(".00");
    else if (point == text.size() - 1)
        text += QStringLiteral("00");
    else if (point == text.size() - 2)
        text += u'0';
}

} // namespace

QString formatMoney(std::optional<Currency> amount)
{
    if (!amount)
        return {};
    if (*amount == kZero)
        return QStringLiteral("$0.00");
    QString text = amount->toString();
    padToCents(text);
    return u'$' + text;
}

std::optional<ParsedMoney> parseMoney(QStringView text)
{
    if (text.startsWith(u'$'))
        text = text.mid(1);
    if (text.isEmpty())
        return std::nullopt;

    // Only digits and a single point, checked on the text as typed.
    bool seenPoint = false;
    for (QChar c : text) {
        if (c == u'.' && !seenPoint)
            seenPoint = true;
        else if (!isDigit(c))
            return std::nullopt;
    }

    QString normalised = text.toString();
    const qsizetype point = normalised.indexOf(u'.');
    if (point >= 0 && normalised.size() - point > 3)
        normalised.truncate(point + 3);
    padToCents(normalised);
    if (normalised.startsWith(u'.'))
        normalised.prepend(u'0');

    bool ok = false;
    const double number = normalised.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return ParsedMoney{number, u'$' + normalised};
}

} // namespace fields
