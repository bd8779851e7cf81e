#include "profiles/pages/gen2_advanced_price_rules.h"

#include "fields/field_validator.h"
#include "fields/money_text.h"
#include "profiles/editor_rules.h"

namespace profiles {
namespace {

constexpr char kColPenny[] = "PENNY INCREMENT";
constexpr char kColPennyDryer[] = "PENNY INCREMENT DRYER";
constexpr char kColBegin[] = "SPEC PRICE BEGIN";
constexpr char kColEnd[] = "SPEC PRICE END";
constexpr char kColAllDays[] = "ALL DAYS";
constexpr qint64 kNickelUnits = 500;
constexpr Currency kMaximum = Currency::fromCents(995);
constexpr char kVendRangeText[] =
    "Please enter a currency multiple of Nickels.The range is $0.05 to $9.95";

Currency amountOf(const QString& text)
{
    return Currency::parse(text.trimmed()).value_or(Currency{});
}

uint8_t nickels(Currency amount)
{
    return uint8_t(amount.units() / kNickelUnits);
}

} // namespace

const std::array<Gen2AdvancedPriceRules::MoneyField, Gen2AdvancedPriceRules::kFieldCount>&
Gen2AdvancedPriceRules::moneyFields()
{
    static const std::array<MoneyField, kFieldCount> fields = {{
        {1189, "VEND PRICE", true, "1.00"},
        {1155, "SPEC PRICE", true, "0.75"},
        {1195, "REG DRYER PRICE", true, "0.25"},
        {1198, "SPEC DRYER PRICE", true, "0.25"},
        {1190, "VEND COLD PRICE", false, "1.00"},
        {1191, "VEND WARM PRICE", false, "1.25"},
        {1192, "VEND HOT PRICE", false, "1.50"},
        {1156, "SPEC COLD PRICE", false, "0.75"},
        {1157, "SPEC WARM PRICE", false, "1.00"},
        {1162, "SPEC HOT PRICE", false, "1.25"},
        {1163, "SUPER CYCLE UPGRADE PRICE", false, "0.50"},
        {1153, "COIN1 VALUE", false, "0.25"},
        {1154, "COIN2 VALUE", false, "0.25"}, // LG only
    }};
    return fields;
}

const QStringList& Gen2AdvancedPriceRules::pennyChoices()
{
    static const QStringList choices = {".00", ".01", ".02", ".03", ".04"};
    return choices;
}

const QStringList& Gen2AdvancedPriceRules::hourChoices()
{
    static const QStringList choices = [] {
        QStringList list;
        for (int hour = 0; hour < 24; ++hour) {
            const int shown = hour % 12 == 0 ? 12 : hour % 12;
            if (hour == 0)
                list << QStringLiteral("12 Midnight");
            else if (hour == 12)
                list << QStringLiteral("12 Noon");
            else
                list << QStringLiteral("%1 %2").arg(shown).arg(hour < 12 ? "AM" : "PM");
        }
        return list;
    }();
    return choices;
}

void Gen2AdvancedPriceRules::reset()
{
    for (size_t f = 0; f < money_.size(); ++f)
        money_[f] = fields::formatMoney(
            Currency::parse(QString::fromLatin1(moneyFields()[f].defaultAmount)));
    penny_ = pennyDryer_ = 0;
    begin_ = end_ = hourChoices().front();
    days_.fill(false);
    allDays_ = false;
}

void Gen2AdvancedPriceRules::load(const ColumnValues& columns)
{
    reset();
    const auto money = [&columns](const char* column) -> std::optional<Currency> {
        const auto it = columns.constFind(QLatin1String(column));
        if (it == columns.cend())
            return std::nullopt;
        return Currency::fromVariant(*it).value_or(Currency{});
    };
    for (size_t f = 0; f < money_.size(); ++f)
        if (const auto amount = money(moneyFields()[f].column))
            money_[f] = fields::formatMoney(*amount);
    // LG keeps its one Coin2/TopOff value in both columns; a row holding two
    // different values shows the top-off price, which the card charges.
    if (lg_)
        if (const auto topoff = money(kColTopoffPrice))
            money_[kCoin2] = fields::formatMoney(*topoff);
    // An amount that is no entry of the list (not whole cents 0-4) is kept
    // as no position, which the check refuses.
    const auto penny = [&money](const char* column) {
        const qint64 units = money(column).value_or(Currency{}).units();
        return units % 100 == 0 && units >= 0 && units <= 400 ? int(units / 100) : -1;
    };
    penny_ = penny(kColPenny);
    pennyDryer_ = penny(kColPennyDryer);
    // An empty hour (a row never saved by this page) shows the first entry.
    const auto hour = [&columns](const char* column, const QString& fallback) {
        const QString text = textValue(columns, column);
        return text.isEmpty() ? fallback : text;
    };
    begin_ = hour(kColBegin, begin_);
    end_ = hour(kColEnd, end_);
    for (size_t d = 0; d < days_.size(); ++d)
        days_[d] = flagValue(columns, kDayColumns[d]);
    allDays_ = flagValue(columns, kColAllDays);
}

void Gen2AdvancedPriceRules::addColumns(ColumnValues& columns) const
{
    for (size_t f = 0; f < money_.size(); ++f)
        columns.insert(QLatin1String(moneyFields()[f].column),
                       QVariant::fromValue(amountOf(money_[f])));
    if (lg_)
        columns.insert(QLatin1String(kColTopoffPrice), QVariant::fromValue(amount(kCoin2)));
    columns.insert(QLatin1String(kColPenny),
                   QVariant::fromValue(Currency::fromCents(qMax(penny_, 0))));
    columns.insert(QLatin1String(kColPennyDryer),
                   QVariant::fromValue(Currency::fromCents(qMax(pennyDryer_, 0))));
    columns.insert(QLatin1String(kColBegin), begin_);
    columns.insert(QLatin1String(kColEnd), end_);
    for (size_t d = 0; d < days_.size(); ++d)
        columns.insert(QLatin1String(kDayColumns[d]), int(days_[d]));
    columns.insert(QLatin1String(kColAllDays), int(allDays_));
}

Currency Gen2AdvancedPriceRules::amount(Field f) const
{
    return amountOf(money_[size_t(f)]);
}

Check Gen2AdvancedPriceRules::checkMoney(Field field, const QString& text, Currency* result) const
{
    const MoneyField& f = moneyFields()[size_t(field)];
    // LG's Coin2/TopOff value is its top-off price, checked as the vend prices are.
    if (f.vendRange || (lg_ && field == kCoin2)) {
        const std::optional<Currency> entered = Currency::parse(text.trimmed());
        if (!entered || !nickelPriceValid(*entered)) {
            Refusal refusal{QLatin1String(f.column), f.control, QLatin1String(kVendRangeText)};
            refusal.caption = QStringLiteral("Invalid Number Entered");
            return refusal;
        }
        if (result)
            *result = *entered;
        return std::nullopt;
    }
    const bool zeroAllowed = field != kCoin1;
    const fields::MoneyCheck check =
        fields::checkMoneyText(text, zeroAllowed, zeroAllowed, fields::kNickel, kMaximum);
    if (check.error)
        return inputError(f.column, f.control, *check.error);
    if (result)
        *result = check.amount;
    return std::nullopt;
}

Check Gen2AdvancedPriceRules::leaveMoney(Field field, const QString& text, bool tokens,
                                         bool stacked)
{
    Currency entered;
    if (Check refused = checkMoney(field, text, &entered))
        return refused;
    money_[size_t(field)] = fields::formatMoney(entered);
    if (field <= kSpecDryer && tokens && stacked) {
        keepApart(kRegDryer, kVend, "regular");
        keepApart(kSpecDryer, kSpecVend, "special");
    }
    return std::nullopt;
}

void Gen2AdvancedPriceRules::keepApart(Field dryer, Field washer, const char* which)
{
    if (checkMoney(dryer, money_[size_t(dryer)]) || checkMoney(washer, money_[size_t(washer)]) ||
        amount(dryer) != amount(washer))
        return;
    Refusal notice;
    notice.message = QStringLiteral("When tokens are enabled for the washer/dryer stack machine, "
                                    "the %1 dry and wash prices MUST be different values. Vela "
                                    "will change the %1 dry price.")
                         .arg(QLatin1String(which));
    notice.caption = QStringLiteral("Illegal configuration");
    showRefusal(notice);
    const Currency step = fields::kNickel;
    const Currency price = amount(dryer);
    money_[size_t(dryer)] = fields::formatMoney(price > step ? price - step : price + step);
}

Check Gen2AdvancedPriceRules::checkFields() const
{
    for (int f = 0; f < kFieldCount; ++f)
        if (f != kCoin2 || coin2Shown())
            if (Check refused = checkMoney(Field(f), money_[size_t(f)]))
                return refused;
    const std::pair<int, const char*> pennies[] = {{penny_, kColPenny},
                                                   {pennyDryer_, kColPennyDryer}};
    for (const auto& [index, column] : pennies)
        if (index < 0 || index >= pennyChoices().size())
            return inputError(column, column == kColPenny ? kPennyControl : kPennyDryerControl,
                              QStringLiteral("The penny increment is one of .00 to .04."));
    if (!hourChoices().contains(begin_))
        return inputError(kColBegin, kBeginControl,
                          QStringLiteral("The special price begins on the hour: 12 Midnight, "
                                         "1 AM .. 11 PM."));
    if (!hourChoices().contains(end_))
        return inputError(kColEnd, kEndControl,
                          QStringLiteral("The special price ends on the hour: 12 Midnight, "
                                         "1 AM .. 11 PM."));
    return std::nullopt;
}

Check Gen2AdvancedPriceRules::checkTokens(bool tokens, bool stacked) const
{
    if (!tokens || !stacked)
        return std::nullopt;
    const std::tuple<Field, Field, const char*> pairs[] = {{kRegDryer, kVend, "regular"},
                                                           {kSpecDryer, kSpecVend, "special"}};
    for (const auto& [dryer, washer, which] : pairs)
        if (amount(dryer) == amount(washer))
            return Refusal{QLatin1String(moneyFields()[size_t(dryer)].column),
                           moneyFields()[size_t(dryer)].control,
                           QStringLiteral("When tokens are enabled for the washer/dryer stack "
                                          "machine, the %1 dry and wash prices MUST be different "
                                          "values.")
                               .arg(QLatin1String(which))};
    return std::nullopt;
}

void Gen2AdvancedPriceRules::writeRecord(STRUCT_laundry_setup& record) const
{
    record.vend_price = nickels(amount(kVend));
    record.spec_price = nickels(amount(kSpecVend));
    record.reg_dryer_price = nickels(amount(kRegDryer));
    record.spec_dryer_price = nickels(amount(kSpecDryer));
    record.vend_cold_price = nickels(amount(kVendCold));
    record.vend_warm_price = nickels(amount(kVendWarm));
    record.vend_hot_price = nickels(amount(kVendHot));
    record.spec_cold_price = nickels(amount(kSpecCold));
    record.spec_warm_price = nickels(amount(kSpecWarm));
    record.spec_hot_price = nickels(amount(kSpecHot));
    record.super_cycle_upgrade_price = nickels(amount(kSuperUpgrade));
    record.coin1_value = nickels(amount(kCoin1));
    if (coin2Shown())
        record.coin2_value = nickels(amount(kCoin2));
    record.penny_increment = uint8_t(qMax(penny_, 0));
    record.penny_increment_dryer = uint8_t(qMax(pennyDryer_, 0));
    uint8_t days = 0;
    for (size_t d = 0; d < days_.size(); ++d)
        if (days_[d])
            days |= uint8_t(1u << d);
    record.spec_days = days;
    record.spec_price_begin = uint8_t(qMax(hourChoices().indexOf(begin_), qsizetype(0)));
    record.spec_price_end = uint8_t(qMax(hourChoices().indexOf(end_), qsizetype(0)));
}

void Gen2AdvancedPriceRules::clickAllDays(bool on)
{
    allDays_ = on;
    days_.fill(on);
}

} // namespace profiles
