#include "profiles/pages/wascomat_page_rules.h"
#include "profiles/card_limits.h"

#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "fields/time_text.h"
#include "setup/profile_types.h"

namespace profiles {
namespace {

constexpr char kColMachineType[] = "MACHINE TYPE";
constexpr char kColSpecPricing[] = "SPEC PRICING";
constexpr char kColBegin[] = "SPEC PRICE BEGIN";
constexpr char kColEnd[] = "SPEC PRICE END";
constexpr char kTimeMessage[] = "The time format is invalid";
constexpr char kMultipleMessage[] = "Please enter a currency multiple of $%.2f";

// A new machine: every program at $2.00, the options at $0.25 and $0.50;
// special prices a half dollar less, off, from midnight to 23:59.
constexpr Currency kProgramPrice = Currency::fromCents(200);
constexpr Currency kSpecialProgramPrice = Currency::fromCents(150);
constexpr std::array<Currency, WascomatPageRules::kOptions> kOptionPrices = {
    Currency::fromCents(25), Currency::fromCents(50)};
const char kDefaultBegin[] = "0:00";
const char kDefaultEnd[] = "23:59";

// The price list and position a control edits: {special, index}, or index -1.
std::pair<bool, int> priceField(int control)
{
    const int regular = control - WascomatPageRules::kFirstRegularControl;
    if (regular >= 0 && regular < kWascomatPriceCount)
        return {false, regular};
    const int special = control - WascomatPageRules::kFirstSpecialControl;
    if (special >= 0 && special < kWascomatPriceCount)
        return {true, special};
    return {false, -1};
}

QString priceColumn(bool special, int index)
{
    return QString::fromLatin1(
        (special ? wascomatSpecialColumns() : wascomatRegularColumns())[size_t(index)]);
}

// An amount held (loaded or imported) against the limits of its edit: the
// messages of the money field with limits.
Check checkAmount(Currency amount, bool special, int index)
{
    const int control = (special ? WascomatPageRules::kFirstSpecialControl
                                 : WascomatPageRules::kFirstRegularControl) +
                        index;
    std::optional<QString> error;
    if (amount.units() % 100 != 0)
        error = QString::asprintf(kMultipleMessage, 0.01);
    else
        error = fields::checkMoneyText(amount.toString(), true, true, fields::kCent,
                                       WascomatPageRules::kHighestPrice)
                    .error;
    if (!error)
        return std::nullopt;
    return inputError(priceColumn(special, index), control, *error);
}

Refusal timeRefusal(int control)
{
    return inputError(
        QString::fromLatin1(control == WascomatPageRules::kBeginControl ? kColBegin : kColEnd),
        control, QString::fromLatin1(kTimeMessage));
}

} // namespace

QStringList WascomatPageRules::machineEntries()
{
    return {QStringLiteral("Washer"), QStringLiteral("Dryer")};
}

uint8_t WascomatPageRules::machineTypeCode(Machine machine)
{
    return machine == Machine::Dryer ? 9 : 2;
}

QString WascomatPageRules::priceLabel(int index)
{
    return index < kPrograms ? QStringLiteral("Program %1").arg(index + 1)
                             : QStringLiteral("Option %1").arg(index - kPrograms + 1);
}

QString WascomatPageRules::pageName() const
{
    return QString::fromLatin1(setup::profileTypeInfo(setup::kWascomat).optionPage);
}

void WascomatPageRules::reset()
{
    values_ = Values{};
    for (int i = 0; i < kPrograms; ++i) {
        values_.regular[size_t(i)] = kProgramPrice;
        values_.special[size_t(i)] = kSpecialProgramPrice;
    }
    for (int i = 0; i < kOptions; ++i)
        values_.regular[size_t(kPrograms + i)] = values_.special[size_t(kPrograms + i)] =
            kOptionPrices[size_t(i)];
    values_.begin = QString::fromLatin1(kDefaultBegin);
    values_.end = QString::fromLatin1(kDefaultEnd);
}

void WascomatPageRules::load(const ColumnValues& columns)
{
    reset();
    Values& v = values_;
    v.machine = intValue(columns, kColMachineType, v.machine);
    for (size_t i = 0; i < size_t(kWascomatPriceCount); ++i) {
        const auto amount = [&](const char* column, Currency fallback) {
            const auto it = columns.constFind(QLatin1String(column));
            return it == columns.cend() ? fallback
                                        : Currency::fromVariant(*it).value_or(Currency{});
        };
        v.regular[i] = amount(wascomatRegularColumns()[i], v.regular[i]);
        v.special[i] = amount(wascomatSpecialColumns()[i], v.special[i]);
    }
    v.specPricing = flagValue(columns, kColSpecPricing);
    for (size_t d = 0; d < v.days.size(); ++d)
        v.days[d] = flagValue(columns, kDayColumns[d]);
    // An empty time (a row never saved by this page) takes the default.
    const auto time = [&](const char* column, const QString& fallback) {
        const QString text = textValue(columns, column);
        return text.isEmpty() ? fallback : text;
    };
    v.begin = time(kColBegin, v.begin);
    v.end = time(kColEnd, v.end);
}

ColumnValues WascomatPageRules::columns() const
{
    const Values& v = values_;
    ColumnValues columns = {
        {kColMachineType, v.machine},
        {kColSpecPricing, int(v.specPricing)},
        {kColBegin, v.begin},
        {kColEnd, v.end},
    };
    for (size_t i = 0; i < size_t(kWascomatPriceCount); ++i) {
        columns.insert(QLatin1String(wascomatRegularColumns()[i]), v.regular[i].toVariant());
        columns.insert(QLatin1String(wascomatSpecialColumns()[i]), v.special[i].toVariant());
    }
    for (size_t d = 0; d < v.days.size(); ++d)
        columns.insert(QLatin1String(kDayColumns[d]), int(v.days[d]));
    return columns;
}

Check WascomatPageRules::checkFields() const
{
    const Values& v = values_;
    if (v.machine < 0 || v.machine >= machineEntries().size())
        return inputError(QString::fromLatin1(kColMachineType), kMachineTypeControl,
                          QStringLiteral("The machine type must be 0 (Washer) or 1 (Dryer)."));
    for (int i = 0; i < kWascomatPriceCount; ++i)
        if (Check refused = checkAmount(v.regular[size_t(i)], false, i))
            return refused;
    for (int i = 0; i < kWascomatPriceCount; ++i)
        if (Check refused = checkAmount(v.special[size_t(i)], true, i))
            return refused;
    if (!fields::parseTimeOfDay(v.begin))
        return timeRefusal(kBeginControl);
    if (!fields::parseTimeOfDay(v.end))
        return timeRefusal(kEndControl);
    return std::nullopt;
}

Check WascomatPageRules::checkBeforeSave() const
{
    if (!values_.specPricing)
        return std::nullopt;
    for (bool day : values_.days)
        if (day)
            return std::nullopt;
    return inputError(QString::fromLatin1(kColSpecPricing), kDayControls[0],
                      QStringLiteral("Special pricing needs one or more days: check the days "
                                     "the special prices apply on."));
}

void WascomatPageRules::writeRecord(const CommonValues& /*common*/,
                                    STRUCT_laundry_setup& record) const
{
    const Values& v = values_;
    record.card_type_code = setup::cardTypeCodeOf(setup::kWascomat);
    record.machine_type = machineTypeCode(Machine(v.machine));
    for (int i = 0; i < kPrograms; ++i) {
        record.wascomat_prices[i] = cents(v.regular[size_t(i)]);
        record.wascomat_spec_prices[i] = cents(v.special[size_t(i)]);
    }
    // Two standard adders, then two special ones.
    for (int i = 0; i < kOptions; ++i) {
        record.wascomat_adders[i] = cents(v.regular[size_t(kPrograms + i)]);
        record.wascomat_adders[kOptions + i] = cents(v.special[size_t(kPrograms + i)]);
    }
    record.feature_flags = v.specPricing ? kSpecPricingFlag : 0;
    uint8_t days = 0;
    for (size_t d = 0; d < v.days.size(); ++d)
        if (v.days[d])
            days |= uint8_t(1u << d);
    record.spec_days = days;
    // The hours in the special-pricing bytes, the minutes beside them.
    const fields::TimeOfDay begin = fields::parseTimeOfDay(v.begin).value_or(fields::TimeOfDay{});
    const fields::TimeOfDay end = fields::parseTimeOfDay(v.end).value_or(fields::TimeOfDay{});
    record.spec_price_begin = uint8_t(begin.hour);
    record.wascomat_bytes_26a[0] = uint8_t(begin.minute);
    record.spec_price_end = uint8_t(end.hour);
    record.wascomat_bytes_26a[1] = uint8_t(end.minute);
}

const Currency* WascomatPageRules::priceOf(int control) const
{
    const auto [special, index] = priceField(control);
    if (index < 0)
        return nullptr;
    return &(special ? values_.special : values_.regular)[size_t(index)];
}

Check WascomatPageRules::enterPrice(int control, QStringView text)
{
    const auto [special, index] = priceField(control);
    if (index < 0)
        return std::nullopt;
    const fields::MoneyCheck check =
        fields::checkMoneyText(text.toString(), true, true, fields::kCent, kHighestPrice);
    if (check.error)
        return inputError(priceColumn(special, index), control, *check.error);
    (special ? values_.special : values_.regular)[size_t(index)] = check.amount;
    return std::nullopt;
}

Check WascomatPageRules::enterTime(int control, QStringView text)
{
    const std::optional<fields::TimeOfDay> read = fields::parseTimeOfDay(text);
    if (!read)
        return timeRefusal(control);
    (control == kBeginControl ? values_.begin : values_.end) = fields::formatTimeOfDay(*read);
    return std::nullopt;
}

} // namespace profiles
