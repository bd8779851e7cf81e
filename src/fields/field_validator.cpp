#include "fields/field_validator.h"

#include "fields/input_error.h"
#include "fields/money_text.h"
#include "fields/time_text.h"

namespace fields {

namespace {

const char kBlankMessage[] = "The field cannot be blank";
const char kInvalidMoneyMessage[] =
    "Please enter a valid currency value in the form 'dd.cc' (dollars.cents)";
const char kRangeMessage[] = "Please enter a value between $%.2f and $%.2f";
const char kMultipleMessage[] = "Please enter a currency multiple of $%.2f";
const char kTimeMessage[] = "The time format is invalid";

constexpr double kOlderMaximum = 99.99;

double dollars(Currency amount)
{
    return double(amount.units()) / Currency::kUnitsPerDollar;
}

} // namespace

bool FieldValidator::refuse(int control, const QString& message)
{
    // While a message is open the pending one stays: its control is where
    // the focus returns when it closes.
    InputErrors& errors = inputErrors();
    if (errors.isShowing()) {
        refused_.reset();
        return false;
    }
    errors.setPending(message, control);
    refused_ = errors.show();
    return false;
}

bool FieldValidator::checkMoney(int control, QString& text, bool blankAllowed, bool zeroAllowed,
                                Currency* result)
{
    refused_.reset();
    if (!active_)
        return true;
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return blankAllowed || refuse(control, QString::fromLatin1(kBlankMessage));
    const auto parsed = parseMoney(typed);
    if (!parsed)
        return refuse(control, QString::fromLatin1(kInvalidMoneyMessage));

    const float minimum = zeroAllowed ? 0.0f : 0.01f;
    const float number = float(parsed->number);
    if (number < minimum || number > float(kOlderMaximum))
        return refuse(control, QString::asprintf(kRangeMessage, double(minimum), kOlderMaximum));

    const auto amount = Currency::parse(parsed->text);
    if (!amount)
        return refuse(control, QString::fromLatin1(kInvalidMoneyMessage));
    text = parsed->text;
    if (result)
        *result = *amount;
    return true;
}

MoneyCheck checkMoneyText(const QString& text, bool blankAllowed, bool zeroAllowed,
                          Currency multiple, Currency maximum)
{
    MoneyCheck check;
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        if (!blankAllowed)
            check.error = QString::fromLatin1(kBlankMessage);
        return check;
    }
    const auto parsed = parseMoney(typed);
    if (!parsed) {
        check.error = QString::fromLatin1(kInvalidMoneyMessage);
        return check;
    }
    const double minimum = zeroAllowed ? 0.0 : 0.01;
    if (parsed->number < minimum || parsed->number > dollars(maximum)) {
        check.error = QString::asprintf(kRangeMessage, minimum, dollars(maximum));
        return check;
    }
    // In range, so the exact amount fits. The multiple test works on it rather
    // than on number x 10000, which cuts 0.57 to 5699 units.
    const auto amount = Currency::parse(parsed->text);
    if (!amount)
        check.error = QString::fromLatin1(kInvalidMoneyMessage);
    else if (multiple.units() > 0 && amount->units() % multiple.units() != 0)
        check.error = QString::asprintf(kMultipleMessage, dollars(multiple));
    else {
        check.amount = *amount;
        check.text = parsed->text;
    }
    return check;
}

bool FieldValidator::checkMoneyWithLimits(int control, QString& text, bool blankAllowed,
                                          bool zeroAllowed, Currency* result, Currency multiple,
                                          Currency maximum)
{
    refused_.reset();
    if (!active_)
        return true;
    const MoneyCheck check = checkMoneyText(text, blankAllowed, zeroAllowed, multiple, maximum);
    if (check.error)
        return refuse(control, *check.error);
    if (!check.text.isEmpty())
        text = check.text;
    if (result)
        *result = check.amount;
    return true;
}

bool FieldValidator::checkTime(int control, QString& text, uint8_t* hour, uint8_t* minute)
{
    refused_.reset();
    if (!active_)
        return true;
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return true;
    const auto time = parseTimeOfDay(typed);
    if (!time)
        return refuse(control, QString::fromLatin1(kTimeMessage));
    text = formatTimeOfDay(*time);
    if (hour)
        *hour = uint8_t(time->hour);
    if (minute)
        *minute = uint8_t(time->minute);
    return true;
}

} // namespace fields
