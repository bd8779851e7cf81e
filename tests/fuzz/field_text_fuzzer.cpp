// The texts an operator types into money, time, code and number fields, and
// money as the database and profile files hand it over. The first byte
// chooses the parser and its options; the rest is the text (UTF-8) or, for
// money held as a number, the raw number.
#include "fields/code_fields.h"
#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "fields/number_fields.h"
#include "fields/time_text.h"
#include "fuzz_support.h"
#include "services/dao.h"

#include <cstring>

namespace {

using namespace fields;

enum class Parser { Currency, CurrencyNumber, Money, MoneyField, Time, Code, Number, Count };

void currencyText(const QString& text)
{
    if (const auto amount = Currency::parse(text))
        if (Currency::parse(amount->toString()) != amount)
            fuzz::fail("an amount does not read back from its text");
    if (const auto amount = Currency::fromVariant(text))
        if (Currency::fromVariant(amount->toString()) != amount)
            fuzz::fail("a signed amount does not read back from its text");
}

void currencyNumber(const QByteArray& bytes)
{
    qint64 whole = 0;
    double real = 0;
    std::memcpy(&whole, bytes.constData(), std::min<size_t>(sizeof whole, bytes.size()));
    std::memcpy(&real, bytes.constData(), std::min<size_t>(sizeof real, bytes.size()));
    for (const QVariant& value : {QVariant(whole), QVariant(int(whole)), QVariant(real)})
        if (const auto amount = Currency::fromVariant(value))
            if (Currency::fromVariant(amount->toString()) != amount)
                fuzz::fail("an amount from a number does not read back from its text");
}

void moneyText(const QString& text)
{
    const auto parsed = parseMoney(text);
    if (parsed && parseMoney(parsed->text)->text != parsed->text)
        fuzz::fail("normalised money text changes when read again");
    formatMoney(Currency::parse(text));
}

// A page's money edit: an accepted amount lies within the field's limits.
void moneyField(uint8_t options, const QString& typed)
{
    static constexpr Currency kMaxima[] = {Currency::fromCents(995), Currency::fromCents(9999),
                                           Currency::fromCents(65535), Currency(0)};
    const bool blankAllowed = options & 0x01;
    const bool zeroAllowed = options & 0x02;
    const Currency maximum = kMaxima[(options >> 2) & 0x03];
    const Currency multiple = options & 0x10 ? kNickel : kCent;
    const Currency minimum = zeroAllowed ? kZero : kCent;

    FieldValidator validator;
    QString text = typed;
    Currency amount(-1);
    if (validator.checkMoneyWithLimits(1, text, blankAllowed, zeroAllowed, &amount, multiple,
                                       maximum) &&
        !text.trimmed().isEmpty() && (amount < minimum || amount > maximum))
        fuzz::fail("a money field accepted an amount outside its limits");
    text = typed;
    validator.checkMoney(1, text, blankAllowed, zeroAllowed, &amount);
}

void timeText(const QString& text)
{
    if (const auto time = parseTimeOfDay(text)) {
        const auto again = parseTimeOfDay(formatTimeOfDay(*time));
        if (!again || again->hour != time->hour || again->minute != time->minute)
            fuzz::fail("a time of day does not read back from its text");
    }
    FieldValidator validator;
    QString field = text;
    uint8_t hour = 0;
    uint8_t minute = 0;
    validator.checkTime(1, field, &hour, &minute);
}

void codeText(const QString& text)
{
    checkCode(text);
    checkTypedCodeCharacter(text);
    if (checkTenCharacterCode(text) && storedTenCharacterCode(text).size() != 10)
        fuzz::fail("an accepted code is not stored as ten characters");
}

void run(Parser parser, uint8_t options, const QByteArray& rest)
{
    const QString text = QString::fromUtf8(rest);
    switch (parser) {
    case Parser::Currency:
        return currencyText(text);
    case Parser::CurrencyNumber:
        return currencyNumber(rest);
    case Parser::Money:
        return moneyText(text);
    case Parser::MoneyField:
        return moneyField(options, text);
    case Parser::Time:
        return timeText(text);
    case Parser::Code:
        return codeText(text);
    case Parser::Number:
        checkSixDigitNumber(QStringView(text));
        return;
    case Parser::Count:
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    fuzz::silentUi();
    const int count = int(Parser::Count);
    run(Parser(data[0] % count), uint8_t(data[0] / count), fuzz::bytesOf(data + 1, size - 1));
    fuzz::endInput();
    return 0;
}
