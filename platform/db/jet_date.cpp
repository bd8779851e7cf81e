#include "jet_date.h"

#include <QRegularExpression>

namespace dao {
namespace {

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> parseTime(const QString& hours, const QString& minutes, const QString& seconds,
                               const QString& meridiem)
{
    int h = hours.toInt();
    const int m = minutes.toInt();
    const int s = seconds.isEmpty() ? 0 : seconds.toInt();
    if (!meridiem.isEmpty()) {
        if (h < 0 || h > 12)
            return std::nullopt;
        const bool pm = meridiem.startsWith(u'P', Qt::CaseInsensitive);
        h = (h % 12) + (pm ? 12 : 0);
    }
    const QTime t(h, m, s);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

// Reads the common forms ("3/7/2005 9:30:00 AM", "2005-03-07") without the
// pattern below, which costs more than the rest of a find. Anything it does
// not know (other blanks or digits, stray text) goes to the pattern, so the
// two never disagree on what they both read.
class QuickDate {
public:
    explicit QuickDate(QStringView text) : text_(text) {}

    std::optional<QDateTime> read()
    {
        int a = 0, b = 0, c = 0;
        int aDigits = 0, cDigits = 0;
        if (!number(a, aDigits, 4) || !separator() || !number(b, 2) || !separator() ||
            !number(c, cDigits, 4))
            return std::nullopt;
        QDate date;
        if (aDigits == 4 && cDigits <= 2)
            date = QDate(a, b, c);
        else if (aDigits <= 2 && (cDigits == 4 || cDigits == 2))
            date = QDate(cDigits == 2 ? (c < 30 ? 2000 + c : 1900 + c) : c, a, b);
        else
            return std::nullopt;
        QTime time(0, 0, 0);
        if (pos_ < text_.size()) {
            if (!blanks())
                return std::nullopt;
            int h = 0, m = 0, sec = 0, mDigits = 0;
            if (!number(h, 2) || !expect(u':') || !number(m, mDigits, 2) || mDigits != 2)
                return std::nullopt;
            if (pos_ < text_.size() && text_[pos_] == u':') {
                int sDigits = 0;
                ++pos_;
                if (!number(sec, sDigits, 2) || sDigits != 2)
                    return std::nullopt;
            }
            blanks();
            if (pos_ < text_.size()) {
                const char16_t first = text_[pos_].toUpper().unicode();
                if (first != u'A' && first != u'P')
                    return std::nullopt;
                ++pos_;
                if (pos_ < text_.size() && text_[pos_].toUpper() == u'M')
                    ++pos_;
                if (h > 12)
                    return std::nullopt;
                h = h % 12 + (first == u'P' ? 12 : 0);
            }
            time = QTime(h, m, sec);
        }
        if (pos_ != text_.size() || !date.isValid() || !time.isValid())
            return std::nullopt;
        return QDateTime(date, time, Qt::UTC);
    }

private:
    bool number(int& value, int maxDigits)
    {
        int digits = 0;
        return number(value, digits, maxDigits);
    }
    bool number(int& value, int& digits, int maxDigits)
    {
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9') {
            if (++digits > maxDigits)
                return false;
            value = value * 10 + (text_[pos_].unicode() - u'0');
            ++pos_;
        }
        return digits > 0;
    }
    bool separator()
    {
        return pos_ < text_.size() && (text_[pos_] == u'/' || text_[pos_] == u'-') && ++pos_;
    }
    bool expect(char16_t c) { return pos_ < text_.size() && text_[pos_] == c && ++pos_; }
    bool blanks()
    {
        const qsizetype from = pos_;
        while (pos_ < text_.size() && text_[pos_] == u' ')
            ++pos_;
        return pos_ > from;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

} // namespace

std::optional<QDateTime> parseJetDate(QStringView text)
{
    if (const auto quick = QuickDate(text).read())
        return quick;
    // month/day/year (or year-month-day), then an optional time.
    static const QRegularExpression kPattern(
        QStringLiteral(R"(^\s*(?:(\d{1,2})[/-](\d{1,2})[/-](\d{4}|\d{2})|(\d{4})[/-](\d{1,2})[/-])"
                       R"((\d{1,2}))(?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?\s*([AaPp][Mm]?)?)?\s*$)"));
    const auto match = kPattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    QDate date;
    if (match.capturedLength(1) > 0)
        date = QDate(fullYear(match.captured(3)), match.captured(1).toInt(),
                     match.captured(2).toInt());
    else
        date =
            QDate(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt());
    if (!date.isValid())
        return std::nullopt;
    QTime time(0, 0, 0);
    if (match.capturedLength(7) > 0) {
        const auto t =
            parseTime(match.captured(7), match.captured(8), match.captured(9), match.captured(10));
        if (!t)
            return std::nullopt;
        time = *t;
    }
    return QDateTime(date, time, Qt::UTC);
}

namespace {

// One or two digits, or always two.
void appendSmall(QString& text, int n, bool twoDigits)
{
    if (twoDigits || n >= 10)
        text += QChar(u'0' + n / 10);
    text += QChar(u'0' + n % 10);
}

} // namespace

// Written by hand: formatting its numbers through QString::arg cost half
// of writing a duplicate search's filter.
QString usDateText(const QDateTime& value)
{
    const QDate d = value.date();
    const QTime t = value.time();
    QString text;
    text.reserve(24);
    appendSmall(text, d.month(), false);
    text += u'/';
    appendSmall(text, d.day(), false);
    text += u'/';
    text += QString::number(d.year());
    if (t == QTime(0, 0, 0))
        return text;
    const int h12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    text += u' ';
    appendSmall(text, h12, false);
    text += u':';
    appendSmall(text, t.minute(), true);
    text += u':';
    appendSmall(text, t.second(), true);
    text += t.hour() < 12 ? QLatin1String(" AM") : QLatin1String(" PM");
    return text;
}

} // namespace dao
